// What one call of each export costs as the log grows, measured on the
// built plug-in library loaded by path and called by plain export name, as
// the host calls it; and what one poll tick of the Multiplier window costs.
// Every benchmark runs its repetitions itself and reports the figure the
// table shows as a counter named after the table's cell; main prints the
// table once every benchmark has run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_table.h"
#include "loader/host_calls.h"
#include "loader/plugin_library.h"
#include "scoring/band_order.h"
#include "tests/test_contacts.h"
#include "tests/test_util.h"
#include "ui/grid_picture.h"
#include "ui/multiplier_view.h"

namespace aadx {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};

// The plug-in, loaded in a folder of its own for err.txt and the settings
// file; loaded again for a fresh process-wide state.
struct LoadedPlugin {
  ScopedTempDir dir;
  PluginLibrary library;

  void Load() {
    library.Unload();
    std::string error;
    if (!library.Load(AADX_PLUGIN_PATH, &error)) {
      std::fprintf(stderr, "cannot load the plug-in: %s\n", error.c_str());
      std::exit(1);
    }
  }
};

LoadedPlugin& Loaded() {
  static LoadedPlugin loaded;
  if (!loaded.library.loaded()) loaded.Load();
  return loaded;
}

const PluginExports& Plugin() { return Loaded().library.exports(); }

void Reset() { CallResetStats(Plugin(), TestReset("AS")); }

// The band texts of a log: the six contest bands in turn, a text of each
// contact's own ("B7"), or texts of their own that share their padded keys
// in pairs ("B3" and "0B3"), logged in rising key order.
enum class Bands { kContest, kOwn, kSharedKeys };

std::string SharedKeyBand(int i) {
  return (i % 2 == 0 ? "B" : "0B") + std::to_string(i / 2);
}

std::string BandOf(int i, Bands bands) {
  switch (bands) {
    case Bands::kOwn:
      return "B" + std::to_string(i);
    case Bands::kSharedKeys:
      return SharedKeyBand(i);
    default:
      return kBands[i % 6];
  }
}

// Contact number i of a log: a distinct call, spread over the six bands
// (or band texts of their own), a few hundred prefixes, two continents.
ContactArgs LogContact(int i, Bands bands = Bands::kContest) {
  ContactArgs c =
      TestContact("JA" + std::to_string(i) + "X", "JA", BandOf(i, bands));
  c.info.prefix = "JA" + std::to_string(i % 400);
  c.info.dxcc = i % 3 == 0 ? "UA" : "JA";
  c.info.continent = i % 5 == 0 ? "EU" : "AS";
  c.info.exchRcvd = std::to_string(i % 80 + 1);
  c.info.time.days = kTestContactTime + i / 1440.0;
  return c;
}

// The first count contacts of the log, made once, so that timed loops
// spend nothing on making them.
const std::vector<ContactArgs>& LogContacts(int count, Bands bands) {
  static std::vector<ContactArgs> logs[3];
  std::vector<ContactArgs>& log = logs[static_cast<int>(bands)];
  for (int i = static_cast<int>(log.size()); i < count; ++i) {
    log.push_back(LogContact(i, bands));
  }
  return log;
}

void Fill(int count, Bands bands = Bands::kContest) {
  const std::vector<ContactArgs>& log = LogContacts(count, bands);
  Reset();
  for (int i = 0; i < count; ++i) CallAddData(Plugin(), log[i]);
}

// A contact that no stored one matches.
ContactArgs FreshContact(int i) {
  ContactArgs c = LogContact(i);
  c.info.call = "ZZ" + std::to_string(i) + "Q";
  c.info.prefix = "ZZ" + std::to_string(i);
  return c;
}

// Runs the benchmark body once, with its own repetitions; the reported
// time is the body's.
template <typename Body>
void RunOnce(benchmark::State& state, Body body) {
  for (auto _ : state) {
    auto start = Clock::now();
    body();
    state.SetIterationTime(Seconds(start));
  }
}

void Figure(benchmark::State& state, const std::string& name, double value) {
  state.counters[name] = value;
}

