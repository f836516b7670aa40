// Whether a routine may choose an AVX variant at run time: on x86-64
// outside Windows only. 64-bit Windows compilers do not align the stack for
// 32-byte values, so an AVX routine in the Windows add-ins would fault
// inside Excel the day the compiler spilled one of its registers. Every
// variant gives the same bits; only the speed differs.
#pragma once

#if defined(__x86_64__) && !defined(_WIN32)
#define ZQ_RUNTIME_AVX 1
#else
#define ZQ_RUNTIME_AVX 0
#endif
