// Without COM there is no host object: every call reports "no host".
#include "host/host_link.h"

namespace aadx {
namespace {

class NoHostLink : public HostLink {
 public:
  void Connect() override {}
  bool HasHost() override { return false; }
  bool ReadHostState(int32_t*) override { return false; }
  bool ReadHostFrequency(double*) override { return false; }
  bool ReadEntryText(std::string*) override { return false; }
  bool RunHostMacro(const std::string&) override { return false; }
  void Release() override {}
};

}  // namespace

HostLink* DefaultHostLink() {
  static NoHostLink link;
  return &link;
}

}  // namespace aadx