std::string Cell(const char* what, int64_t n) {
  return std::string(what) + "/" + std::to_string(n);
}

void BM_AddData(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  Fill(n);
  const int reps = 3000;
  double timed = 0;
  RunOnce(state, [&] {
    for (int i = 0; i < reps; ++i) {
      ContactArgs c = FreshContact(i);
      auto start = Clock::now();
      CallAddData(Plugin(), c);
      timed += Seconds(start);
      CallRemoveData(Plugin(), c);
    }
  });
  Figure(state, Cell("AddData", n), timed / reps * 1e6);
}

void BM_CheckCall(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  Fill(n);
  const CallQuery q = TestQuery("ZZ1ZZ", "20m", "ZZ1");
  const int reps = 5000;
  double seconds = 0;
  RunOnce(state, [&] {
    auto start = Clock::now();
    for (int i = 0; i < reps; ++i) {
      benchmark::DoNotOptimize(CallCheckCall(Plugin(), q));
    }
    seconds = Seconds(start);
  });
  Figure(state, Cell("CheckCall", n), seconds / reps * 1e6);
}

void BM_Rebuild(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  int reps = std::max(3, 20000 / n);  // a few runs even at the largest
  LogContacts(n, Bands::kContest);
  double seconds = 0;
  RunOnce(state, [&] {
    for (int r = 0; r < reps; ++r) {
      auto start = Clock::now();
      Fill(n);
      int status;
      benchmark::DoNotOptimize(Plugin().GetResult0(&status));
      seconds += Seconds(start);
    }
  });
  Figure(state, Cell("Rebuild", n), seconds / reps * 1e3);
}

// The I/O every AddData0 must do: open err.txt for appending, write, close.
void BM_IoFloor(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  int reps = std::max(3, 20000 / n);  // a few runs even at the largest
  double seconds = 0;
  RunOnce(state, [&] {
    for (int r = 0; r < reps; ++r) {
      auto start = Clock::now();
      for (int i = 0; i < n; ++i) {
        std::FILE* f = std::fopen("err.txt", "ab");
        if (f == nullptr) continue;
        std::fputs("", f);
        std::fclose(f);
      }
      seconds += Seconds(start);
    }
  });
  Figure(state, Cell("IoFloor", n), seconds / reps * 1e3);
}

// Removes contacts from the middle of a log of n, one at a time, each put
// back (untimed) before the next.
double RemovePerCallMicros(int n) {
  const int reps = 4000;
  double timed = 0;
  for (int i = 0; i < reps; ++i) {
    // A copy, so the timed call does not wait on the log's memory: the
    // host passes a contact it has at hand.
    ContactArgs c = LogContacts(n, Bands::kContest)[(n / 2 + i * 7919) % n];
    auto start = Clock::now();
    CallRemoveData(Plugin(), c);
    timed += Seconds(start);
    CallAddData(Plugin(), c);
  }
  return timed / reps * 1e6;
}

void BM_RemoveData(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  Fill(n);
  double micros = 0;
  RunOnce(state, [&] { micros = RemovePerCallMicros(n); });
  Figure(state, Cell("RemoveData", n), micros);
}

// 100,000 adds, removals one by one from the middle of that log, then every
// contact removed one by one in log order.
void BM_Bulk(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  const std::vector<ContactArgs>& log = LogContacts(n, Bands::kContest);
  RunOnce(state, [&] {
    auto start = Clock::now();
    Fill(n);
    Figure(state, Cell("AddAll", n), Seconds(start));
    Figure(state, Cell("RemoveData", n), RemovePerCallMicros(n));
    start = Clock::now();
    for (int i = 0; i < n; ++i) CallRemoveData(Plugin(), log[i]);
    Figure(state, Cell("RemoveAll", n), Seconds(start));
  });
}

double GetResultSeconds(int reps) {
  auto start = Clock::now();
  for (int r = 0; r < reps; ++r) {
    int status;
    benchmark::DoNotOptimize(Plugin().GetResult0(&status));
  }
  return Seconds(start) / reps;
}

