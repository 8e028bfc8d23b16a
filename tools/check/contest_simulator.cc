#include "tools/check/contest_simulator.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "tools/check/morse.h"
#include "tools/sponsor/contest_period.h"

namespace aadx {
namespace check {

namespace fs = std::filesystem;

namespace {

// SplitMix64: the same numbers on every platform and library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) {
    return static_cast<int>(Next() % static_cast<uint64_t>(n));
  }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return Unit() < p; }

 private:
  uint64_t state_;
};

// Prefixes the test country files place, with the digits their calls take.
struct Prefix {
  const char* prefix;
  const char* digits;
  bool asia;
  int weight;
};
const Prefix kPrefixes[] = {
    {"JA", "123456789", true, 12}, {"JH", "0123456789", true, 6},
    {"JR", "0123456789", true, 4}, {"JE", "123456789", true, 3},
    {"7K", "1234", true, 2},       {"BY", "1234", true, 3},
    {"BG", "1234567", true, 3},    {"BD", "1234", true, 2},
    {"UA", "90", true, 3},         {"R", "9", true, 2},
    {"DL", "123456789", false, 8}, {"DK", "123456789", false, 4},
    {"I", "12345678", false, 4},   {"OH", "12345678", false, 3},
    {"PA", "123", false, 3},       {"OE", "1235", false, 2},
    {"UA", "1346", false, 3},      {"K", "0123456789", false, 4},
    {"W", "0123456789", false, 3}, {"N", "1234567", false, 2},
    {"XE", "123", false, 1},
};

struct Station {
  std::string call;
  bool asia = false;
  bool sendsLog = false;
  std::string age;
  double weight = 1;
  int64_t clockOffset = 0;
  int sloppiness = 40;  // seconds a logged time may lag the QSO
};

const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
const int kBandWeights[] = {1, 3, 8, 10, 6, 3};
const int kBandKhz[] = {1820, 3510, 7010, 14010, 21010, 28010};

// How a CW operator miscopies a call: one element heard wrong, one element
// missed or added, or a character's elements heard as two characters
// ("A" .- as "ET"), or two characters run together.
std::string Miscopy(const std::string& call, Random& random) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    const size_t at =
        static_cast<size_t>(random.Below(static_cast<int>(call.size())));
    const std::string morse = MorseOf(call[at]);
    std::string heard;
    switch (random.Below(4)) {
      case 0: {  // one element heard wrong
        std::string m = morse;
        const size_t e =
            static_cast<size_t>(random.Below(static_cast<int>(m.size())));
        m[e] = m[e] == '.' ? '-' : '.';
        if (char c = CharOfMorse(m)) heard = std::string(1, c);
        break;
      }
      case 1:  // the last element missed
        if (morse.size() > 1) {
          if (char c = CharOfMorse(morse.substr(0, morse.size() - 1)))
            heard = std::string(1, c);
        }
        break;
      case 2:  // one more element
        if (char c = CharOfMorse(morse + (random.Below(2) ? "." : "-")))
          heard = std::string(1, c);
        break;
      default:  // the character split in two
        if (morse.size() > 1) {
          const size_t cut = 1 + static_cast<size_t>(random.Below(
                                     static_cast<int>(morse.size() - 1)));
          const char a = CharOfMorse(morse.substr(0, cut));
          const char b = CharOfMorse(morse.substr(cut));
          if (a && b) heard = std::string{a, b};
        }
        break;
    }
    if (heard.empty()) continue;
    std::string out = call.substr(0, at) + heard + call.substr(at + 1);
    if (out != call) return out;
  }
  return call.substr(0, call.size() - 1);  // the last character missed
}

// An age two digits long with one digit heard wrong.
std::string MiscopyAge(const std::string& age, Random& random) {
  std::string out = age;
  const size_t at = static_cast<size_t>(random.Below(2));
  out[at] = static_cast<char>('0' + (out[at] - '0' + 1 + random.Below(9)) % 10);
  return out;
}

template <typename T>
int Pick(const std::vector<T>& cumulative, Random& random) {
  const double x = random.Unit() * cumulative.back();
  return static_cast<int>(
      std::upper_bound(cumulative.begin(), cumulative.end(), x) -
      cumulative.begin());
}

enum class Intent { kOk, kNotLogged, kBustedCall, kBustedExchange };

// One line a station logs, before the truth is settled.
struct Logged {
  int station = 0;
  int partner = 0;
  int64_t trueTime = 0;
  int64_t time = 0;  // as logged, to the minute
  int band = 0;
  std::string call;
  std::string rcvd;
  Intent intent = Intent::kOk;
  int order = 0;  // generation order, for equal logged times
};

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

std::string FileName(const std::string& call) {
  std::string name;
  for (char c : call) {
    if (c == '/') c = '_';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    name += c;
  }
  return name + ".log";
}

