#include "tools/replay/replay_options.h"

#include <algorithm>
#include <utility>

#include "base/ascii.h"
#include "tools/logs/band_plan.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace replay {

const char kReplayVersion[] = "2.0";

namespace {

const std::pair<const char*, bool ReplayOptions::*> kFlags[] = {
    {"--cabrillo", &ReplayOptions::cabrillo},
    {"--quiet", &ReplayOptions::quiet},
    {"--log-dxcc", &ReplayOptions::logStations},
    {"--log-pfx", &ReplayOptions::logPrefix},
};

}  // namespace

bool ParseDateTimeOption(const std::string& text, logs::QsoTime* time) {
  logs::QsoTime t;
  std::string date = text.substr(0, 10);
  if (!logs::ParseDate(date, &t) || date.size() != 10) return false;
  if (text.size() > 10) {
    if (text[10] != ' ' && text[10] != 'T') return false;
    if (!logs::ParseTimeOfDay(text.substr(11), &t) || t.second != 0)
      return false;
  }
  *time = t;
  return true;
}

OptionsOutcome ParseReplayOptions(const std::vector<std::string>& args,
                                  ReplayOptions* options, std::string* error) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return OptionsOutcome::kHelp;
    if (arg == "--version") return OptionsOutcome::kVersion;
  }
  ReplayOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::string value;
    bool hasInlineValue = false;
    if (arg.rfind("--", 0) == 0) {
      size_t equals = arg.find('=');
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
        arg = arg.substr(0, equals);
        hasInlineValue = true;
      }
    }
    auto takeValue = [&]() -> bool {
      if (hasInlineValue) return true;
      if (i + 1 >= args.size()) {
        *error = arg + " needs a value";
        return false;
      }
      value = args[++i];
      return true;
    };
    bool ReplayOptions::*flagMember = nullptr;
    for (const auto& [name, member] : kFlags) {
      if (arg == name) flagMember = member;
    }
    if (flagMember != nullptr) {
      if (hasInlineValue) {
        *error = arg + " takes no value";
        return OptionsOutcome::kError;
      }
      o.*flagMember = true;
    } else if (arg == "--header") {
      if (!takeValue()) return OptionsOutcome::kError;
      size_t equals = value.find('=');
      std::string tag = AsciiUpperText(
          logs::TrimBlanks(value.substr(0, std::min(equals, value.size()))));
      if (equals == std::string::npos || tag.empty()) {
        *error = "--header " + logs::Excerpt(value) +
                 ": expected TAG=VALUE, e.g. CATEGORY-POWER=LOW";
        return OptionsOutcome::kError;
      }
      o.header.emplace_back(tag, logs::TrimBlanks(value.substr(equals + 1)));
    } else if (arg == "--library" || arg == "--cty" || arg == "--call" ||
               arg == "--continent" || arg == "--start" || arg == "--end" ||
               arg == "--contest" || arg == "--settings" || arg == "--out" ||
               arg == "--check" || arg == "--band" || arg == "--mode" ||
               arg == "--json" || arg == "--category") {
      if (!takeValue()) return OptionsOutcome::kError;
      if (arg == "--library") o.library = value;
      if (arg == "--cty") o.ctyFile = value;
      if (arg == "--call") o.ownCall = AsciiUpperText(logs::TrimBlanks(value));
      if (arg == "--continent")
        o.ownContinent = AsciiUpperText(logs::TrimBlanks(value));
      if (arg == "--settings") o.settingsFile = value;
      if (arg == "--out") o.outDir = value;
      if (arg == "--json") o.jsonFile = value;
      if (arg == "--category")
        o.category = AsciiUpperText(logs::TrimBlanks(value));
      if (arg == "--start" || arg == "--end") {
        logs::QsoTime t;
        if (!ParseDateTimeOption(value, &t)) {
          *error = arg + " \"" + value + "\": expected YYYY-MM-DD or " +
                   "\"YYYY-MM-DD HH:MM\"";
          return OptionsOutcome::kError;
        }
        (arg == "--start" ? o.start : o.end) = t;
        if (arg == "--end") o.endHasTime = value.size() > 10;
      }
      if (arg == "--contest") {
        o.contestMode = logs::NormalizeMode(value);
        if (o.contestMode != "CW" && o.contestMode != "SSB") {
          *error = "--contest \"" + value + "\": expected CW or SSB";
          return OptionsOutcome::kError;
        }
      }
      if (arg == "--check") {
        o.checks.push_back(
            CallCheckRequest{AsciiUpperText(logs::TrimBlanks(value)), "", ""});
      }
      if (arg == "--band" || arg == "--mode") {
        if (o.checks.empty()) {
          *error = arg + " belongs to a --check CALL given before it";
          return OptionsOutcome::kError;
        }
        if (arg == "--band") o.checks.back().band = logs::NormalizeBand(value);
        if (arg == "--mode") o.checks.back().mode = logs::NormalizeMode(value);
      }
    } else if (arg.rfind("-", 0) == 0 && arg.size() > 1) {
      *error = "unknown option " + arg;
      return OptionsOutcome::kError;
    } else {
      o.logs.push_back(args[i]);
    }
  }

  if (o.logs.empty()) {
    *error = "no log file given";
    return OptionsOutcome::kError;
  }
  for (const CallCheckRequest& check : o.checks) {
    if (check.call.empty() || check.band.empty()) {
      *error = "--check " + check.call + " needs --band BAND after it";
      return OptionsOutcome::kError;
    }
  }
  *options = o;
  return OptionsOutcome::kRun;
}

