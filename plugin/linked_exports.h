// The ten exports as functions, for programs that link the plug-in in
// instead of loading it (the fuzz targets, the WebAssembly build). Hosts that
// load the library reach them through the pointer types of stats_exports.h.
#ifndef AADX_PLUGIN_LINKED_EXPORTS_H_
#define AADX_PLUGIN_LINKED_EXPORTS_H_

#include "plugin/stats_exports.h"

#ifdef __cplusplus
extern "C" {
#endif

int STATS_CALL AddData0(STATS_CONTACT_PARAMS);
int STATS_CALL RemoveData0(STATS_CONTACT_PARAMS);
int STATS_CALL CheckCall0(STATS_CHECK_PARAMS);
int STATS_CALL ResetStats0(STATS_RESET_PARAMS);
const char* STATS_CALL GetResult0(int* status);
const char* STATS_CALL GetSetName(int index);
int STATS_CALL GetNumberOfSets(void);
void STATS_CALL SetupSet0(void);
int STATS_CALL GetExchgCount0(const char*, const char*, const char*);
int STATS_CALL IsValidExchg0(const char* exchange, const char*, const char*,
                             const char*, int, int, int);

#ifdef __cplusplus
}
#endif

#endif  // AADX_PLUGIN_LINKED_EXPORTS_H_
