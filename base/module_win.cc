#include "base/module_win.h"

namespace aadx {
namespace {

HMODULE g_module = nullptr;
bool g_unloading = false;  // set and read by the unloading thread

}  // namespace

HMODULE StatsModule() { return g_module; }
void SetStatsModule(HMODULE module) { g_module = module; }
bool StatsUnloading() { return g_unloading; }
void SetStatsUnloading() { g_unloading = true; }

}  // namespace aadx
