#include "bench/bench_table.h"

#include <cstdio>

namespace aadx {
namespace {

// A figure, or "-" when its benchmark did not run (a --benchmark_filter).
std::string Show(const BenchFigures& f, const std::string& name) {
  auto it = f.find(name);
  if (it == f.end()) return "-";
  char text[32];
  std::snprintf(text, sizeof text, it->second < 10 ? "%.2f" : "%.1f",
                it->second);
  return text;
}

void Ratio(const BenchFigures& f, const char* what, const std::string& top,
           const std::string& bottom, double limit) {
  auto a = f.find(top);
  auto b = f.find(bottom);
  if (a == f.end() || b == f.end() || b->second <= 0) {
    std::printf("| %s | - | %.1f | - |\n", what, limit);
    return;
  }
  double ratio = a->second / b->second;
  // Three decimals for a ratio far below one, where two would round it off.
  std::printf(ratio < 0.1 ? "| %s | %.3f | %.1f | %s |\n"
                          : "| %s | %.2f | %.1f | %s |\n",
              what, ratio, limit, ratio <= limit ? "met" : "MISSED");
}

}  // namespace

void PrintBenchTable(const BenchFigures& f) {
  std::printf(
      "\n| contacts in the store | AddData0, us per call | CheckCall0, us per "
      "call | rebuild: reset + all AddData0 + GetResult0, ms | the I/O floor: "
      "that many open-append-close of err.txt, ms |\n|---|---|---|---|---|\n");
  for (const char* n : {"100", "1000", "5000", "20000"}) {
    std::string s(n);
    std::printf(
        "| %s | %s | %s | %s | %s |\n", n, Show(f, "AddData/" + s).c_str(),
        Show(f, "CheckCall/" + s).c_str(), Show(f, "Rebuild/" + s).c_str(),
        Show(f, "IoFloor/" + s).c_str());
  }
  std::printf(
      "\n| figure | value |\n|---|---|\n"
      "| 100,000 AddData0, s | %s |\n"
      "| removing those 100,000 one by one, s | %s |\n"
      "| RemoveData0 at 1,000, us per call | %s |\n"
      "| RemoveData0 at 100,000, us per call | %s |\n"
      "| GetResult0 at 1,000, ms | %s |\n"
      "| GetResult0 at 20,000, ms | %s |\n"
      "| GetResult0 at 20,000 on 20,000 band texts, ms | %s |\n"
      "| GetResult0 at 20,000 on 20,000 band texts sharing keys in pairs, "
      "first call, ms | %s |\n"
      "| band order of 20,000 band texts sharing keys in pairs, ms | %s |\n"
      "| the same by the exchange sort, ms | %s |\n"
      "| poll tick at 100, us | %s |\n"
      "| poll tick at 20,000, us | %s |\n"
      "| grid snapshot, 10,000 prefixes on a band, unsorted, ms | %s |\n"
      "| grid snapshot, 10,000 prefixes on a band, sorted, ms | %s |\n"
      "| heap per stored contact (20,000 stored), bytes | %s |\n",
      Show(f, "AddAll/100000").c_str(), Show(f, "RemoveAll/100000").c_str(),
      Show(f, "RemoveData/1000").c_str(), Show(f, "RemoveData/100000").c_str(),
      Show(f, "GetResult/1000").c_str(), Show(f, "GetResult/20000").c_str(),
      Show(f, "GetResultOwnBands/20000").c_str(),
      Show(f, "GetResultSharedKeys/20000").c_str(),
      Show(f, "BandOrder/20000").c_str(),
      Show(f, "BandOrderExchange/20000").c_str(),
      Show(f, "PollTick/100").c_str(), Show(f, "PollTick/20000").c_str(),
      Show(f, "GridSnapshotFirst/10000").c_str(),
      Show(f, "GridSnapshot/10000").c_str(),
      Show(f, "BytesPerContact/20000").c_str());

  std::printf("\n| ratio | measured | at most | |\n|---|---|---|---|\n");
  Ratio(f, "CheckCall0 20,000 / 100", "CheckCall/20000", "CheckCall/100", 2);
  Ratio(f, "AddData0 20,000 / 1,000", "AddData/20000", "AddData/1000", 1.5);
  Ratio(f, "rebuild 20,000 / I/O floor 20,000", "Rebuild/20000",
        "IoFloor/20000", 2);
  Ratio(f, "RemoveData0 100,000 / 1,000", "RemoveData/100000",
        "RemoveData/1000", 2);
  Ratio(f, "remove all 100,000 / add them", "RemoveAll/100000", "AddAll/100000",
        3);
  Ratio(f, "GetResult0 per contact 20,000 / 1,000", "GetResultPerContact/20000",
        "GetResultPerContact/1000", 1.5);
  Ratio(f, "GetResult0 20,000 band texts / six bands",
        "GetResultOwnBands/20000", "GetResult/20000", 3);
  Ratio(f, "GetResult0 20,000 band texts sharing keys / six bands",
        "GetResultSharedKeys/20000", "GetResult/20000", 3);
  Ratio(f, "band order 20,000 sharing keys / by the exchange sort",
        "BandOrder/20000", "BandOrderExchange/20000", 0.1);
  Ratio(f, "poll tick 20,000 / 100", "PollTick/20000", "PollTick/100", 2);
}

}  // namespace aadx
