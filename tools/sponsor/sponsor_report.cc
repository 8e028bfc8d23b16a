#include "tools/sponsor/sponsor_report.h"

#include <cstdarg>
#include <cstdio>

#include "base/ascii.h"

namespace aadx {
namespace sponsor {

namespace {

std::string Printf(const char* format, ...)
    __attribute__((format(gnu_printf, 1, 2)));

std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(&text[0], text.size() + 1, format, again);
  va_end(again);
  return text;
}

std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : text;
}

std::string RightTrimmed(std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string PeriodText(const Rules& rules) {
  return FormatUtc(rules.period.start) + " to " + FormatUtc(rules.period.end) +
         " UTC";
}

// "Rules of 2025" and what says why when the year has no table of its own.
std::string RulesLine(const Rules& rules) {
  std::string text = RulesYearText(YearOf(rules.period.start));
  text[0] = AsciiUpper(text[0]);
  return text;
}

std::string CategoryText(const EntryCategory& category) {
  if (category.rule == nullptr) return "none given (all bands, no time limit)";
  return std::string(category.rule->code) + " (from " + category.from +
         "): " + DescribeCategory(*category.rule);
}

std::string HoursMinutes(int minutes) {
  return Printf("%d h %02d min", minutes / 60, minutes % 60);
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      out += Printf("\\u%04x", u);
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonFigures(const BandScore& b) {
  return Printf("\"qsos\": %d, \"points\": %d, \"multipliers\": %d", b.qsos,
                b.points, b.multipliers);
}

// "bands": [...], "total": {...}
std::string JsonTable(const ScoreTable& table) {
  std::string out = "\"bands\": [";
  for (size_t i = 0; i < table.bands.size(); ++i) {
    if (i > 0) out += ", ";
    out += "{\"band\": " + JsonString(table.bands[i].band) + ", " +
           JsonFigures(table.bands[i]) + "}";
  }
  out += "], \"total\": {" + JsonFigures(table.total) +
         Printf(", \"score\": %lld}", static_cast<long long>(table.score));
  return out;
}

}  // namespace

std::string FormatSponsorTable(const Rules& rules, const Entrant& entrant,
                               const ScoreTable& table) {
  std::string text = "Score by the sponsor's rules (JARL), not the plug-in's\n";
  text +=
      Printf("  %s %s\n", ContestName(rules.mode), PeriodText(rules).c_str());
  text += "  " + RulesLine(rules) + "\n";
  text += "     Contestant: " + entrant.call + "\n";
  text += "     Category: " + CategoryText(rules.category) + "\n";
  text += "Band\tQSOs\tPoints\tMults\n";
  for (const BandScore& b : table.bands) {
    text += Printf("%s\t %d\t %d\t %d\n", b.band.c_str(), b.qsos, b.points,
                   b.multipliers);
  }
  text += Printf("Total\t %d\t %d\t %d\n", table.total.qsos, table.total.points,
                 table.total.multipliers);
  text += Printf("Sponsor's score = %d * %d = %lld\n", table.total.points,
                 table.total.multipliers, static_cast<long long>(table.score));
  return text;
}

std::string FormatOperatingTime(const SponsorScore& sponsor) {
  const OperatingTime& t = sponsor.operating;
  if (!t.limited) return "";
  std::string text = "Operating time: " + HoursMinutes(t.minutes);
  if (t.rests > 0) {
    text +=
        Printf(" (%d rest%s, %s in all, not counted)", t.rests,
               t.rests == 1 ? "" : "s", HoursMinutes(t.restMinutes).c_str());
  }
  const std::string limit = Printf("the first %d hours", t.limitMinutes / 60);
  if (t.limitEnd == 0) return text + ", within " + limit + "\n";
  const int after = sponsor.reasonCount(Reason::kAfter24Hours);
  return text + "; " + limit + " end at " + FormatUtc(t.limitEnd) +
         Printf(" UTC: %d contact%s after them score%s nothing\n", after,
                after == 1 ? "" : "s", after == 1 ? "s" : "");
}

std::string FormatReconciliation(const ScoreTable& plugin,
                                 const SponsorScore& sponsor) {
  const long long pluginScore = plugin.score;
  const long long sponsorScore = sponsor.table.score;
  std::string text = "Plug-in's score and the sponsor's\n";
  text += Printf("  %-20s %8lld\n", "plug-in's score", pluginScore);
  text += Printf("  %-20s %8lld\n", "sponsor's score", sponsorScore);
  std::string difference =
      Printf("  %-20s %8lld", "plug-in - sponsor", pluginScore - sponsorScore);
  if (sponsorScore != 0) {
    difference += Printf(" (%+.1f %%)",
                         100.0 * (pluginScore - sponsorScore) / sponsorScore);
  }
  text += difference + "\n";
  text += "Contacts by reason\n";
  bool any = false;
  for (int i = 0; i < kReasonCount; ++i) {
    const int count = sponsor.reasonCounts[i];
    if (count == 0) continue;
    any = true;
    const Reason reason = static_cast<Reason>(i);
    text += Printf("  %-20s %8d  %s\n", ReasonName(reason), count,
                   ReasonDescription(reason));
  }
  if (!any) text += "  none\n";
  return text;
}

std::string FormatCheckReport(const Rules& rules, const Entrant& entrant,
                              const SponsorScore& sponsor) {
  std::string text = Printf(
      "Check by the sponsor's rules (JARL): %s, %s (%s, %s), %s\n",
      ContestName(rules.mode), entrant.call.c_str(),
      OrDash(entrant.station.dxcc).c_str(),
      OrDash(entrant.station.continent).c_str(), PeriodText(rules).c_str());
  text +=
      RulesLine(rules) + "; category: " + CategoryText(rules.category) + "\n";
  text += FormatOperatingTime(sponsor);
  const char* const kLine =
      "%-15s  %-4s  %-12s  %-6s  %-4s  %-6s  %6s  %-8s  %s";
  text += RightTrimmed(Printf(kLine, "Time", "Band", "Call", "Entity", "Cont",
                              "Prefix", "Points", "New mult", "Reason")) +
          "\n";
  for (const CheckedContact& c : sponsor.contacts) {
    const Station& s = c.contact.station;
    std::string reasons;
    for (Reason r : c.verdict.reasons) {
      if (!reasons.empty()) reasons += ", ";
      reasons += ReasonName(r);
    }
    text +=
        RightTrimmed(Printf(
            kLine, FormatUtc(c.contact.time).c_str(), OrDash(c.band).c_str(),
            OrDash(c.contact.call).c_str(), OrDash(s.dxcc).c_str(),
            OrDash(s.continent).c_str(), OrDash(s.prefix).c_str(),
            std::to_string(c.verdict.points).c_str(),
            c.verdict.newMultiplier.c_str(), reasons.c_str())) +
        "\n";
  }
  const ScoreTable& t = sponsor.table;
  text += Printf("%d QSOs, %d points * %d multipliers = %lld\n", t.total.qsos,
                 t.total.points, t.total.multipliers,
                 static_cast<long long>(t.score));
  return text;
}

std::string FormatScoresJson(const ScoreTable& plugin,
                             const SponsorScore& sponsor) {
  const CategoryRule* category = sponsor.category.rule;
  std::string out =
      "{\"plugin\": {" + JsonTable(plugin) + "}, \"sponsor\": {" +
      Printf("\"rulesYear\": %d, \"category\": ", sponsor.rulesYear) +
      (category ? JsonString(category->code) : "null") + ", ";
  if (sponsor.operating.limited)
    out += Printf("\"operatingMinutes\": %d, ", sponsor.operating.minutes);
  out += JsonTable(sponsor.table) + ", \"reasons\": {";
  for (int i = 0; i < kReasonCount; ++i) {
    if (i > 0) out += ", ";
    out += Printf("\"%s\": %d", ReasonName(static_cast<Reason>(i)),
                  sponsor.reasonCounts[i]);
  }
  return out + "}}}\n";
}

}  // namespace sponsor
}  // namespace aadx
