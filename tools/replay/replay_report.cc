#include "tools/replay/replay_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>

#include "tools/logs/cabrillo_reader.h"

namespace aadx {
namespace replay {

namespace {

std::string Count(const char* label, int value) {
  char line[80];
  std::snprintf(line, sizeof line, "  %-24s %6d\n", label, value);
  return line;
}

std::string WithLineFeeds(const std::string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result += text[i];
  }
  if (!result.empty() && result.back() != '\n') result += '\n';
  return result;
}

// In the one form the report, the Cabrillo file and err.txt give times:
// "2021-06-19 0005", the seconds left out.
std::string DateText(const std::optional<logs::QsoTime>& time) {
  if (!time) return "(none)";
  logs::QsoTime minute = *time;
  minute.second = 0;
  return logs::FormatQsoTime(minute);
}

// The contest's mode; when the replay left it to the plug-in's settings,
// the one its summary names.
std::string ModeText(const SessionResult& r) {
  if (!r.plan.contestMode.empty()) return r.plan.contestMode;
  if (r.outcome.summary.rfind("  AADX-CW ", 0) == 0) return "CW";
  if (r.outcome.summary.rfind("  AADX-SSB ", 0) == 0) return "SSB";
  return "(not known)";
}

// The plug-in's title gives the start as day and month alone, which across
// a year end reads as a span running backwards ("24.09-10.01.2021"); the
// report's copy of the summary names the start's year there. True when it
// did.
bool NameTheStartsYear(const ReplayPlan& plan, std::string* summary) {
  if (!plan.start || !plan.end || plan.start->year == plan.end->year)
    return false;
  char dayMonth[16];
  char withYear[24];
  std::snprintf(dayMonth, sizeof dayMonth, " %02d.%02d-", plan.start->day,
                plan.start->month);
  std::snprintf(withYear, sizeof withYear, " %02d.%02d.%04d-", plan.start->day,
                plan.start->month, plan.start->year);
  const size_t at = summary->find(dayMonth);
  if (at == std::string::npos || at > summary->find('\n')) return false;
  summary->replace(at, std::string(dayMonth).size(), withYear);
  return true;
}

// Skipped records counted by reason, most frequent first.
std::string SkipReasons(const std::vector<std::string>& skipped) {
  std::map<std::string, int> counts;
  for (const std::string& message : skipped) {
    std::string reason = SkipReason(message);
    if (reason != logs::kExcludedQsoReason) ++counts[reason];
  }
  std::vector<std::pair<int, std::string>> sorted;
  for (const auto& [reason, n] : counts) sorted.emplace_back(-n, reason);
  std::sort(sorted.begin(), sorted.end());
  std::string text;
  for (const auto& [n, reason] : sorted) {
    char count[16];
    std::snprintf(count, sizeof count, "%6d", -n);
    text += std::string("    ") + count + "  " + reason + "\n";
  }
  return text;
}

}  // namespace

std::string SkipReason(const std::string& message) {
  static const std::regex kPlace(R"(^.*line [0-9]+\)?: )");
  static const std::regex kQuoted(R"( ?"[^"]*"(\.\.\.)?)");
  std::string reason = std::regex_replace(
      message, kPlace, "", std::regex_constants::format_first_only);
  reason = std::regex_replace(reason, kQuoted, "");
  const std::string tail = "; skipped";
  if (reason.size() >= tail.size() &&
      reason.compare(reason.size() - tail.size(), tail.size(), tail) == 0)
    reason.resize(reason.size() - tail.size());
  return reason;
}

std::string FormatReport(const SessionResult& r,
                         const std::string& afterSummary) {
  const ReplayPlan& plan = r.plan;
  const ReplayOutcome& outcome = r.outcome;
  std::string text = WithLineFeeds(outcome.summary);
  const bool yearNamed = NameTheStartsYear(plan, &text);
  if (!afterSummary.empty()) text += "\n" + afterSummary;

  text += "\nRecords\n";
  text += Count("read", plan.recordsRead);
  text += Count("sent to the plug-in", outcome.sent);
  text += Count("refused by the plug-in", outcome.refused);
  text += Count("dupes", outcome.dupes);
  text += Count("skipped (malformed)",
                static_cast<int>(plan.skipped.size()) - plan.excludedQsos);
  text += SkipReasons(plan.skipped);
  if (plan.excludedQsos > 0)
    text += Count("left out by log (X-QSO)", plan.excludedQsos);
  if (plan.qtcLines > 0) text += Count("QTC lines, not read", plan.qtcLines);
  if (plan.outOfOrder > 0) text += Count("out of time order", plan.outOfOrder);

  const callsign::ResolutionCounts& n = plan.resolution;
  text += "\nWorked stations\n";
  text += "  prefix: " + std::to_string(n.prefixFromLog) + " from the log, " +
          std::to_string(n.prefixDerived) + " by the WPX rules\n";
  text += "  DXCC entity: " + std::to_string(n.dxccFromLog) +
          " from the log, " + std::to_string(n.dxccFromCountryFile) +
          " from the country file, " + std::to_string(n.dxccUnknown) +
          " unknown\n";
  text += "  continent: " + std::to_string(n.continentFromLog) +
          " from the log, " + std::to_string(n.continentFromCountryFile) +
          " from the country file, " + std::to_string(n.continentUnknown) +
          " unknown\n";

  if (!outcome.checks.empty()) {
    text += "\nCall checks\n";
    for (const CheckOutcome& check : outcome.checks) {
      text += "  " + check.check.call + " on " + check.check.band + " " +
              check.check.mode + ": " + DescribeCheckResult(check.result) +
              "\n";
    }
  }

  text += "\nRun\n";
  text += "  own station    " + plan.ownCall + ", continent " +
          plan.ownContinent + "\n";
  text += "  contest        " + ModeText(r) + ", " + DateText(plan.start) +
          " to " + DateText(plan.end) +
          (plan.exportCabrillo ? ", Cabrillo export" : "") + "\n";
  if (!plan.contestModeFrom.empty())
    text += "  mode from      " + plan.contestModeFrom + "\n";
  if (yearNamed)
    text +=
        "  title          the start's year added above; the plug-in's "
        "summary leaves it out\n";
  text += "  plug-in        " + r.libraryPath + "\n";
  text += "  country file   " +
          (r.ctyPath.empty() ? std::string("(none)") : r.ctyPath) + "\n";

  text += "\nFiles in " + r.outDir + "\n";
  for (const OutputFile& file : r.files) {
    char label[32];
    std::snprintf(label, sizeof label, "  %-14s ", file.what.c_str());
    std::string state = !file.problem.empty()
                            ? "  (not produced: " + file.problem + ")"
                        : file.written ? ""
                                       : "  (not written)";
    text += label + file.path + state + "\n";
  }
  return text;
}

}  // namespace replay
}  // namespace aadx
