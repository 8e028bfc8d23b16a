// The one table scripts/bench prints: every run's figure by name, the
// issue's rows and the ratios that must stay flat.
#ifndef AADX_BENCH_BENCH_TABLE_H_
#define AADX_BENCH_BENCH_TABLE_H_

#include <map>
#include <string>

namespace aadx {

// Benchmark name ("AddData/1000") to its value in the unit the table shows.
using BenchFigures = std::map<std::string, double>;

void PrintBenchTable(const BenchFigures& figures);

}  // namespace aadx

#endif  // AADX_BENCH_BENCH_TABLE_H_
