// Lock annotations that clang's thread-safety analysis checks
// (-Wthread-safety): which lock guards a field, which locks a function
// needs, takes or gives back. Under clang they are attributes; every other
// compiler sees nothing. The lock they name must be a capability, such as
// Mutex in base/mutex.h (the standard library's mutex is not one here).
//
//   class Counter {
//    public:
//     void Add() EXCLUDES(mu_) {
//       MutexLock lock(&mu_);
//       ++count_;
//     }
//    private:
//     Mutex mu_;
//     int count_ GUARDED_BY(mu_) = 0;
//   };
#ifndef AADX_BASE_THREAD_ANNOTATIONS_H_
#define AADX_BASE_THREAD_ANNOTATIONS_H_

#if defined(__clang__)
#define AADX_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define AADX_THREAD_ANNOTATION(x)
#endif

// A class whose objects are locks.
#ifndef CAPABILITY
#define CAPABILITY(x) AADX_THREAD_ANNOTATION(capability(x))
#endif

// A class whose objects hold a lock for their lifetime.
#ifndef SCOPED_CAPABILITY
#define SCOPED_CAPABILITY AADX_THREAD_ANNOTATION(scoped_lockable)
#endif

// The field is read and written only with the lock held.
#ifndef GUARDED_BY
#define GUARDED_BY(x) AADX_THREAD_ANNOTATION(guarded_by(x))
#endif

// What the pointer points to is used only with the lock held.
#ifndef PT_GUARDED_BY
#define PT_GUARDED_BY(x) AADX_THREAD_ANNOTATION(pt_guarded_by(x))
#endif

// Lock order: this lock is taken after (before) the ones named.
#ifndef ACQUIRED_AFTER
#define ACQUIRED_AFTER(...) AADX_THREAD_ANNOTATION(acquired_after(__VA_ARGS__))
#endif
#ifndef ACQUIRED_BEFORE
#define ACQUIRED_BEFORE(...) \
  AADX_THREAD_ANNOTATION(acquired_before(__VA_ARGS__))
#endif

// The caller holds the locks when it calls the function.
#ifndef REQUIRES
#define REQUIRES(...) AADX_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#endif
#ifndef REQUIRES_SHARED
#define REQUIRES_SHARED(...) \
  AADX_THREAD_ANNOTATION(requires_shared_capability(__VA_ARGS__))
#endif

// The function takes (gives back) the locks and returns with them held
// (released). With no argument: the object's own lock.
#ifndef ACQUIRE
#define ACQUIRE(...) AADX_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#endif
#ifndef RELEASE
#define RELEASE(...) AADX_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
#endif
#ifndef TRY_ACQUIRE
#define TRY_ACQUIRE(...) \
  AADX_THREAD_ANNOTATION(try_acquire_capability(__VA_ARGS__))
#endif

// The caller must not hold the locks: the function takes them itself.
#ifndef EXCLUDES
#define EXCLUDES(...) AADX_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#endif

// The function checks at run time that the lock is held.
#ifndef ASSERT_CAPABILITY
#define ASSERT_CAPABILITY(x) AADX_THREAD_ANNOTATION(assert_capability(x))
#endif

// The function returns the lock named.
#ifndef RETURN_CAPABILITY
#define RETURN_CAPABILITY(x) AADX_THREAD_ANNOTATION(lock_returned(x))
#endif

// The function is not checked (for code the analysis cannot follow).
#ifndef NO_THREAD_SAFETY_ANALYSIS
#define NO_THREAD_SAFETY_ANALYSIS \
  AADX_THREAD_ANNOTATION(no_thread_safety_analysis)
#endif

#endif  // AADX_BASE_THREAD_ANNOTATIONS_H_
