// Outside Windows there is no host executable to ask: no version text.
#include "cabrillo/host_version.h"

namespace aadx {
namespace {

class NoHostVersion : public HostVersion {
 public:
  std::string Text() override { return ""; }
};

}  // namespace

HostVersion* DefaultHostVersion() {
  static NoHostVersion version;
  return &version;
}

}  // namespace aadx
