#include "tools/check/check_output.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/sponsor/contest_period.h"

namespace aadx {
namespace check {

namespace {

std::string Csv(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string out = "\"";
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string Padded(const std::string& text, size_t width) {
  return text.size() >= width ? text + " "
                              : text + std::string(width - text.size(), ' ');
}

std::string Where(const Qso& qso) {
  return Padded("line " + std::to_string(qso.line), 11) +
         sponsor::FormatUtc(qso.time) + "  " + Padded(qso.band, 5);
}

std::string ScoreLine(const sponsor::ScoreTable& t) {
  return std::to_string(t.total.qsos) + " QSOs, " +
         std::to_string(t.total.points) + " points, " +
         std::to_string(t.total.multipliers) + " multipliers";
}

void Section(const std::string& title, const std::vector<std::string>& lines,
             std::string* out) {
  *out += "\n" + title + " (" + std::to_string(lines.size()) + ")\n";
  for (const std::string& line : lines) *out += "  " + line + "\n";
}

}  // namespace

std::string FormatOffset(int64_t seconds) {
  const int64_t minutes = (seconds + (seconds < 0 ? -30 : 30)) / 60;
  return (minutes > 0 ? "+" : "") + std::to_string(minutes) + " min";
}

namespace {

// Other logs' lines that matched a line of log `log` with its call or
// exchange wrong: (log, QSO) pairs, in the logs' order.
using Miscopies = std::vector<std::pair<int, int>>;

std::vector<Miscopies> MiscopiesByLog(const ContestLogs& contest) {
  std::vector<Miscopies> out(contest.logs.size());
  for (size_t i = 0; i < contest.logs.size(); ++i) {
    const EntryLog& other = contest.logs[i];
    if (other.status != LogStatus::kChecked) continue;
    for (size_t q = 0; q < other.qsos.size(); ++q) {
      const Qso& qso = other.qsos[q];
      if (qso.otherLog >= 0 && (qso.check == Check::kBustedCall ||
                                qso.check == Check::kBustedExchange))
        out[qso.otherLog].emplace_back(static_cast<int>(i),
                                       static_cast<int>(q));
    }
  }
  return out;
}

std::string Report(const ContestLogs& contest, const ContestScores& scores,
                   const LogScore& score, const Miscopies& miscopies) {
  const EntryLog& log = contest.logs[score.log];
  std::string out = "Log check of " + log.call + " (" + log.file + "), " +
                    (contest.mode == "SSB" ? "AADX-SSB " : "AADX-CW ") +
                    std::to_string(scores.year) + "\n";
  out += "Category        " +
         (score.category.empty() ? std::string("none named") : score.category) +
         (score.ranked ? "" : ", check log (not ranked)") + "\n";
  out += "Claimed score   " + ScoreLine(score.claimed) + " = " +
         std::to_string(score.claimed.score) + "\n";
  out += "Checked score   " + ScoreLine(score.checked);
  if (score.penaltyPoints > 0)
    out += ", less " + std::to_string(score.penaltyPoints) + " penalty points";
  out += " = " + std::to_string(score.finalScore) + "\n";
  out += "Clock offset    " + FormatOffset(log.clockOffset) + "\n";

  std::vector<std::string> busted, nil, exchanges, uniques, dupes;
  for (const Qso& q : log.qsos) {
    switch (q.check) {
      case Check::kBustedCall:
        busted.push_back(Where(q) + q.call + " -> " + q.correctCall);
        break;
      case Check::kNotInLog:
        nil.push_back(Where(q) + q.call);
        break;
      case Check::kBustedExchange:
        exchanges.push_back(Where(q) + Padded(q.call, 10) + q.exchRcvd +
                            " -> " + q.sentExchange);
        break;
      case Check::kUnique:
        uniques.push_back(Where(q) + q.call);
        break;
      case Check::kDupe:
        dupes.push_back(Where(q) + q.call);
        break;
      default:
        break;
    }
  }
  // Other logs' lines that matched ours with our call or exchange wrong.
  std::vector<std::string> ourCall, ourExchange;
  for (const auto& [i, line] : miscopies) {
    const EntryLog& other = contest.logs[i];
    const Qso& q = other.qsos[line];
    if (q.check == Check::kBustedCall)
      ourCall.push_back(Padded(other.call, 10) + Where(q) + "logged " + q.call);
    if (q.check == Check::kBustedExchange)
      ourExchange.push_back(Padded(other.call, 10) + Where(q) + "logged " +
                            q.exchRcvd + ", you sent " + q.sentExchange);
  }
  Section("Busted calls", busted, &out);
  Section("Not in log", nil, &out);
  Section("Busted exchanges", exchanges, &out);
  Section("Uniques", uniques, &out);
  Section("Dupes", dupes, &out);
  Section("Who miscopied your call", ourCall, &out);
  Section("Who miscopied your exchange", ourExchange, &out);
  return out;
}

}  // namespace

std::string FormatLogReport(const ContestLogs& contest,
                            const ContestScores& scores,
                            const LogScore& score) {
  return Report(contest, scores, score, MiscopiesByLog(contest)[score.log]);
}

std::vector<std::string> FormatLogReports(const ContestLogs& contest,
                                          const ContestScores& scores) {
  const std::vector<Miscopies> miscopies = MiscopiesByLog(contest);
  std::vector<std::string> out;
  for (const LogScore& score : scores.logs)
    out.push_back(Report(contest, scores, score, miscopies[score.log]));
  return out;
}

namespace {

// The logs by category (none named: after the others), then score; check
// logs last.
std::vector<const LogScore*> RankOrder(const ContestScores& scores) {
  std::vector<const LogScore*> order;
  for (const LogScore& s : scores.logs) order.push_back(&s);
  std::stable_sort(order.begin(), order.end(),
                   [](const LogScore* a, const LogScore* b) {
                     if (a->ranked != b->ranked) return a->ranked;
                     if (a->category.empty() != b->category.empty())
                       return b->category.empty();
                     if (a->category != b->category)
                       return a->category < b->category;
                     return a->finalScore > b->finalScore;
                   });
  return order;
}

std::string Html(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// One table per category of the ranked logs `group` takes, under `title`.
template <typename Group>
std::string HtmlRanking(const ContestLogs& contest,
                        const std::vector<const LogScore*>& order,
                        const std::string& title, Group group) {
  std::string out;
  std::string category;
  int rank = 0;
  for (const LogScore* s : order) {
    if (!s->ranked || !group(*s)) continue;
    if (rank == 0 || s->category != category) {
      if (rank > 0) out += "</tbody></table>\n";
      rank = 0;
      category = s->category;
      out += "<table><caption>" + Html(title) + " &middot; " +
             Html(category.empty() ? "no category named" : category) +
             "</caption>\n<thead><tr><th>#</th><th>Call</th><th>Country</th>"
             "<th>Cont.</th><th>Claimed</th><th>Checked</th><th>QSOs</th>"
             "<th>Points</th><th>Mults</th><th>Penalty</th></tr></thead>"
             "<tbody>\n";
    }
    ++rank;
    const EntryLog& log = contest.logs[s->log];
    out += "<tr><td>" + std::to_string(rank) + "</td><td>" + Html(log.call) +
           "</td><td>" + Html(s->country) + "</td><td>" + Html(s->continent) +
           "</td><td>" + std::to_string(s->claimed.score) + "</td><td>" +
           std::to_string(s->finalScore) + "</td><td>" +
           std::to_string(s->checked.total.qsos) + "</td><td>" +
           std::to_string(s->checked.total.points) + "</td><td>" +
           std::to_string(s->checked.total.multipliers) + "</td><td>" +
           std::to_string(s->penaltyPoints) + "</td></tr>\n";
  }
  if (rank > 0) out += "</tbody></table>\n";
  return out;
}

}  // namespace

std::string FormatResultsHtml(const ContestLogs& contest,
                              const ContestScores& scores) {
  const std::vector<const LogScore*> order = RankOrder(scores);
  const std::string contestName =
      std::string(contest.mode == "SSB" ? "AADX-SSB " : "AADX-CW ") +
      std::to_string(scores.year);
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
      "<title>" +
      contestName +
      " results after the log check</title>\n<style>\n"
      "body{font-family:sans-serif;margin:1.5em;color:#222}\n"
      "table{border-collapse:collapse;margin:0 0 1.5em}\n"
      "caption{text-align:left;font-weight:bold;padding:.3em 0}\n"
      "th,td{border:1px solid #bbb;padding:.2em .6em;text-align:right}\n"
      "td:nth-child(2),td:nth-child(3),td:nth-child(4),th:nth-child(2),"
      "th:nth-child(3),th:nth-child(4){text-align:left}\n"
      "th{background:#eee}tbody tr:nth-child(even){background:#f7f7f7}\n"
      "nav a{margin-right:1em}\n</style></head><body>\n<h1>" +
      contestName +
      " results after the log check</h1>\n<nav><a href=\"#category\">By "
      "category</a><a href=\"#continent\">By continent</a><a "
      "href=\"#country\">By country</a></nav>\n";
  out += "<h2 id=\"category\">By category</h2>\n";
  out +=
      HtmlRanking(contest, order, "All", [](const LogScore&) { return true; });
  std::vector<std::string> continents, countries;
  for (const LogScore* s : order) {
    if (!s->ranked) continue;
    continents.push_back(s->continent);
    countries.push_back(s->country);
  }
  for (std::vector<std::string>* list : {&continents, &countries}) {
    std::sort(list->begin(), list->end());
    list->erase(std::unique(list->begin(), list->end()), list->end());
  }
  out += "<h2 id=\"continent\">By continent</h2>\n";
  for (const std::string& c : continents) {
    out += HtmlRanking(contest, order, c.empty() ? "not located" : c,
                       [&](const LogScore& s) { return s.continent == c; });
  }
  out += "<h2 id=\"country\">By country</h2>\n";
  for (const std::string& c : countries) {
    out += HtmlRanking(contest, order, c.empty() ? "not located" : c,
                       [&](const LogScore& s) { return s.country == c; });
  }
  return out + "</body></html>\n";
}

std::string FormatResultsCsv(const ContestLogs& contest,
                             const ContestScores& scores) {
  const std::vector<const LogScore*> order = RankOrder(scores);
  std::string out =
      "category,rank,call,file,claimed_score,checked_score,qsos,points,"
      "multipliers,penalty_points\n";
  std::string category;
  int rank = 0;
  for (const LogScore* s : order) {
    if (rank == 0 || s->category != category) rank = 0;
    category = s->category;
    ++rank;
    const EntryLog& log = contest.logs[s->log];
    out += Csv(s->category) + "," +
           (s->ranked ? std::to_string(rank) : std::string("check")) + "," +
           Csv(log.call) + "," + Csv(log.file) + "," +
           std::to_string(s->claimed.score) + "," +
           std::to_string(s->finalScore) + "," +
           std::to_string(s->checked.total.qsos) + "," +
           std::to_string(s->checked.total.points) + "," +
           std::to_string(s->checked.total.multipliers) + "," +
           std::to_string(s->penaltyPoints) + "\n";
  }
  return out;
}

std::string FormatVerdictsCsv(const ContestLogs& contest,
                              const ContestScores& scores) {
  std::string out = "log,line,check,correct_call,sent_exchange,reason,points\n";
  for (const LogScore& s : scores.logs) {
    const EntryLog& log = contest.logs[s.log];
    for (size_t q = 0; q < log.qsos.size(); ++q) {
      const Qso& qso = log.qsos[q];
      out += Csv(log.file) + "," + std::to_string(qso.line) + "," +
             CheckName(qso.check) + "," + Csv(qso.correctCall) + "," +
             Csv(qso.sentExchange) + "," + Csv(s.reasons[q]) + "," +
             std::to_string(s.points[q]) + "\n";
    }
  }
  return out;
}

}  // namespace check
}  // namespace aadx
