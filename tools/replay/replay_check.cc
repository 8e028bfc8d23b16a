#include "tools/replay/replay_check.h"

#include <filesystem>

#include "base/whole_file.h"
#include "tools/callsign/station.h"
#include "tools/replay/entry_category.h"
#include "tools/sponsor/sponsor_report.h"

namespace aadx {
namespace replay {

using sponsor::Contact;
using sponsor::ContestMode;
using sponsor::Entrant;
using sponsor::Period;

const char kCheckReportName[] = "sponsor-check.txt";

namespace {

namespace fs = std::filesystem;

constexpr int64_t kDay = 24 * 60 * 60;

ContestMode ModeOf(const SessionResult& session) {
  const std::string& mode = session.plan.contestMode;
  if (mode == "CW") return ContestMode::kCw;
  if (mode == "SSB") return ContestMode::kPhone;
  // The settings file chose: the summary's first line names the contest.
  return session.outcome.summary.rfind("  AADX-SSB", 0) == 0
             ? ContestMode::kPhone
             : ContestMode::kCw;
}

Period PeriodOf(const ReplayOptions& options, const ReplayPlan& plan,
                ContestMode mode) {
  Period period = sponsor::ContestPeriod(ContestYear(options, plan), mode);
  if (options.start) period.start = sponsor::UtcSeconds(*options.start);
  // A date alone ends with its day; a time is the first instant that no
  // longer counts, as "to 24:00" is in the rules.
  if (options.end)
    period.end =
        sponsor::UtcSeconds(*options.end) + (options.endHasTime ? 0 : kDay);
  return period;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Whole or not at all: an earlier file of that name stays as it was when
// the new one cannot be written.
bool WriteFile(const fs::path& path, const std::string& text,
               std::string* error) {
  if (WriteFileWhole(path.string(), text).ok()) return true;
  *error = path.string() + ": cannot be written";
  return false;
}

}  // namespace

ReplayCheck CheckReplay(const ReplayOptions& options,
                        const SessionResult& session) {
  ReplayCheck check;
  if (!session.cty) {
    check.problem = "the stations' entities need a country file (--cty FILE)";
    return check;
  }
  const ReplayPlan& plan = session.plan;
  const callsign::CtyStationLocator locator(*session.cty);
  check.rules.mode = ModeOf(session);
  check.rules.period = PeriodOf(options, plan, check.rules.mode);
  check.rules.category = session.category;
  check.entrant = Entrant{plan.ownCall, locator.Locate(plan.ownCall)};
  check.entrant.station.continent = plan.ownContinent;

  std::vector<Contact> contacts;
  contacts.reserve(plan.contacts.size());
  for (const logs::LogContact& c : plan.contacts) {
    Contact contact;
    contact.time = sponsor::UtcSeconds(c.time);
    contact.call = c.call;
    contact.band = c.band;
    contact.mode = c.mode;
    contact.exchRcvd = c.exchRcvd;
    contact.exchSent = c.exchSent;
    contact.station = locator.Locate(c.call);
    contact.pluginPrefix = c.prefix;
    contacts.push_back(std::move(contact));
  }
  check.sponsor =
      sponsor::ScoreBySponsorRules(check.rules, check.entrant, contacts);
  check.pluginRead =
      sponsor::ParsePluginSummary(session.outcome.summary, &check.plugin);
  return check;
}

std::string FormatReplayCheck(const ReplayCheck& check) {
  if (!check.problem.empty())
    return "Score by the sponsor's rules (JARL): not computed: " +
           check.problem + "\n";
  std::string text = sponsor::FormatSponsorTable(check.rules, check.entrant,
                                                 check.sponsor.table);
  text += sponsor::FormatOperatingTime(check.sponsor);
  text += "\n";
  text += check.pluginRead
              ? sponsor::FormatReconciliation(check.plugin, check.sponsor)
              : "The plug-in's summary has no score to compare with\n";
  return text;
}

bool WriteReplayCheckFiles(const ReplayOptions& options,
                           const ReplayCheck& check, SessionResult* session,
                           std::string* error) {
  if (check.problem.empty()) {
    const fs::path report = fs::path(session->outDir) / kCheckReportName;
    if (!WriteFile(report,
                   WithCrLf(sponsor::FormatCheckReport(
                       check.rules, check.entrant, check.sponsor)),
                   error))
      return false;
    session->files.push_back({"Sponsor check", report.string(), true});
  }
  if (options.jsonFile.empty()) return true;
  if (!check.problem.empty() || !check.pluginRead) {
    *error = "--json " + options.jsonFile + ": not written: " +
             (check.problem.empty() ? "the plug-in's summary has no score"
                                    : check.problem);
    return false;
  }
  std::error_code ec;
  fs::path json = fs::absolute(options.jsonFile, ec);
  if (ec) json = options.jsonFile;
  if (!WriteFile(json, sponsor::FormatScoresJson(check.plugin, check.sponsor),
                 error))
    return false;
  session->files.push_back({"Scores JSON", json.string(), true});
  return true;
}

}  // namespace replay
}  // namespace aadx
