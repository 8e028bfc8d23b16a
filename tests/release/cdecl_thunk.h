// A call made exactly as a 32-bit __cdecl caller (an MSVC-built host)
// makes it: the arguments pushed one 32-bit word at a time, last first, then
// a plain call. What the callee leaves behind tells its calling convention.
#ifndef AADX_TESTS_RELEASE_CDECL_THUNK_H_
#define AADX_TESTS_RELEASE_CDECL_THUNK_H_

#include <stdint.h>

extern "C" {

// What the callee left in the registers a caller relies on.
struct CdeclCallOutcome {
  uint32_t eax;  // the result
  uint32_t ebx;  // callee-saved: must still hold kCdeclThunkEbx
  uint32_t esi;  // callee-saved: must still hold kCdeclThunkEsi
};

// Pushes words[count - 1] .. words[0] with the stack pointer at the call
// 16n + misalign bytes (misalign 0, 4, 8 or 12: the host gives no more than
// 4-byte alignment), calls fn, and returns how many bytes of arguments the
// callee removed itself: 0 for __cdecl, 4 * count for __stdcall.
uint32_t aadx_call_as_cdecl_caller(const void* fn, const uint32_t* words,
                                   uint32_t count, uint32_t misalign,
                                   CdeclCallOutcome* outcome);
}

const uint32_t kCdeclThunkEbx = 0x5a5a1111u;
const uint32_t kCdeclThunkEsi = 0x5a5a2222u;

#endif  // AADX_TESTS_RELEASE_CDECL_THUNK_H_
