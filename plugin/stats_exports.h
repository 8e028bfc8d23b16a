// The ten functions the host logger calls, with the exact argument lists it
// uses. Shared by the plug-in itself, its test hosts and the replay tool, so
// that every caller pushes the same arguments the host does.
#ifndef AADX_PLUGIN_STATS_EXPORTS_H_
#define AADX_PLUGIN_STATS_EXPORTS_H_

#include <stdint.h>

#include "base/ole_date_value.h"

#if defined(_WIN32)
#define STATS_CALL __cdecl
#else
#define STATS_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Contact argument list (33 arguments), shared by AddData0 and RemoveData0.
#define STATS_CONTACT_PARAMS                                            \
  const char *ownCall, const char *call, const StatsOleDate *time,      \
      const StatsOleDate *unused4, const StatsOleDate *unused5,         \
      const StatsOleDate *unused6, unsigned unused7, unsigned freqHz,   \
      const char *mode, const char *rstSent, const char *rstRcvd,       \
      const char *exchSent, const char *exchRcvd, const char *unused14, \
      const char *unused15, const char *unused16, const char *unused17, \
      const char *unused18, const char *unused19, const char *unused20, \
      const char *unused21, const char *prefix, const char *dxcc,       \
      int unused24, int unused25, int unused26, double unused27,        \
      double unused28, const char *unused29, const char *continent,     \
      const char *unused31, const char *band, const char *unused33

// Call-check argument list (28 arguments).
#define STATS_CHECK_PARAMS                                                \
  const char *call, unsigned unused2, unsigned unused3, const char *mode, \
      const char *unused5, const char *unused6, const char *unused7,      \
      const char *unused8, const char *unused9, const char *unused10,     \
      const char *unused11, const char *unused12, const char *prefix,     \
      const char *dxcc, int unused15, int unused16, int unused17,         \
      double unused18, double unused19, const char *unused20,             \
      const char *continent, const char *unused22, const char *unused23,  \
      const char *unused24, const char *band, const char *band2,          \
      char *buffer27, char *buffer28

// Reset argument list (23 arguments).
#define STATS_RESET_PARAMS                                              \
  const char *unused1, int exportFlag, const char *ownCall,             \
      const StatsOleDate *contestStart, const StatsOleDate *contestEnd, \
      const char *unused6, const char *unused7, const char *unused8,    \
      const char *unused9, const char *unused10, const char *unused11,  \
      const char *unused12, const char *unused13, const char *unused14, \
      const char *unused15, int unused16, int unused17, int unused18,   \
      double unused19, double unused20, const char *unused21,           \
      const char *ownContinent, const char *unused23

typedef int(STATS_CALL* AddData0Fn)(STATS_CONTACT_PARAMS);
typedef int(STATS_CALL* RemoveData0Fn)(STATS_CONTACT_PARAMS);
typedef int(STATS_CALL* CheckCall0Fn)(STATS_CHECK_PARAMS);
typedef int(STATS_CALL* ResetStats0Fn)(STATS_RESET_PARAMS);
typedef const char*(STATS_CALL* GetResult0Fn)(int* status);
typedef const char*(STATS_CALL* GetSetNameFn)(int index);
typedef int(STATS_CALL* GetNumberOfSetsFn)(void);
typedef void(STATS_CALL* SetupSet0Fn)(void);
typedef int(STATS_CALL* GetExchgCount0Fn)(const char*, const char*,
                                          const char*);
typedef int(STATS_CALL* IsValidExchg0Fn)(const char* exchange, const char*,
                                         const char*, const char*, int, int,
                                         int);

#ifdef __cplusplus
}
#endif

#endif  // AADX_PLUGIN_STATS_EXPORTS_H_
