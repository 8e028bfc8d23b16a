// An oracle of a fuzz target: when it fails, the target says which and
// aborts, and libFuzzer keeps the input that did it.
#ifndef AADX_FUZZ_FUZZ_CHECK_H_
#define AADX_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, message)                                         \
  do {                                                                         \
    if (!(condition)) {                                                        \
      std::fprintf(stderr, "oracle failed at %s:%d: %s\n", __FILE__, __LINE__, \
                   message);                                                   \
      std::abort();                                                            \
    }                                                                          \
  } while (0)

#endif  // AADX_FUZZ_FUZZ_CHECK_H_
