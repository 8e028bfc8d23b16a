#include "tools/check/matcher.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/ascii.h"
#include "tools/check/morse.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace check {

namespace {

std::string Elements(const std::string& call) {
  std::string out;
  for (char c : call) out += MorseOf(c);
  return out;
}

// One substitution, insertion or deletion, or two neighbours swapped.
bool OneEditApart(const std::string& a, const std::string& b) {
  if (a.size() == b.size()) {
    std::vector<size_t> diff;
    for (size_t i = 0; i < a.size() && diff.size() <= 2; ++i) {
      if (a[i] != b[i]) diff.push_back(i);
    }
    if (diff.size() == 1) return true;
    return diff.size() == 2 && diff[1] == diff[0] + 1 &&
           a[diff[0]] == b[diff[1]] && a[diff[1]] == b[diff[0]];
  }
  const std::string& longer = a.size() > b.size() ? a : b;
  const std::string& shorter = a.size() > b.size() ? b : a;
  if (longer.size() != shorter.size() + 1) return false;
  size_t i = 0;
  while (i < shorter.size() && shorter[i] == longer[i]) ++i;
  return shorter.compare(i, std::string::npos, longer, i + 1,
                         std::string::npos) == 0;
}

bool Digits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

constexpr int64_t kAgreeSeconds = 2 * 60;
// A call in this many other logs is a real station's...
constexpr size_t kRealStationLogs = 3;
// ...and a QSO with it taken for a miscopy of another station's call only
// when the two logs' times agree within this.
constexpr int64_t kCloseSeconds = 3 * 60;

// A log's QSO indices in time order, for the window searches.
struct TimeIndex {
  std::vector<int64_t> times;
  std::vector<int> qsos;
  // The QSOs with each call, in time order.
  std::unordered_map<std::string, std::vector<int>> byCall;
};

class Matcher {
 public:
  Matcher(ContestLogs* contest, const MatchOptions& options)
      : contest_(*contest), options_(options) {
    const int n = static_cast<int>(contest_.logs.size());
    index_.resize(n);
    elements_.resize(n);
    for (int i = 0; i < n; ++i) {
      const EntryLog& log = contest_.logs[i];
      if (log.status != LogStatus::kChecked) continue;
      byCall_[log.call] = i;
      checked_.push_back(i);
      elements_[i] = Elements(log.call);
      byElements_[elements_[i]].push_back(i);
      for (const std::string& key : DeletionKeys(log.call))
        byDeletion_[key].push_back(i);
      std::vector<int> order(log.qsos.size());
      for (size_t q = 0; q < order.size(); ++q) order[q] = static_cast<int>(q);
      std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return log.qsos[x].time < log.qsos[y].time;
      });
      for (int q : order) {
        index_[i].times.push_back(log.qsos[q].time);
        index_[i].qsos.push_back(q);
        index_[i].byCall[log.qsos[q].call].push_back(q);
        std::vector<int>& loggers = loggedBy_[log.qsos[q].call];
        if (loggers.empty() || loggers.back() != i) loggers.push_back(i);
      }
    }
  }

  void Run() {
    for (int a : checked_) MarkDupes(a);
    EstimateOffsets();
    for (int a : checked_) {
      EntryLog& log = contest_.logs[a];
      for (size_t q = 0; q < log.qsos.size(); ++q)
        Judge(a, static_cast<int>(q));
    }
  }

 private:
  EntryLog& Log(int i) { return contest_.logs[i]; }

  void MarkDupes(int a) {
    std::set<std::tuple<std::string, std::string, std::string>> seen;
    EntryLog& log = Log(a);
    for (int q : index_[a].qsos) {
      Qso& qso = log.qsos[q];
      if (!seen.emplace(qso.call, qso.band, qso.mode).second)
        qso.check = Check::kDupe;
    }
  }

  // The QSO of log `b` nearest in time to `qso` of log `a` (offsets
  // removed) within `window`, on its band and mode, that `accept` takes;
  // a dupe line only when no other is there. -1 when none.
  template <typename Accept>
  int Nearest(int a, const Qso& qso, int b, int64_t window, Accept accept) {
    const TimeIndex& index = index_[b];
    const int64_t at = qso.time - Log(a).clockOffset + Log(b).clockOffset;
    auto it =
        std::lower_bound(index.times.begin(), index.times.end(), at - window);
    int best[2] = {-1, -1};  // not a dupe, a dupe
    int64_t bestGap[2] = {0, 0};
    for (; it != index.times.end() && *it <= at + window; ++it) {
      const int q = index.qsos[it - index.times.begin()];
      const Qso& other = Log(b).qsos[q];
      if (other.band != qso.band || other.mode != qso.mode || !accept(other))
        continue;
      const int dupe = other.check == Check::kDupe ? 1 : 0;
      const int64_t gap = std::llabs(*it - at);
      if (best[dupe] < 0 || gap < bestGap[dupe]) {
        best[dupe] = q;
        bestGap[dupe] = gap;
      }
    }
    return best[0] >= 0 ? best[0] : best[1];
  }

  // The QSO of log `b` with `call` nearest in time to `qso` of log `a`
  // (offsets removed) within `window`, on its band and mode; a dupe line
  // only when no other is there (a station that logged the call wrongly
  // earlier still logged this QSO). -1 when none.
  int NearestWith(int a, const Qso& qso, int b, int64_t window,
                  const std::string& call) {
    const auto found = index_[b].byCall.find(call);
    if (found == index_[b].byCall.end()) return -1;
    const int64_t at = qso.time - Log(a).clockOffset + Log(b).clockOffset;
    int best[2] = {-1, -1};  // not a dupe, a dupe
    int64_t bestGap[2] = {0, 0};
    for (int q : found->second) {
      const Qso& other = Log(b).qsos[q];
      const int64_t gap = std::llabs(other.time - at);
      if (gap > window || other.band != qso.band || other.mode != qso.mode)
        continue;
      const int dupe = other.check == Check::kDupe ? 1 : 0;
      if (best[dupe] < 0 || gap < bestGap[dupe]) {
        best[dupe] = q;
        bestGap[dupe] = gap;
      }
    }
    return best[0] >= 0 ? best[0] : best[1];
  }

  static int64_t Median(std::vector<int64_t> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2,
                     values.end());
    return values[values.size() / 2];
  }

  // How far log `a`'s clock is ahead: each log it has QSOs with gives one
  // vote, the median time difference of their QSOs found by call, band and
  // mode in the wide window. The votes that most agree (within two
  // minutes) decide when they are at least two and more than half; else
  // the log is taken as right. Of two logs an hour apart, neither alone
  // says which is off.
  // Whether the station log `b` logged in `qso` sent a log that has the
  // QSO too.
  bool HasQso(int b, const Qso& qso) {
    auto found = byCall_.find(qso.call);
    return found != byCall_.end() && found->second != b &&
           NearestWith(b, qso, found->second, options_.windowSeconds,
                       Log(b).call) >= 0;
  }

  int64_t EstimateOffset(int a) {
    std::map<int, std::vector<int64_t>> gapsByLog;
    const EntryLog& log = Log(a);
    for (const Qso& qso : log.qsos) {
      auto found = byCall_.find(qso.call);
      if (qso.check == Check::kDupe || found == byCall_.end() ||
          found->second == a)
        continue;
      const int b = found->second;
      const int q =
          NearestWith(a, qso, b, options_.offsetWindowSeconds, log.call);
      if (q >= 0) gapsByLog[b].push_back(qso.time - Log(b).qsos[q].time);
    }
    std::vector<int64_t> votes;
    for (const auto& [b, gaps] : gapsByLog) votes.push_back(Median(gaps));
    std::vector<int64_t> best;
    for (int64_t vote : votes) {
      std::vector<int64_t> agreeing;
      for (int64_t other : votes) {
        if (std::llabs(other - vote) <= kAgreeSeconds)
          agreeing.push_back(other);
      }
      if (agreeing.size() > best.size()) best = agreeing;
    }
    if (best.size() < 2 || best.size() * 2 <= votes.size()) return 0;
    return Median(best);
  }

  void EstimateOffsets() {
    std::vector<int64_t> offsets;
    for (int a : checked_) offsets.push_back(EstimateOffset(a));
    for (size_t i = 0; i < checked_.size(); ++i)
      Log(checked_[i]).clockOffset = offsets[i];
  }

  void Judge(int a, int q) {
    EntryLog& log = Log(a);
    Qso& qso = log.qsos[q];
    if (qso.check == Check::kDupe) return;
    const int64_t window = options_.windowSeconds;
    auto found = byCall_.find(qso.call);
    if (found != byCall_.end() && found->second != a) {
      const int b = found->second;
      // The other log has us.
      int match = NearestWith(a, qso, b, window, log.call);
      // ...or has us with our call miscopied: our QSO stands. (Unless
      // that call's own log has the QSO: then it is another QSO.)
      if (match < 0) {
        match = Nearest(a, qso, b, window, [&](const Qso& o) {
          return SimilarCalls(o.call, log.call) && !HasQso(b, o) &&
                 (!RealStation(o.call, b) ||
                  Gap(a, qso, b, o) <= kCloseSeconds);
        });
      }
      if (match >= 0) {
        qso.otherLog = b;
        qso.otherQso = match;
        const Qso& other = Log(b).qsos[match];
        if (other.call == log.call &&
            !ExchangeAgrees(qso.exchRcvd, other.exchSent)) {
          qso.check = Check::kBustedExchange;
          qso.sentExchange = other.exchSent;
        }
        return;
      }
    }
    // A station one miscopy away that sent a log and has us then (a real
    // station's call only when the times agree closely).
    const int64_t bustWindow =
        RealStation(qso.call, a) ? std::min(window, kCloseSeconds) : window;
    const std::string elements = Elements(qso.call);
    for (int y : Candidates(qso.call, elements)) {
      const std::string& call = Log(y).call;
      if (y == a || call == qso.call ||
          (!OneEditApart(call, qso.call) && elements_[y] != elements))
        continue;
      // We worked that station too, then: the two are different QSOs.
      if (NearestWith(a, qso, a, window, Log(y).call) >= 0) continue;
      const int match = NearestWith(a, qso, y, bustWindow, log.call);
      if (match < 0) continue;
      qso.check = Check::kBustedCall;
      qso.correctCall = Log(y).call;
      qso.otherLog = y;
      qso.otherQso = match;
      return;
    }
    if (found != byCall_.end()) {
      qso.check = Check::kNotInLog;
      return;
    }
    qso.check =
        OtherLogsWith(qso.call, a) > 0 ? Check::kUnchecked : Check::kUnique;
  }

  // How many logs but `a` have a QSO with `call`.
  size_t OtherLogsWith(const std::string& call, int a) {
    const auto found = loggedBy_.find(call);
    if (found == loggedBy_.end()) return 0;
    const std::vector<int>& loggers = found->second;
    return loggers.size() -
           (std::binary_search(loggers.begin(), loggers.end(), a) ? 1 : 0);
  }

  // A call that sent a log, or that several logs but `a` have: a real
  // station, taken for a miscopy of another's call only when the times
  // agree closely.
  bool RealStation(const std::string& call, int a) {
    return byCall_.find(call) != byCall_.end() ||
           OtherLogsWith(call, a) >= kRealStationLogs;
  }

  // How far apart `other` of log `b` is from `qso` of log `a`, offsets
  // removed.
  int64_t Gap(int a, const Qso& qso, int b, const Qso& other) {
    return std::llabs(other.time -
                      (qso.time - Log(a).clockOffset + Log(b).clockOffset));
  }

  // The call and the call with each one character dropped: two calls one
  // change, insertion, deletion or swap apart share one of these.
  static std::vector<std::string> DeletionKeys(const std::string& call) {
    std::vector<std::string> keys{call};
    for (size_t i = 0; i < call.size(); ++i)
      keys.push_back(call.substr(0, i) + call.substr(i + 1));
    return keys;
  }

  // The checked logs whose calls may be one miscopy from `call`, in the
  // logs' order: a superset of those OneEditApart or keyed alike.
  std::vector<int> Candidates(const std::string& call,
                              const std::string& elements) {
    std::vector<int> out;
    auto add = [&](const auto& map, const std::string& key) {
      auto found = map.find(key);
      if (found != map.end())
        out.insert(out.end(), found->second.begin(), found->second.end());
    };
    for (const std::string& key : DeletionKeys(call)) add(byDeletion_, key);
    add(byElements_, elements);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
  }

  ContestLogs& contest_;
  MatchOptions options_;
  std::vector<TimeIndex> index_;
  std::vector<int> checked_;
  std::vector<std::string> elements_;  // each checked log's call in Morse
  std::unordered_map<std::string, int> byCall_;
  // Logs by their call's deletion keys and Morse elements.
  std::unordered_map<std::string, std::vector<int>> byDeletion_;
  std::unordered_map<std::string, std::vector<int>> byElements_;
  // Each logged call's logs, ascending.
  std::unordered_map<std::string, std::vector<int>> loggedBy_;
};

}  // namespace

bool SimilarCalls(const std::string& a, const std::string& b) {
  if (a == b || a.empty() || b.empty()) return false;
  return OneEditApart(a, b) || Elements(a) == Elements(b);
}

bool ExchangeAgrees(const std::string& received, const std::string& sent) {
  const std::string r = AsciiUpperText(logs::TrimBlanks(received));
  const std::string s = AsciiUpperText(logs::TrimBlanks(sent));
  if (s.empty()) return true;
  if (Digits(r) && Digits(s) && r.size() < 10 && s.size() < 10)
    return std::stol(r) == std::stol(s);
  return r == s;
}

void CrossCheck(ContestLogs* contest, const MatchOptions& options) {
  Matcher(contest, options).Run();
}

}  // namespace check
}  // namespace aadx
