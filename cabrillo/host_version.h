// The host logger's version for the Cabrillo CREATED-BY line.
#ifndef AADX_CABRILLO_HOST_VERSION_H_
#define AADX_CABRILLO_HOST_VERSION_H_

#include <string>

namespace aadx {

class HostVersion {
 public:
  virtual ~HostVersion() = default;
  // The version text of the host executable in the current folder ("2.20",
  // "3.1.5"), or the empty text when there is none.
  virtual std::string Text() = 0;
};

HostVersion* DefaultHostVersion();

}  // namespace aadx

#endif  // AADX_CABRILLO_HOST_VERSION_H_
