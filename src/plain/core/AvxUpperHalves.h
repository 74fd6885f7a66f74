// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Clears the upper halves of the processor's AVX registers where it has them.
//
// Starting Qt's GUI leaves them in use (some library it loads runs AVX code and does not clear
// them on leaving), and from then on every call from this program's SSE code into the C
// library's AVX maths pays for a change of register state: exp, acos and atan2 took 310 ns a
// call instead of 25 ns, and the performance window's curves 100 ms instead of 10 ms. A long
// computation in the window's process clears them first; nothing of ours keeps values there, so
// nothing is lost.
inline void clearAvxUpperHalves() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (__builtin_cpu_supports("avx")) {
        __asm__ volatile("vzeroupper");
    }
#endif
}

}  // namespace kelvarin