void BM_GetResult(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  Fill(n);
  double seconds = 0;
  RunOnce(state, [&] { seconds = GetResultSeconds(std::max(1, 20000 / n)); });
  Figure(state, Cell("GetResultPerContact", n), seconds / n * 1e6);
  Figure(state, Cell("GetResult", n), seconds * 1e3);
}

void BM_GetResultOwnBands(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  Fill(n, Bands::kOwn);
  double seconds = 0;
  RunOnce(state, [&] {
    seconds = GetResultSeconds(1);
    if (seconds < 1.0) seconds = GetResultSeconds(5);
  });
  Figure(state, Cell("GetResultOwnBands", n), seconds * 1e3);
}

// The first GetResult0 after the log is added, its band texts sharing
// their padded keys in pairs, so the whole band list must be put in the
// exchange sort's order.
void BM_GetResultSharedKeys(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  LogContacts(n, Bands::kSharedKeys);
  const int reps = 3;
  double seconds = 0;
  RunOnce(state, [&] {
    for (int r = 0; r < reps; ++r) {
      Fill(n, Bands::kSharedKeys);
      seconds += GetResultSeconds(1);
    }
  });
  Figure(state, Cell("GetResultSharedKeys", n), seconds / reps * 1e3);
}

// The band order as the exchange sort computes it, swap for swap, on the
// keys' ranks (the highest key ranking highest): what BandSortOrder spares.
std::vector<int> ExchangeSortOrder(const std::vector<std::string>& names) {
  std::vector<std::string> keys;
  for (const std::string& name : names) {
    keys.push_back(
        name.size() >= 20 ? name : std::string(20 - name.size(), '0') + name);
  }
  std::vector<std::string> distinct = keys;
  std::sort(distinct.begin(), distinct.end());
  std::vector<int> rank;
  for (const std::string& key : keys) {
    rank.push_back(static_cast<int>(
        std::lower_bound(distinct.begin(), distinct.end(), key) -
        distinct.begin()));
  }
  std::vector<int> order;
  for (size_t i = 0; i < names.size(); ++i)
    order.push_back(static_cast<int>(i));
  for (size_t i = 0; i + 1 < order.size(); ++i) {
    for (size_t j = i + 1; j < order.size(); ++j) {
      if (rank[i] < rank[j]) {
        std::swap(rank[i], rank[j]);
        std::swap(order[i], order[j]);
      }
    }
  }
  return order;
}

// The score's band order of n band texts that share their padded keys in
// pairs, in rising key order: as computed, and by the exchange sort. The
// two orders must be the same.
void BM_BandOrder(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) names.push_back(SharedKeyBand(i));
  std::vector<const std::string*> pointers;
  for (const std::string& name : names) pointers.push_back(&name);
  const int reps = 20;
  double computed = 0;
  double exchanged = 0;
  RunOnce(state, [&] {
    std::vector<int> order;
    auto start = Clock::now();
    for (int r = 0; r < reps; ++r) order = BandSortOrder(pointers);
    computed = Seconds(start) / reps;
    start = Clock::now();
    std::vector<int> expected = ExchangeSortOrder(names);
    exchanged = Seconds(start);
    if (order != expected) state.SkipWithError("the orders differ");
  });
  Figure(state, Cell("BandOrder", n), computed * 1e3);
  Figure(state, Cell("BandOrderExchange", n), exchanged * 1e3);
}

// A host that answers every poll at once: entry text and frequency fixed.
class QuietHost : public HostLink {
 public:
  explicit QuietHost(std::string entry) : entry_(std::move(entry)) {}
  void Connect() override {}
  bool HasHost() override { return true; }
  bool ReadHostState(int32_t* value) override {
    *value = 0;
    return true;
  }
  bool ReadHostFrequency(double* hz) override {
    *hz = 14025000.0;
    return true;
  }
  bool ReadEntryText(std::string* text) override {
    *text = entry_;
    return true;
  }
  bool RunHostMacro(const std::string&) override { return true; }
  void Release() override {}

 private:
  std::string entry_;
};

