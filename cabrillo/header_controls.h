// The controls of the Cabrillo header dialog as data: which form member each
// control shows and which choices a combo offers. The dialog template holds
// their labels, kinds and layout; the Windows dialog fills the combos and
// moves the texts from this table.
#ifndef AADX_CABRILLO_HEADER_CONTROLS_H_
#define AADX_CABRILLO_HEADER_CONTROLS_H_

#include <string>
#include <vector>

#include "cabrillo/cabrillo_dialog.h"

namespace aadx {

struct HeaderControl {
  int id;                            // control id in dialog 101
  std::string CabrilloForm::*field;  // the member it shows
  std::vector<std::string> choices;  // combos only; empty for an edit
};

// The 22 controls, top to bottom.
const std::vector<HeaderControl>& HeaderControls();

// The index of the first choice that begins with text, compared ignoring
// ASCII case; -1 when none does. An empty text selects nothing: the combo
// then shows an empty field rather than a value the operator never chose.
int FirstChoiceStartingWith(const std::vector<std::string>& choices,
                            const std::string& text);

}  // namespace aadx

#endif  // AADX_CABRILLO_HEADER_CONTROLS_H_
