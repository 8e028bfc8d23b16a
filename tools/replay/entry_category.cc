#include "tools/replay/entry_category.h"

namespace aadx {
namespace replay {

using sponsor::CategoryRule;
using sponsor::YearRules;

int ContestYear(const ReplayOptions& options, const ReplayPlan& plan) {
  if (options.start) return options.start->year;
  return plan.contacts.empty() ? 0 : plan.contacts.front().time.year;
}

bool ResolveEntryCategory(const ReplayOptions& options, const ReplayPlan& plan,
                          const callsign::CtyFile* cty,
                          sponsor::EntryCategory* category,
                          std::vector<std::string>* notes, std::string* error) {
  const int year = ContestYear(options, plan);
  const YearRules& rules = sponsor::RulesForYear(year);
  const std::string rulesName = "the " + std::to_string(rules.year) + " rules";
  const bool asian = plan.ownContinent == "AS";
  callsign::CtyResolution own;
  const bool japan =
      cty != nullptr && cty->Resolve(plan.ownCall, &own) && own.dxcc == "JA";

  std::string read;
  const CategoryRule* fromHeader =
      sponsor::CategoryFromHeader(rules, plan.logHeader, asian, japan, &read);
  *category = sponsor::EntryCategory{};
  if (!options.category.empty()) {
    const CategoryRule* given = sponsor::FindCategory(rules, options.category);
    if (given == nullptr) {
      *error = "--category " + options.category + ": not a category of " +
               rulesName + "; they are " + sponsor::CategoryCodes(rules);
      return false;
    }
    *category = sponsor::EntryCategory{given, "--category"};
    if (fromHeader != nullptr && fromHeader != given) {
      notes->push_back("--category " + std::string(given->code) +
                       " replaces the log header's " + fromHeader->code);
    }
  } else if (fromHeader != nullptr) {
    *category = sponsor::EntryCategory{fromHeader, "the log's header"};
  } else if (!read.empty()) {
    notes->push_back("the log's header (" + read + ") names none of " +
                     rulesName +
                     "' categories: no category (all bands, no time limit); "
                     "give --category CODE");
  }
  const CategoryRule* chosen = category->rule;
  if (chosen != nullptr && !sponsor::MayEnter(*chosen, asian, japan) &&
      (chosen->who != sponsor::Entrants::kJapan || cty != nullptr)) {
    notes->push_back(std::string("category ") + chosen->code + " is for " +
                     sponsor::DescribeCategory(*chosen) + "; " + plan.ownCall +
                     " is not one: scored as given");
  }
  return true;
}

}  // namespace replay
}  // namespace aadx
