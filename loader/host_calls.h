// The exports called with the host's full argument lists, from the values
// the plug-in reads of them. The arguments the plug-in ignores get the
// plausible fillers a host would pass.
#ifndef AADX_LOADER_HOST_CALLS_H_
#define AADX_LOADER_HOST_CALLS_H_

#include "loader/plugin_library.h"
#include "plugin/host_args.h"

namespace aadx {

// Arguments passed as null pointers instead of their values, as a careless
// host might: every text, or the date-time values. A call query's band
// texts are null when the query has none (hasBand, hasBand2).
struct HostNulls {
  bool texts = false;
  bool dates = false;
};

int CallAddData(const PluginExports& e, const ContactArgs& c,
                HostNulls nulls = {});
int CallRemoveData(const PluginExports& e, const ContactArgs& c,
                   HostNulls nulls = {});
int CallCheckCall(const PluginExports& e, const CallQuery& q,
                  HostNulls nulls = {});
int CallResetStats(const PluginExports& e, const ResetArgs& r,
                   HostNulls nulls = {});

}  // namespace aadx

#endif  // AADX_LOADER_HOST_CALLS_H_
