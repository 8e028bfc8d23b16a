// The controls of the Cabrillo header dialog as data, the one list of them:
// each control's label, the form member it shows, whether the operator can
// edit it and which choices a combo offers. The Windows dialog fills the
// combos and moves the texts by it; the stand-in without a desktop and the
// replay tool find controls by their labels in it. The dialog template
// (ui/cabrillo_dialog.rc) repeats ids, labels and states for the layout;
// a test holds the two together.
#ifndef AADX_CABRILLO_HEADER_CONTROLS_H_
#define AADX_CABRILLO_HEADER_CONTROLS_H_

#include <string>
#include <vector>

#include "cabrillo/cabrillo_form.h"

namespace aadx {

struct HeaderControl {
  int id;                            // control id in dialog 101
  const char* label;                 // the text beside it
  std::string CabrilloForm::*field;  // the member it shows
  bool enabled;                      // false: greyed, takes no typing
  std::vector<std::string> choices;  // combos only; empty for an edit
};

// The 22 controls, top to bottom.
const std::vector<HeaderControl>& HeaderControls();

// The control that shows field; every member of the form has one.
const HeaderControl& HeaderControlOf(std::string CabrilloForm::*field);

// The index of the first choice that begins with text, compared ignoring
// ASCII case; -1 when none does. An empty text selects nothing: the combo
// then shows an empty field rather than a value the operator never chose.
int FirstChoiceStartingWith(const std::vector<std::string>& choices,
                            const std::string& text);

}  // namespace aadx

#endif  // AADX_CABRILLO_HEADER_CONTROLS_H_