std::string CabrilloTime(int64_t seconds) {
  // "2025-06-21 0102" from "2025-06-21 0102" or with seconds.
  return sponsor::FormatUtc(seconds - seconds % 60).substr(0, 15);
}

std::vector<std::string> SplitCsvLine(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',')
      fields.emplace_back();
    else if (c != '\r')
      fields.back() += c;
  }
  return fields;
}

Check CheckFromName(const std::string& name) {
  for (Check c :
       {Check::kOk, Check::kDupe, Check::kBustedCall, Check::kBustedExchange,
        Check::kNotInLog, Check::kUnique, Check::kUnchecked}) {
    if (name == CheckName(c)) return c;
  }
  return Check::kOk;
}

}  // namespace

SimulatedContest SimulateContest(const SimulationOptions& options) {
  Random random(options.seed * 0x2545F4914F6CDD1Dull + 7);
  // The stations: those that send a log first.
  const int loggers = std::max(2, options.logs);
  const int total =
      loggers + static_cast<int>(options.silentShare * loggers + 0.5);
  std::vector<int> prefixWeights;
  for (const Prefix& p : kPrefixes)
    prefixWeights.push_back((prefixWeights.empty() ? 0 : prefixWeights.back()) +
                            p.weight);
  std::vector<Station> stations;
  std::unordered_set<std::string> calls;
  while (static_cast<int>(stations.size()) < total) {
    const Prefix& p = kPrefixes[Pick(prefixWeights, random)];
    std::string call = p.prefix;
    const std::string digits = p.digits;
    call += digits[static_cast<size_t>(
        random.Below(static_cast<int>(digits.size())))];
    const int letters = 1 + random.Below(3) + (p.asia && call[0] == 'J');
    for (int i = 0; i < std::min(letters, 3); ++i)
      call += static_cast<char>('A' + random.Below(26));
    if (!calls.insert(call).second) continue;
    Station s;
    s.call = call;
    s.asia = p.asia;
    s.sendsLog = static_cast<int>(stations.size()) < loggers;
    s.age = TwoDigits(18 + random.Below(68));
    // A few big stations, many small ones; those that send no log small.
    const double u = random.Unit();
    s.weight = (s.sendsLog ? 1.0 : 0.15) * (0.2 + 4.0 * u * u * u);
    const int i = static_cast<int>(stations.size());
    if (s.sendsLog && i % 17 == 3)
      s.clockOffset = (i % 2 ? 3600 : -3600) + 60 * random.Below(2);
    else if (s.sendsLog && i % 7 == 2)
      s.clockOffset = 60 * (1 + random.Below(6)) * (random.Below(2) ? 1 : -1);
    // Some log their QSOs up to three minutes late.
    if (i % 5 == 1) s.sloppiness = 180;
    stations.push_back(std::move(s));
  }
  std::vector<double> weights;
  for (const Station& s : stations)
    weights.push_back((weights.empty() ? 0 : weights.back()) + s.weight);
  std::vector<int> bandWeights;
  for (int w : kBandWeights)
    bandWeights.push_back((bandWeights.empty() ? 0 : bandWeights.back()) + w);

  const sponsor::Period period =
      sponsor::ContestPeriod(options.year, sponsor::ContestMode::kCw);
  const int64_t span = period.end - period.start;

  std::vector<std::vector<Logged>> lines(static_cast<size_t>(loggers));
  std::set<std::tuple<int, int, int>> worked;  // station pair, band
  int order = 0;
  auto logLine = [&](int station, int partner, int64_t t, int band,
                     const std::string& call, const std::string& rcvd,
                     Intent intent) {
    if (!stations[station].sendsLog) return;
    Logged l;
    l.station = station;
    l.partner = partner;
    l.trueTime = t;
    const int64_t seen = t + stations[station].clockOffset +
                         random.Below(stations[station].sloppiness);
    l.time = seen - seen % 60;
    l.band = band;
    l.call = call;
    l.rcvd = rcvd;
    l.intent = intent;
    l.order = order++;
    lines[station].push_back(std::move(l));
  };

  const int64_t target = static_cast<int64_t>(loggers) * options.qsoLinesPerLog;
  int64_t made = 0;
  int64_t tries = 0;
  while (made < target && tries++ < target * 20) {
    const int a = Pick(weights, random);
    const int b = Pick(weights, random);
    if (a == b || (!stations[a].asia && !stations[b].asia) ||
        (!stations[a].sendsLog && !stations[b].sendsLog))
      continue;
    const int band = Pick(bandWeights, random);
    if (!worked.emplace(std::min(a, b), std::max(a, b), band).second) continue;
    // Away from the period's edges, so that a clock an hour off stays in.
    const int64_t t = period.start + 3600 + random.Next() % (span - 7200);
    const Station& sa = stations[a];
    const Station& sb = stations[b];
    const bool both = sa.sendsLog && sb.sendsLog;
    // At most one thing goes wrong in a QSO, on one side.
    Intent aIntent = Intent::kOk, bIntent = Intent::kOk;
    bool aLogs = true, bLogs = true;
    std::string aCall = sb.call, bCall = sa.call;
    std::string aRcvd = sb.age, bRcvd = sa.age;
    const double r = random.Unit();
    const bool sideA = sa.sendsLog && (!sb.sendsLog || random.Below(2));
    if (r < options.notLoggedRate) {
      if (both) {
        // The side that did not log it makes the other's line not-in-log.
        if (sideA) {
          aLogs = false;
          bIntent = Intent::kNotLogged;
        } else {
          bLogs = false;
          aIntent = Intent::kNotLogged;
        }
      }
    } else if (r < options.notLoggedRate + options.bustedCallRate) {
      const int partner = sideA ? b : a;
      std::string busted = Miscopy(stations[partner].call, random);
      // A miscopy of a silent station's call that is another station's
      // call would be a QSO with that station to any checker.
      if (stations[partner].sendsLog || !calls.count(busted)) {
        (sideA ? aCall : bCall) = busted;
        (sideA ? aIntent : bIntent) = Intent::kBustedCall;
      }
    } else if (r < options.notLoggedRate + options.bustedCallRate +
                       options.bustedExchangeRate) {
      const int partner = sideA ? b : a;
      (sideA ? aRcvd : bRcvd) = MiscopyAge(stations[partner].age, random);
      (sideA ? aIntent : bIntent) = Intent::kBustedExchange;
    }
    if (aLogs) logLine(a, b, t, band, aCall, aRcvd, aIntent);
    if (bLogs) logLine(b, a, t, band, bCall, bRcvd, bIntent);
    made += (aLogs && sa.sendsLog) + (bLogs && sb.sendsLog);
    // One side logged the QSO twice, a minute or two apart.
    if (aIntent == Intent::kOk && bIntent == Intent::kOk && aLogs && bLogs &&
        random.Chance(options.doubleEntryRate)) {
      const int64_t again = t + 60 + random.Below(120);
      if (sideA)
        logLine(a, b, again, band, sb.call, sb.age, Intent::kOk);
      else
        logLine(b, a, again, band, sa.call, sa.age, Intent::kOk);
      made += 1;
    }
    // Worked again on the band later: both log it, a dupe on each side.
    if (aIntent == Intent::kOk && bIntent == Intent::kOk && aLogs && bLogs &&
        random.Chance(options.dupeRate)) {
      const int64_t again = t + 600 + random.Below(6 * 3600);
      if (again < period.end - 3600) {
        logLine(a, b, again, band, sb.call, sb.age, Intent::kOk);
        logLine(b, a, again, band, sa.call, sa.age, Intent::kOk);
        made += sa.sendsLog + sb.sendsLog;
      }
    }
  }

  // Where each call is logged, for uniques.
  std::unordered_map<std::string, std::set<int>> loggedBy;
  for (int s = 0; s < loggers; ++s) {
    for (const Logged& l : lines[s]) loggedBy[l.call].insert(s);
  }

  SimulatedContest contest;
  for (int s = 0; s < loggers; ++s) {
    const Station& own = stations[s];
    std::vector<Logged>& mine = lines[s];
    std::stable_sort(
        mine.begin(), mine.end(), [](const Logged& x, const Logged& y) {
          return std::tie(x.time, x.order) < std::tie(y.time, y.order);
        });
    const std::string file = FileName(own.call);
    std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + own.call +
                       "\nCONTEST: AADX-CW\nCATEGORY-OPERATOR: SINGLE-OP\n"
                       "CATEGORY-BAND: ALL\nCATEGORY-POWER: " +
                       std::string(s % 3 ? "HIGH" : "LOW") +
                       "\nCREATED-BY: simulator\n";
    int line = 7;
    std::set<std::pair<std::string, int>> seen;
    for (const Logged& l : mine) {
      ++line;
      text += "QSO: " + std::to_string(kBandKhz[l.band] + (l.order % 30)) +
              " CW " + CabrilloTime(l.time) + " " + own.call + " 599 " +
              own.age + " " + l.call + " 599 " + l.rcvd + "\n";
      TruthLine t;
      t.file = file;
      t.line = line;
      t.time = l.time;
      t.band = kBands[l.band];
      t.call = l.call;
      t.exchSent = own.age;
      t.exchRcvd = l.rcvd;
      const Station& partner = stations[l.partner];
      if (!seen.emplace(l.call, l.band).second) {
        t.check = Check::kDupe;
      } else if (!partner.sendsLog) {
        t.check =
            loggedBy[l.call].size() > 1 ? Check::kUnchecked : Check::kUnique;
      } else {
        switch (l.intent) {
          case Intent::kOk:
            t.check = Check::kOk;
            break;
          case Intent::kNotLogged:
            t.check = Check::kNotInLog;
            break;
          case Intent::kBustedCall:
            t.check = Check::kBustedCall;
            t.correctCall = partner.call;
            break;
          case Intent::kBustedExchange:
            t.check = Check::kBustedExchange;
            t.sentExchange = partner.age;
            break;
        }
      }
      contest.truth.push_back(std::move(t));
    }
    text += "END-OF-LOG:\n";
    contest.clockOffsets[file] = own.clockOffset;
    contest.files.emplace_back(file, std::move(text));
  }
  return contest;
}