std::string ReplayUsage() {
  return R"(Usage: aadx-replay [options] LOG...

Scores your contest log the way the AADX Stats plug-in scores it inside the
host logger: the claimed score with QSOs, points and multipliers per band,
which contacts the plug-in refuses or marks as dupes (its UBN report
err.txt), and, with --cabrillo, the Cabrillo file to send to the sponsor.
Beside it, the score by the sponsor's (JARL's) published rules, why the two
differ, and a check of every contact (sponsor-check.txt beside err.txt).
Reads ADIF (.adi, as N1MM Logger+, Log4OM, WSJT-X and others write it) and
Cabrillo 3.0 logs.

Example:
  aadx-replay mylog.adi --call JA1XYZ --cabrillo --header CATEGORY-POWER=LOW

Options:
  --call CALL        own callsign (default: the log's CALLSIGN header or
                     STATION_CALLSIGN / OPERATOR field)
  --continent CODE   own continent, e.g. AS (default: from the country file)
  --contest CW|SSB   which contest to score (default: the log's contest
                     name, else its most frequent mode)
  --start DATE       contest start, YYYY-MM-DD or "YYYY-MM-DD HH:MM"
                     (default: the plug-in gets the first contact, the
                     sponsor's rules the contest's start in the log's year)
  --end DATE         contest end (default: the plug-in gets the last
                     contact, the sponsor's rules the contest's end); for
                     the sponsor's rules a date alone means the end of that
                     day, a time the first minute that no longer counts
  --cabrillo         also write the Cabrillo log, as the plug-in's export does
  --header TAG=VALUE a Cabrillo header value, e.g. CATEGORY-POWER=LOW,
                     NAME=..., SOAPBOX=... (repeatable; ADDRESS and SOAPBOX
                     lines add up). Wins over the input log's own header.
  --category CODE    your entry's category by JARL's code, e.g. SOABLP24,
                     SO20HP, MSLP (default: the one the log's CATEGORY-
                     header lines name, else none: all bands, no time
                     limit); the sponsor's score follows it
  --settings FILE    start from this plug-in settings file (Name, Address,
                     Email, ... in section [Settings])
  --out DIR          folder the plug-in runs in and writes its files to,
                     created if missing (default: a new folder under
                     replay-out/)
  --check CALL --band BAND [--mode MODE]
                     after the log, ask how CALL would count (repeatable)
  --cty FILE         country file in cty.dat format (default: cty.dat beside
                     this program, else /usr/share/hamradio-files/cty.dat)
  --log-dxcc         take DXCC (or COUNTRY) and CONT from the log where a
                     record has them (default: the country file for all)
  --log-pfx          take PFX from the log where a record has it (default:
                     the WPX prefix of the call)
  --json FILE        also write both scores, per band and in total, and the
                     sponsor's reasons as one JSON object to FILE
  --library FILE     plug-in library (default: the one beside this program)
  --quiet            no progress, no list of skipped records and none of
                     the header values the plug-in fills in itself
  --version          print the tool's version
  --help             show this text

The contacts are replayed in time order through the plug-in's exports, as
the host logger passes them (ResetStats0, AddData0 for each, CheckCall0 for
each --check, GetResult0).

Exit status: 0 when the log was scored (skipped records included), 2 for a
bad option, a log that cannot be read or holds no contacts (or none in CW
or phone, the contest's modes), an unusable country or settings file, or a
plug-in library that cannot be loaded, or when the sponsor's check or the
--json file cannot be written.
)";
}

}  // namespace replay
}  // namespace aadx
