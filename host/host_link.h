// The link to the host logger's automation object "Talq2.Application". The
// Windows implementation talks COM by dispatch identifier; elsewhere there
// is never a host object and every call does nothing.
//
// Threads and COM (Windows): any thread may call any member, and calls may
// overlap. Each call initializes COM (apartment-threaded) on the calling
// thread for its own length and uninitializes it before returning, so the
// link leaves every thread's COM count as it found it. A thread that calls
// the link again and again, such as the Multiplier window's, should call
// CoInitialize(NULL) once at its start and CoUninitialize() once at its end
// (balanced, on that thread): the link's calls then only count up and down
// on the thread's own apartment. A thread already in the multithreaded
// apartment stays there.
//
// The host object is held in the process's global interface table, and
// each call uses the calling thread's own pointer for it: a call from
// another thread than the host's is marshalled into the host's apartment
// and completes only when that thread pumps messages. The link holds no
// lock while it calls the host. A failing call returns false; nothing
// throws.
#ifndef AADX_HOST_HOST_LINK_H_
#define AADX_HOST_HOST_LINK_H_

#include <cstdint>
#include <string>

namespace aadx {

class HostLink {
 public:
  virtual ~HostLink() = default;

  // Looks the running host object up and holds it. When the lookup fails
  // the object held before, if any, stays held.
  virtual void Connect() = 0;
  virtual bool HasHost() = 0;

  // The four calls on the host object. Each returns false, leaving its
  // output alone, when no host object is held or the call fails.
  virtual bool ReadHostState(int32_t* state) = 0;           // dispatch id 1
  virtual bool ReadHostFrequency(double* hz) = 0;           // dispatch id 2
  virtual bool ReadEntryText(std::string* text) = 0;        // dispatch id 8 (5)
  virtual bool RunHostMacro(const std::string& macro) = 0;  // dispatch id 16

  // Lets go of the host object, if one is held.
  virtual void Release() = 0;
};

HostLink* DefaultHostLink();

}  // namespace aadx

#endif  // AADX_HOST_HOST_LINK_H_
