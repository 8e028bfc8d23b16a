// A mutex that clang's thread-safety analysis knows as a lock, and the
// scoped holder for it. The standard library's std::mutex carries no
// annotations in libstdc++, so fields guarded by one are not checked;
// fields guarded by a Mutex are (see base/thread_annotations.h).
#ifndef AADX_BASE_MUTEX_H_
#define AADX_BASE_MUTEX_H_

#include <mutex>

#include "base/thread_annotations.h"

namespace aadx {

class CAPABILITY("mutex") Mutex {
 public:
  Mutex() = default;
  Mutex(const Mutex&) = delete;
  Mutex& operator=(const Mutex&) = delete;

  void Lock() ACQUIRE() { mu_.lock(); }
  void Unlock() RELEASE() { mu_.unlock(); }

 private:
  std::mutex mu_;
};

// Holds a Mutex from its construction to the end of its scope.
class SCOPED_CAPABILITY MutexLock {
 public:
  explicit MutexLock(Mutex* mu) ACQUIRE(mu) : mu_(mu) { mu_->Lock(); }
  ~MutexLock() RELEASE() { mu_->Unlock(); }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

 private:
  Mutex* const mu_;
};

}  // namespace aadx

#endif  // AADX_BASE_MUTEX_H_
