// Texts of the sponsor's score for people and programs: the table in the
// shape of the plug-in's summary, the reconciliation of the two scores, the
// per-contact check report and the JSON object with both scores. Lines end
// with a line feed.
#ifndef AADX_TOOLS_SPONSOR_SPONSOR_REPORT_H_
#define AADX_TOOLS_SPONSOR_SPONSOR_REPORT_H_

#include <string>

#include "tools/sponsor/score_table.h"
#include "tools/sponsor/sponsor_rules.h"

namespace aadx {
namespace sponsor {

// "Band QSOs Points Mults" with tabs, totals and the score, under a title
// that says these are the sponsor's rules and not the plug-in's, which
// year's rules, and the entrant's category.
std::string FormatSponsorTable(const Rules& rules, const Entrant& entrant,
                               const ScoreTable& table);

// A 24-hour entry's operating time, its rests and the contacts after its
// 24th hour, on one line; empty for other entries.
std::string FormatOperatingTime(const SponsorScore& sponsor);

// Both scores, their difference, and how many contacts each reason touched.
std::string FormatReconciliation(const ScoreTable& plugin,
                                 const SponsorScore& sponsor);

// A header (with the rules' year, the category and a 24-hour entry's
// operating time), one line per contact in time order (time, band, call,
// entity, continent, prefix, points, new multiplier, reasons) and the totals.
std::string FormatCheckReport(const Rules& rules, const Entrant& entrant,
                              const SponsorScore& sponsor);

// {"plugin": {"bands": [...], "total": {...}}, "sponsor": {"rulesYear": N,
// "category": "CODE" or null, ["operatingMinutes": N for a 24-hour entry,]
// "bands": [...], "total": {...}, "reasons": {...}}} on one line; every
// reason is listed.
std::string FormatScoresJson(const ScoreTable& plugin,
                             const SponsorScore& sponsor);

}  // namespace sponsor
}  // namespace aadx

#endif  // AADX_TOOLS_SPONSOR_SPONSOR_REPORT_H_
