// The entrant's category for the sponsor's rules: JARL's code given with
// --category, else the one the input Cabrillo log's header names, checked
// against the rules of the contest's year.
#ifndef AADX_TOOLS_REPLAY_ENTRY_CATEGORY_H_
#define AADX_TOOLS_REPLAY_ENTRY_CATEGORY_H_

#include <string>
#include <vector>

#include "tools/callsign/cty_file.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/replay_plan.h"
#include "tools/sponsor/rule_book.h"

namespace aadx {
namespace replay {

// The contest's year: that of --start, else of the first contact.
int ContestYear(const ReplayOptions& options, const ReplayPlan& plan);

// Sets `category` (none when neither names one) and adds what the operator
// should know to `notes`: the header's category replaced or not understood,
// a category the entrant may not enter. (Which year's rules are used, and
// why, the sponsor's table says.) Fails
// for a --category code the year's rules do not have, listing theirs.
// `cty` may be null.
bool ResolveEntryCategory(const ReplayOptions& options, const ReplayPlan& plan,
                          const callsign::CtyFile* cty,
                          sponsor::EntryCategory* category,
                          std::vector<std::string>* notes, std::string* error);

}  // namespace replay
}  // namespace aadx

#endif  // AADX_TOOLS_REPLAY_ENTRY_CATEGORY_H_
