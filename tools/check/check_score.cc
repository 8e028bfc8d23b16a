#include "tools/check/check_score.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "base/ascii.h"
#include "tools/sponsor/rule_book.h"
#include "tools/sponsor/sponsor_rules.h"

namespace aadx {
namespace check {

namespace {

using sponsor::SponsorScore;

bool IsCheckLog(const EntryLog& log) {
  for (const auto& [tag, value] : log.header) {
    if (tag.rfind("CATEGORY", 0) == 0 &&
        AsciiUpperText(value).find("CHECKLOG") != std::string::npos)
      return true;
  }
  return false;
}

// Scores the QSOs `take` allows; `points`/`reasons` (file order) hear each
// scored QSO's figures.
// Each call located once for the whole contest: most calls are in many
// logs, and every log is scored twice.
class LocatedCalls {
 public:
  explicit LocatedCalls(const callsign::StationLocator& locator)
      : locator_(locator) {}
  const callsign::Station& Locate(const std::string& call) {
    auto found = located_.find(call);
    if (found == located_.end())
      found = located_.emplace(call, locator_.Locate(call)).first;
    return found->second;
  }

 private:
  const callsign::StationLocator& locator_;
  std::unordered_map<std::string, callsign::Station> located_;
};

template <typename Take>
SponsorScore Score(const sponsor::Rules& rules, const sponsor::Entrant& entrant,
                   const EntryLog& log, LocatedCalls& locator, Take take,
                   std::vector<int>* points,
                   std::vector<std::string>* reasons) {
  std::vector<int> taken;
  std::vector<sponsor::Contact> contacts;
  for (size_t q = 0; q < log.qsos.size(); ++q) {
    const Qso& qso = log.qsos[q];
    if (!take(qso)) continue;
    sponsor::Contact c;
    c.time = qso.time;
    c.call = qso.call;
    c.band = qso.band;
    c.mode = qso.mode;
    c.exchRcvd = qso.exchRcvd;
    c.exchSent = qso.exchSent;
    c.station = locator.Locate(qso.call);
    contacts.push_back(std::move(c));
    taken.push_back(static_cast<int>(q));
  }
  SponsorScore score = sponsor::ScoreBySponsorRules(rules, entrant, contacts);
  // The score lists its contacts in time order, equal times in log order.
  std::stable_sort(taken.begin(), taken.end(), [&](int x, int y) {
    return log.qsos[x].time < log.qsos[y].time;
  });
  for (size_t i = 0; i < taken.size() && i < score.contacts.size(); ++i) {
    const sponsor::Verdict& verdict = score.contacts[i].verdict;
    (*points)[taken[i]] = verdict.points;
    std::string& why = (*reasons)[taken[i]];
    why.clear();
    for (sponsor::Reason r : verdict.reasons) {
      if (!why.empty()) why += '+';
      why += sponsor::ReasonName(r);
    }
  }
  return score;
}

}  // namespace

ContestScores ScoreContest(const ContestLogs& contest,
                           const callsign::StationLocator& locator,
                           const ScoreOptions& options) {
  ContestScores scores;
  scores.year = options.year;
  if (scores.year == 0) {
    for (const EntryLog& log : contest.logs) {
      if (log.status == LogStatus::kChecked && !log.qsos.empty()) {
        scores.year = sponsor::YearOf(log.qsos.front().time);
        break;
      }
    }
  }
  const sponsor::YearRules& book = sponsor::RulesForYear(scores.year);
  sponsor::Rules rules;
  rules.mode = contest.mode == "SSB" ? sponsor::ContestMode::kPhone
                                     : sponsor::ContestMode::kCw;
  rules.period = sponsor::ContestPeriod(scores.year, rules.mode);

  LocatedCalls located(locator);
  for (size_t i = 0; i < contest.logs.size(); ++i) {
    const EntryLog& log = contest.logs[i];
    if (log.status != LogStatus::kChecked) continue;
    LogScore s;
    s.log = static_cast<int>(i);
    s.ranked = !IsCheckLog(log);
    sponsor::Entrant entrant{log.call, locator.Locate(log.call)};
    s.continent = entrant.station.continent;
    s.country = entrant.station.dxccName;
    std::string why;
    rules.category.rule = sponsor::CategoryFromHeader(
        book, log.header, entrant.station.continent == "AS",
        entrant.station.dxcc == "JA", &why);
    rules.category.from = "the log's header";
    if (rules.category.rule) s.category = rules.category.rule->code;

    std::vector<int> claimedPoints(log.qsos.size(), 0);
    std::vector<std::string> claimedReasons(log.qsos.size());
    s.claimed =
        Score(
            rules, entrant, log, located, [](const Qso&) { return true; },
            &claimedPoints, &claimedReasons)
            .table;
    s.points.assign(log.qsos.size(), 0);
    s.reasons = claimedReasons;
    s.checked = Score(
                    rules, entrant, log, located,
                    [](const Qso& q) { return !Removed(q.check); }, &s.points,
                    &s.reasons)
                    .table;
    for (size_t q = 0; q < log.qsos.size(); ++q) {
      const Check check = log.qsos[q].check;
      if (check == Check::kBustedCall || check == Check::kNotInLog)
        s.penaltyPoints +=
            static_cast<int64_t>(options.penalty) * claimedPoints[q];
    }
    const int64_t points =
        std::max<int64_t>(0, s.checked.total.points - s.penaltyPoints);
    s.finalScore = points * s.checked.total.multipliers;
    scores.logs.push_back(std::move(s));
  }
  return scores;
}

}  // namespace check
}  // namespace aadx
