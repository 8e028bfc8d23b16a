#include "tools/replay/replay_options.h"

#include "tools/replay/band_plan.h"
#include "tools/replay/log_values.h"

namespace aadx {
namespace replay {

bool ParseDateTimeOption(const std::string& text, QsoTime* time) {
  QsoTime t;
  std::string date = text.substr(0, 10);
  if (!ParseDate(date, &t) || date.size() != 10) return false;
  if (text.size() > 10) {
    if (text[10] != ' ' && text[10] != 'T') return false;
    if (!ParseTimeOfDay(text.substr(11), &t) || t.second != 0) return false;
  }
  *time = t;
  return true;
}

OptionsOutcome ParseReplayOptions(const std::vector<std::string>& args,
                                  ReplayOptions* options, std::string* error) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return OptionsOutcome::kHelp;
  }
  ReplayOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::string value;
    bool has_inline_value = false;
    if (arg.rfind("--", 0) == 0) {
      size_t equals = arg.find('=');
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
        arg = arg.substr(0, equals);
        has_inline_value = true;
      }
    }
    auto take_value = [&]() -> bool {
      if (has_inline_value) return true;
      if (i + 1 >= args.size()) {
        *error = arg + " needs a value";
        return false;
      }
      value = args[++i];
      return true;
    };
    auto flag = [&]() -> bool {
      if (!has_inline_value) return true;
      *error = arg + " takes no value";
      return false;
    };

    if (arg == "--cabrillo") {
      if (!flag()) return OptionsOutcome::kError;
      o.cabrillo = true;
    } else if (arg == "--quiet") {
      if (!flag()) return OptionsOutcome::kError;
      o.quiet = true;
    } else if (arg == "--library" || arg == "--cty" || arg == "--call" ||
               arg == "--continent" || arg == "--start" || arg == "--end" ||
               arg == "--contest" || arg == "--settings" || arg == "--out" ||
               arg == "--check" || arg == "--band" || arg == "--mode") {
      if (!take_value()) return OptionsOutcome::kError;
      if (arg == "--library") o.library = value;
      if (arg == "--cty") o.cty_file = value;
      if (arg == "--call") o.own_call = ToUpper(TrimBlanks(value));
      if (arg == "--continent") o.own_continent = ToUpper(TrimBlanks(value));
      if (arg == "--settings") o.settings_file = value;
      if (arg == "--out") o.out_dir = value;
      if (arg == "--start" || arg == "--end") {
        QsoTime t;
        if (!ParseDateTimeOption(value, &t)) {
          *error = arg + " \"" + value + "\": expected YYYY-MM-DD or " +
                   "\"YYYY-MM-DD HH:MM\"";
          return OptionsOutcome::kError;
        }
        (arg == "--start" ? o.start : o.end) = t;
      }
      if (arg == "--contest") {
        o.contest_mode = NormalizeMode(value);
        if (o.contest_mode != "CW" && o.contest_mode != "SSB") {
          *error = "--contest \"" + value + "\": expected CW or SSB";
          return OptionsOutcome::kError;
        }
      }
      if (arg == "--check") {
        o.checks.push_back(
            CallCheckRequest{ToUpper(TrimBlanks(value)), "", ""});
      }
      if (arg == "--band" || arg == "--mode") {
        if (o.checks.empty()) {
          *error = arg + " belongs to a --check CALL given before it";
          return OptionsOutcome::kError;
        }
        if (arg == "--band") o.checks.back().band = NormalizeBand(value);
        if (arg == "--mode") o.checks.back().mode = NormalizeMode(value);
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

Replays contest logs (ADIF .adi, or Cabrillo 3.0) through the Stats plug-in
library, calling its exports as the host logger does: ResetStats0, AddData0
for every contact, optional CheckCall0 queries, GetResult0. Prints the
summary the plug-in returns, counts of what happened to every record, and
where the plug-in's files are.

Options:
  --library FILE     plug-in library (default: the one beside this program)
  --cty FILE         country file in cty.dat format (default: cty.dat beside
                     this program, else /usr/share/hamradio-files/cty.dat)
  --call CALL        own callsign (default: the log's CALLSIGN header or
                     STATION_CALLSIGN / OPERATOR field)
  --continent CODE   own continent, e.g. AS (default: from the country file)
  --start DATE       contest start, YYYY-MM-DD or "YYYY-MM-DD HH:MM"
                     (default: the first contact)
  --end DATE         contest end (default: the last contact)
  --contest CW|SSB   the plug-in's Mode setting for this run (default: the
                     log's contest name, else its most frequent mode)
  --cabrillo         export run: the plug-in also writes the Cabrillo log
  --settings FILE    copy this settings file to OUT/Plugins/AADX.ini first
                     (Cabrillo header values: Name, Address, Email, ...)
  --out DIR          folder the plug-in runs in, created if missing
                     (default: a new folder under replay-out/)
  --check CALL --band BAND [--mode MODE]
                     after the log, ask CheckCall0 how CALL would count
                     (repeatable)
  --quiet            do not list skipped records
  --help             show this text

Values in the log win over derived ones: PFX, else the WPX prefix of the
call; DXCC (or COUNTRY) and CONT, else the country file's entity (its
primary prefix) and continent.

Exit status: 0 when the log was replayed (skipped records included), 2 for
a bad option, an unreadable log or country file, or a library that cannot
be loaded.
)";
}

}  // namespace replay
}  // namespace aadx
