// The ten functions the host calls. Each unpacks its arguments (a null text
// is the empty text) and hands over to the plug-in; nothing throws to the
// host, which gets the documented constant result if anything goes wrong.
#include <cctype>
#include <exception>

#include "plugin/linked_exports.h"
#include "plugin/plugin.h"

// The host's argument lists carry many values the plug-in does not read.
#pragma GCC diagnostic ignored "-Wunused-parameter"

#if defined(_WIN32)
#define STATS_EXPORT
#else
#define STATS_EXPORT __attribute__((visibility("default")))
#endif

namespace aadx {

Plugin& ThePlugin() {
  static Plugin plugin(DefaultPlatform());
  return plugin;
}

namespace {

// Constructs the plug-in when the library loads, not at the first call.
[[maybe_unused]] const bool kConstructedAtLoad = (ThePlugin(), true);

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace
}  // namespace aadx

using aadx::ThePlugin;

extern "C" {

STATS_EXPORT int STATS_CALL AddData0(STATS_CONTACT_PARAMS) {
  try {
    return ThePlugin().AddData(
        aadx::UnpackContact(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                            exchSent, exchRcvd, prefix, dxcc, continent, band));
  } catch (...) {
    return 0;
  }
}

STATS_EXPORT int STATS_CALL RemoveData0(STATS_CONTACT_PARAMS) {
  try {
    return ThePlugin().RemoveData(
        aadx::UnpackContact(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                            exchSent, exchRcvd, prefix, dxcc, continent, band));
  } catch (...) {
    return 1;
  }
}

STATS_EXPORT int STATS_CALL CheckCall0(STATS_CHECK_PARAMS) {
  try {
    return ThePlugin().CheckCall(aadx::UnpackCallQuery(call, mode, prefix, dxcc,
                                                       continent, band, band2));
  } catch (...) {
    return 4;
  }
}

STATS_EXPORT int STATS_CALL ResetStats0(STATS_RESET_PARAMS) {
  try {
    return ThePlugin().ResetStats(aadx::UnpackReset(
        exportFlag, ownCall, contestStart, contestEnd, ownContinent));
  } catch (...) {
    return 1;
  }
}

STATS_EXPORT const char* STATS_CALL GetResult0(int* status) {
  try {
    return ThePlugin().GetResult(status);
  } catch (...) {
    if (status != nullptr) *status = -1;
    return "";
  }
}

STATS_EXPORT const char* STATS_CALL GetSetName(int index) {
  return index == 0 ? "AADX CW/SSB (C)" : "";
}

STATS_EXPORT int STATS_CALL GetNumberOfSets(void) { return 1; }

STATS_EXPORT void STATS_CALL SetupSet0(void) {
  try {
    ThePlugin().SetupSet();
  } catch (...) {
  }
}

STATS_EXPORT int STATS_CALL GetExchgCount0(const char*, const char*,
                                           const char*) {
  return 1;
}

STATS_EXPORT int STATS_CALL IsValidExchg0(const char* exchange, const char*,
                                          const char*, const char*, int, int,
                                          int) {
  return exchange != nullptr && aadx::IsAsciiDigit(exchange[0]) &&
                 aadx::IsAsciiDigit(exchange[1]) && exchange[2] == '\0'
             ? 1
             : 0;
}

}  // extern "C"
