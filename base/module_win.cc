#include "base/module_win.h"

namespace aadx {
namespace {

HMODULE g_module = nullptr;

}  // namespace

HMODULE StatsModule() { return g_module; }
void SetStatsModule(HMODULE module) { g_module = module; }

}  // namespace aadx