bool WriteSimulatedLogs(const SimulatedContest& contest,
                        const std::string& folder, std::string* error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    *error = folder + ": cannot be made: " + ec.message();
    return false;
  }
  for (const auto& [name, text] : contest.files) {
    std::ofstream out(fs::path(folder) / name, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
      *error = (fs::path(folder) / name).string() + ": cannot be written";
      return false;
    }
  }
  return true;
}

std::string FormatTruthCsv(const SimulatedContest& contest) {
  std::string out = "log,line,check,correct_call,sent_exchange\n";
  for (const TruthLine& t : contest.truth) {
    out += t.file + "," + std::to_string(t.line) + "," + CheckName(t.check) +
           "," + t.correctCall + "," + t.sentExchange + "\n";
  }
  return out;
}

std::string FormatQsoCsv(const SimulatedContest& contest) {
  std::string out = "log,line,time,band,mode,call,exch_sent,exch_rcvd\n";
  for (const TruthLine& t : contest.truth) {
    out += t.file + "," + std::to_string(t.line) + "," + CabrilloTime(t.time) +
           "," + t.band + ",CW," + t.call + "," + t.exchSent + "," +
           t.exchRcvd + "\n";
  }
  return out;
}

double ClassFigures::Precision() const {
  return found == 0 ? 1.0 : static_cast<double>(right) / found;
}

