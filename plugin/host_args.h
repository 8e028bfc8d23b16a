// What the exports read of the host's argument lists, and the unpacking of
// them: a null text is the empty text, a null date-time pointer a null
// date-time. The core receives these values; the loader passes them back
// out as the host's argument lists; tools and tests build contacts with
// the same unpacking, so every contact carries the fields derived from it.
#ifndef AADX_PLUGIN_HOST_ARGS_H_
#define AADX_PLUGIN_HOST_ARGS_H_

#include <cstdint>
#include <string>

#include "base/ole_date_value.h"
#include "base/qso_store.h"

namespace aadx {

// What AddData0 and RemoveData0 read of their 33 arguments.
struct ContactArgs {
  std::string ownCall;
  unsigned freqHz = 0;  // as passed; info.freqKHz is derived from it
  CInfo info;           // every field but dupe, filled from the arguments
};

// What CheckCall0 reads of its 28 arguments. The band gate needs to know
// whether the host passed the two band texts at all; a host passes both.
struct CallQuery {
  std::string call;
  std::string mode;
  std::string prefix;
  std::string dxcc;
  std::string continent;
  std::string band;
  std::string band2;
  bool hasBand = true;
  bool hasBand2 = true;
};

// What ResetStats0 reads of its 23 arguments.
struct ResetArgs {
  int exportFlag = 0;
  std::string ownCall;
  StatsOleDate contestStart = {0.0, kOleDateNull};
  StatsOleDate contestEnd = {0.0, kOleDateNull};
  std::string ownContinent;
};

inline std::string UnpackText(const char* text) {
  return text != nullptr ? std::string(text) : std::string();
}

inline StatsOleDate UnpackDate(const StatsOleDate* value) {
  return value != nullptr ? *value : StatsOleDate{0.0, kOleDateNull};
}

inline ContactArgs UnpackContact(const char* ownCall, const char* call,
                                 const StatsOleDate* time, unsigned freqHz,
                                 const char* mode, const char* rstSent,
                                 const char* rstRcvd, const char* exchSent,
                                 const char* exchRcvd, const char* prefix,
                                 const char* dxcc, const char* continent,
                                 const char* band) {
  ContactArgs c;
  c.ownCall = UnpackText(ownCall);
  c.freqHz = freqHz;
  c.info.call = UnpackText(call);
  c.info.time = UnpackDate(time);
  c.info.freqKHz = static_cast<int32_t>(freqHz / 1000);
  c.info.mode = UnpackText(mode);
  c.info.rstSent = UnpackText(rstSent);
  c.info.rstRcvd = UnpackText(rstRcvd);
  c.info.exchSent = UnpackText(exchSent);
  c.info.exchRcvd = UnpackText(exchRcvd);
  c.info.prefix = UnpackText(prefix);
  c.info.dxcc = UnpackText(dxcc);
  c.info.continent = UnpackText(continent);
  c.info.band = UnpackText(band);
  return c;
}

// The band texts are kept apart from absent ones for the band gate.
inline CallQuery UnpackCallQuery(const char* call, const char* mode,
                                 const char* prefix, const char* dxcc,
                                 const char* continent, const char* band,
                                 const char* band2) {
  CallQuery q;
  q.call = UnpackText(call);
  q.mode = UnpackText(mode);
  q.prefix = UnpackText(prefix);
  q.dxcc = UnpackText(dxcc);
  q.continent = UnpackText(continent);
  q.band = UnpackText(band);
  q.band2 = UnpackText(band2);
  q.hasBand = band != nullptr;
  q.hasBand2 = band2 != nullptr;
  return q;
}

inline ResetArgs UnpackReset(int exportFlag, const char* ownCall,
                             const StatsOleDate* contestStart,
                             const StatsOleDate* contestEnd,
                             const char* ownContinent) {
  ResetArgs r;
  r.exportFlag = exportFlag;
  r.ownCall = UnpackText(ownCall);
  r.contestStart = UnpackDate(contestStart);
  r.contestEnd = UnpackDate(contestEnd);
  r.ownContinent = UnpackText(ownContinent);
  return r;
}

}  // namespace aadx

#endif  // AADX_PLUGIN_HOST_ARGS_H_
