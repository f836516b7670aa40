// The processor features the add-in chooses at run time, in one place.
//
// Variants for AVX, AVX2 and fused multiply-add exist on x86-64 outside
// Windows only (ZQ_RUNTIME_AVX): 64-bit Windows compilers do not align the
// stack for 32-byte values, so an AVX routine in the Windows add-ins would
// fault inside Excel the day the compiler spilled one of its registers, and
// the 32-bit add-in has no such paths at all. Every variant gives the same
// bits; only the speed differs.
#pragma once

#if defined(__x86_64__) && !defined(_WIN32)
#define ZQ_RUNTIME_AVX 1
#else
#define ZQ_RUNTIME_AVX 0
#endif

#if ZQ_RUNTIME_AVX
// A function compiled for fused multiply-add. Only such code may call the
// elementary functions' Fused variant (numerics/exact_products.h).
#define ZQ_FUSED __attribute__((target("fma")))
#endif

namespace Zq::Math {

// Whether the elementary functions run their Fused variant: set when the
// library loads, where the processor has fused multiply-add (false before
// that and everywhere else).
extern bool fusedMultiplyAddInUse;

// Tests and benchmarks choose the Plain variant too, to check both on the
// same machine; asking for the Fused one where it cannot run leaves the
// Plain one. Returns whether the Fused variant is in force.
bool UseFusedMultiplyAdd(bool wanted);

}  // namespace Zq::Math