double ClassFigures::Recall() const {
  return truth == 0 ? 1.0 : static_cast<double>(right) / truth;
}

TruthComparison CompareWithTruth(const std::string& truthCsv,
                                 const std::string& verdictsCsv) {
  struct Row {
    Check check;
    std::string correctCall, sentExchange;
  };
  std::unordered_map<std::string, Row> verdicts;
  std::istringstream in(verdictsCsv);
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    const std::vector<std::string> f = SplitCsvLine(line);
    if (f.size() < 5) continue;
    verdicts[f[0] + "," + f[1]] = Row{CheckFromName(f[2]), f[3], f[4]};
  }
  TruthComparison out;
  for (Check c :
       {Check::kOk, Check::kDupe, Check::kBustedCall, Check::kBustedExchange,
        Check::kNotInLog, Check::kUnique, Check::kUnchecked})
    out.classes[c];
  std::istringstream truth(truthCsv);
  std::getline(truth, line);
  while (std::getline(truth, line)) {
    const std::vector<std::string> f = SplitCsvLine(line);
    if (f.size() < 5) continue;
    ++out.lines;
    const Check expected = CheckFromName(f[2]);
    ++out.classes[expected].truth;
    const bool correct = expected == Check::kOk || expected == Check::kUnique ||
                         expected == Check::kUnchecked;
    out.correct += correct;
    auto found = verdicts.find(f[0] + "," + f[1]);
    if (found == verdicts.end()) {
      ++out.missing;
      continue;
    }
    const Row& row = found->second;
    ++out.classes[row.check].found;
    if (row.check == expected && row.correctCall == f[3] &&
        row.sentExchange == f[4])
      ++out.classes[expected].right;
    if (correct && Removed(row.check)) ++out.penalised;
  }
  return out;
}

std::string FormatComparison(const TruthComparison& c) {
  std::string out =
      "verdict            truth    found    right  precision  recall\n";
  char row[160];
  for (const auto& [check, f] : c.classes) {
    std::snprintf(row, sizeof row, "%-16s %7lld  %7lld  %7lld   %8.4f  %6.4f\n",
                  CheckName(check), static_cast<long long>(f.truth),
                  static_cast<long long>(f.found),
                  static_cast<long long>(f.right), f.Precision(), f.Recall());
    out += row;
  }
  std::snprintf(
      row, sizeof row,
      "QSO lines %lld (%lld without a verdict); correct QSOs "
      "penalised %lld of %lld (%.3f %%)\n",
      static_cast<long long>(c.lines), static_cast<long long>(c.missing),
      static_cast<long long>(c.penalised), static_cast<long long>(c.correct),
      c.correct ? 100.0 * c.penalised / c.correct : 0.0);
  return out + row;
}

}  // namespace check
}  // namespace aadx