void BM_PollTick(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  auto shared = std::make_unique<SharedState>();
  shared->WithLock([&](SharedFields& s) {
    for (int i = 0; i < n; ++i) {
      ContactArgs c = LogContact(i);
      // The typed call has four of the stored contacts.
      if (i % (n / 4) == 0) c.info.call = "JA1TYP";
      s.store.Append(c.info);
    }
  });
  QuietHost host("JA1TYP");
  MultiplierPoller poller(shared.get(), &host);
  const int reps = 20000;
  double seconds = 0;
  RunOnce(state, [&] {
    auto start = Clock::now();
    for (int i = 0; i < reps; ++i) benchmark::DoNotOptimize(poller.Tick());
    seconds = Seconds(start);
  });
  Figure(state, Cell("PollTick", n), seconds / reps * 1e6);
}

// The Multiplier window's list view of one band holding n prefixes, given
// in descending order: the first snapshot sorts them under the shared lock,
// later ones find them sorted.
void BM_GridSnapshot(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  const int slot = 3;
  auto shared = std::make_unique<SharedState>();
  std::vector<std::string> prefixes;
  for (int i = n; i > 0; --i) prefixes.push_back("P" + std::to_string(i));
  const int reps = 20;
  double first = 0;
  double later = 0;
  RunOnce(state, [&] {
    for (int r = 0; r < reps; ++r) {
      shared->WithLock([&](SharedFields& s) {
        s.asiaFlag = 0;
        s.currentBandSlot = slot;
        s.bandPrefixLists[slot] = prefixes;
      });
      auto start = Clock::now();
      benchmark::DoNotOptimize(TakeGridSnapshot(shared.get()));
      first += Seconds(start);
      start = Clock::now();
      benchmark::DoNotOptimize(TakeGridSnapshot(shared.get()));
      later += Seconds(start);
    }
  });
  Figure(state, Cell("GridSnapshotFirst", n), first / reps * 1e3);
  Figure(state, Cell("GridSnapshot", n), later / reps * 1e3);
}

size_t HeapBytes() {
  struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// Heap held per stored contact, on a freshly loaded plug-in, so no earlier
// run's capacity is reused.
void BM_Memory(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  const std::vector<ContactArgs>& log = LogContacts(n, Bands::kContest);
  RunOnce(state, [&] {
    Loaded().Load();
    Reset();
    size_t before = HeapBytes();
    for (int i = 0; i < n; ++i) CallAddData(Plugin(), log[i]);
    Figure(state, Cell("BytesPerContact", n),
           (static_cast<double>(HeapBytes()) - before) / n);
    Reset();
  });
}

#define AADX_BENCH(fn) \
  BENCHMARK(fn)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond)

AADX_BENCH(BM_Memory)->Arg(20000);
AADX_BENCH(BM_AddData)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000);
AADX_BENCH(BM_CheckCall)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000);
AADX_BENCH(BM_Rebuild)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000);
AADX_BENCH(BM_IoFloor)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000);
AADX_BENCH(BM_RemoveData)->Arg(1000);
AADX_BENCH(BM_Bulk)->Arg(100000);
AADX_BENCH(BM_GetResult)->Arg(1000)->Arg(20000);
AADX_BENCH(BM_GetResultOwnBands)->Arg(20000);
AADX_BENCH(BM_GetResultSharedKeys)->Arg(20000);
AADX_BENCH(BM_BandOrder)->Arg(20000);
AADX_BENCH(BM_PollTick)->Arg(100)->Arg(20000);
AADX_BENCH(BM_GridSnapshot)->Arg(10000);

// Collects every counter and shows each run's name and time as it ends;
// the table comes once all have run.
class TableCollector : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      std::fprintf(stderr, "%-45s %10.1f ms\n", run.benchmark_name().c_str(),
                   run.GetAdjustedRealTime());
      for (const auto& counter : run.counters) {
        figures[counter.first] = counter.second;
      }
    }
  }
  BenchFigures figures;
};

}  // namespace
}  // namespace aadx

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  aadx::TableCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  aadx::PrintBenchTable(collector.figures);
  benchmark::Shutdown();
  return 0;
}
