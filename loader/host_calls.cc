#include "loader/host_calls.h"

namespace aadx {
namespace {

const char* Arg(const std::string& text, bool null) {
  return null ? nullptr : text.c_str();
}

const StatsOleDate* Arg(const StatsOleDate& date, bool null) {
  return null ? nullptr : &date;
}

template <typename Fn>
int CallContact(Fn fn, const ContactArgs& c, HostNulls nulls) {
  bool n = nulls.texts;
  const CInfo& i = c.info;
  StatsOleDate other = {0.0, kOleDateValid};
  const char* x = n ? nullptr : "";
  return fn(Arg(c.ownCall, n), Arg(i.call, n), Arg(i.time, nulls.dates), &other,
            &other, &other, 0, c.freqHz, Arg(i.mode, n), Arg(i.rstSent, n),
            Arg(i.rstRcvd, n), Arg(i.exchSent, n), Arg(i.exchRcvd, n), x, x, x,
            x, x, x, x, x, Arg(i.prefix, n), Arg(i.dxcc, n), 0, 0, 0, 0.0, 0.0,
            x, Arg(i.continent, n), x, Arg(i.band, n), x);
}

}  // namespace

int CallAddData(const PluginExports& e, const ContactArgs& c, HostNulls nulls) {
  return CallContact(e.AddData0, c, nulls);
}

int CallRemoveData(const PluginExports& e, const ContactArgs& c,
                   HostNulls nulls) {
  return CallContact(e.RemoveData0, c, nulls);
}

int CallCheckCall(const PluginExports& e, const CallQuery& q, HostNulls nulls) {
  bool n = nulls.texts;
  const char* x = n ? nullptr : "";
  char buffer27[64] = "";
  char buffer28[64] = "";
  return e.CheckCall0(Arg(q.call, n), 0, 0, Arg(q.mode, n), x, x, x, x, x, x, x,
                      x, Arg(q.prefix, n), Arg(q.dxcc, n), 0, 0, 0, 0.0, 0.0, x,
                      Arg(q.continent, n), x, x, x,
                      Arg(q.band, n || !q.hasBand),
                      Arg(q.band2, n || !q.hasBand2), buffer27, buffer28);
}

int CallResetStats(const PluginExports& e, const ResetArgs& r,
                   HostNulls nulls) {
  bool n = nulls.texts;
  const char* x = n ? nullptr : "";
  return e.ResetStats0(x, r.exportFlag, Arg(r.ownCall, n),
                       Arg(r.contestStart, nulls.dates),
                       Arg(r.contestEnd, nulls.dates), x, x, x, x, x, x, x, x,
                       x, x, 0, 0, 0, 0.0, 0.0, x, Arg(r.ownContinent, n), x);
}

}  // namespace aadx
