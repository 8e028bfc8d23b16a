// The Cabrillo header an operator already wrote (the tags of an input
// Cabrillo log, --header TAG=VALUE options) and how it reaches the
// plug-in as it would on Windows: the values the plug-in keeps in its
// settings file go there before the reset, whatever their length, and
// what the operator would type into the header dialog (the category values
// and the callsign, which the plug-in sets before it shows the dialog) goes
// to the dialog, by the labels of its controls.
#ifndef AADX_TOOLS_REPLAY_CABRILLO_HEADER_H_
#define AADX_TOOLS_REPLAY_CABRILLO_HEADER_H_

#include <string>
#include <utility>
#include <vector>

namespace aadx {
namespace replay {

using TagValues = std::vector<std::pair<std::string, std::string>>;

struct HeaderPlan {
  TagValues settings;  // settings key, value
  TagValues typed;     // header dialog control label, text to type
  // Tags whose value does not reach the Cabrillo file, one note each.
  std::vector<std::string> notes;
};

// `fromLog` in file order, upper-case tags; `fromOptions` replace the
// log's values of the same tag. ADDRESS and SOAPBOX lines are joined the way
// the operator types them in the dialog ("<CR>", "<CR><LF>").
HeaderPlan PlanCabrilloHeader(const TagValues& fromLog,
                              const TagValues& fromOptions);

// What the plug-in fills in by itself where `plan` gives nothing, in one
// note: the category lines it writes (CATEGORY-MODE as `mode`, "CW" or
// "SSB") and OPERATORS, the own call, unless `operatorsKept` (the settings
// file holds them). Empty when the input gives them all.
std::string FilledInHeaderNote(const HeaderPlan& plan, const std::string& mode,
                               const std::string& ownCall, bool operatorsKept);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_CABRILLO_HEADER_H_
