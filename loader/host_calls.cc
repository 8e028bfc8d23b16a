#include "loader/host_calls.h"

namespace aadx {
namespace {

const char* Arg(const std::string& text, bool null) {
  return null ? nullptr : text.c_str();
}

template <typename Fn>
int CallContact(Fn fn, const HostContact& c) {
  bool n = c.nullTexts;
  const StatsOleDate* time = c.nullTime ? nullptr : &c.time;
  StatsOleDate other = {0.0, kOleDateValid};
  const char* x = n ? nullptr : "";
  return fn(Arg(c.ownCall, n), Arg(c.call, n), time, &other, &other, &other, 0,
            c.freqHz, Arg(c.mode, n), Arg(c.rstSent, n), Arg(c.rstRcvd, n),
            Arg(c.exchSent, n), Arg(c.exchRcvd, n), x, x, x, x, x, x, x, x,
            Arg(c.prefix, n), Arg(c.dxcc, n), 0, 0, 0, 0.0, 0.0, x,
            Arg(c.continent, n), x, Arg(c.band, n), x);
}

}  // namespace

int CallAddData(const PluginExports& e, const HostContact& c) {
  return CallContact(e.AddData0, c);
}

int CallRemoveData(const PluginExports& e, const HostContact& c) {
  return CallContact(e.RemoveData0, c);
}

int CallCheckCall(const PluginExports& e, const HostCallQuery& q) {
  bool n = q.nullTexts;
  const char* x = n ? nullptr : "";
  char buffer27[64] = "";
  char buffer28[64] = "";
  return e.CheckCall0(Arg(q.call, n), 0, 0, Arg(q.mode, n), x, x, x, x, x, x, x,
                      x, Arg(q.prefix, n), Arg(q.dxcc, n), 0, 0, 0, 0.0, 0.0, x,
                      Arg(q.continent, n), x, x, x, Arg(q.band, n),
                      Arg(q.band2, n || q.nullBand2), buffer27, buffer28);
}

int CallResetStats(const PluginExports& e, const HostReset& r) {
  bool n = r.nullTexts;
  const char* x = n ? nullptr : "";
  return e.ResetStats0(x, r.exportFlag, Arg(r.ownCall, n),
                       n ? nullptr : &r.start, n ? nullptr : &r.end, x, x, x, x,
                       x, x, x, x, x, x, 0, 0, 0, 0.0, 0.0, x,
                       Arg(r.ownContinent, n), x);
}

}  // namespace aadx
