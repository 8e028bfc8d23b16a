// A throw-away DLL for the calling-convention check, never shipped: the ten
// plain export names with the host's argument lists, but __stdcall, so each
// function removes its own arguments. The check must fail on it.
#include "plugin/stats_exports.h"

#define STDCALL_EXPORT extern "C" __declspec(dllexport)

STDCALL_EXPORT int __stdcall AddData0(STATS_CONTACT_PARAMS) { return 1; }
STDCALL_EXPORT int __stdcall RemoveData0(STATS_CONTACT_PARAMS) { return 1; }
STDCALL_EXPORT int __stdcall CheckCall0(STATS_CHECK_PARAMS) { return 0; }
STDCALL_EXPORT int __stdcall ResetStats0(STATS_RESET_PARAMS) { return 1; }
STDCALL_EXPORT const char* __stdcall GetResult0(int*) { return ""; }
STDCALL_EXPORT const char* __stdcall GetSetName(int) { return ""; }
STDCALL_EXPORT int __stdcall GetNumberOfSets(void) { return 1; }
STDCALL_EXPORT void __stdcall SetupSet0(void) {}
STDCALL_EXPORT int __stdcall GetExchgCount0(const char*, const char*,
                                            const char*) {
  return 1;
}
STDCALL_EXPORT int __stdcall IsValidExchg0(const char*, const char*,
                                           const char*, const char*, int, int,
                                           int) {
  return 1;
}
