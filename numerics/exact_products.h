// The two ways the quick passes of the add-in's elementary functions form
// their exact products: from plain multiplications (Dekker's splitting, or
// operands short enough that the product is exact), or from the processor's
// fused multiply-add. Both give the same values in every step, so the
// passes' error bounds and results do not depend on the choice; the fused
// passes of exp, log, the hyperbolic functions and tan (numerics/quick_exp.h,
// numerics/quick_log.h, numerics/quick_hyperbolic.h, numerics/tangent.cpp)
// take other steps within proven bounds of their own, so they round to the
// same doubles. Every elementary function runs the fused variant where the
// processor has the instruction, on x86-64 outside Windows
// (random/runtime_avx.h), chosen once when the library loads.
#pragma once

#include "numerics/double_double.h"
#include "random/runtime_avx.h"

// The quick passes inline into each variant's body: a fused multiply-add
// becomes one instruction only inside a body compiled for it.
#define ZQ_QUICK_INLINE [[gnu::always_inline]] inline

namespace Zq::Math::Quick {

using DoubleDouble::DD;

struct PlainProducts {
  // a * b = p.hi + p.lo exactly.
  ZQ_QUICK_INLINE static DD TwoProduct(double a, double b) { return DoubleDouble::TwoProduct(a, b); }
  // a * b + c for an exact product a * b: one rounding, the sum's.
  ZQ_QUICK_INLINE static double ExactMulAdd(double a, double b, double c) { return a * b + c; }
  // FastTwoSum(c, a * b) for an exact product a * b.
  ZQ_QUICK_INLINE static DD FastTwoSumOfProduct(double c, double a, double b) {
    return DoubleDouble::FastTwoSum(c, a * b);
  }
};

#if ZQ_RUNTIME_AVX
// The same values from fused multiply-adds; only code compiled for the
// instruction (ZQ_FUSED) may call these.
#define ZQ_FUSED __attribute__((target("fma")))

struct FusedProducts {
  // The rounding error of a * b is a double, and the fused a * b - p gives
  // it exactly: the same pair as Dekker's.
  ZQ_QUICK_INLINE static DD TwoProduct(double a, double b) {
    const double p = a * b;
    return {p, __builtin_fma(a, b, -p)};
  }
  ZQ_QUICK_INLINE static double ExactMulAdd(double a, double b, double c) { return __builtin_fma(a, b, c); }
  // s = c + a b rounded once either way, and a b - (s - c) with s - c
  // exact (FastTwoSum's own argument) is a single rounding either way too.
  ZQ_QUICK_INLINE static DD FastTwoSumOfProduct(double c, double a, double b) {
    const double s = __builtin_fma(a, b, c);
    return {s, __builtin_fma(a, b, -(s - c))};
  }
};

#endif

// Whether the quick passes use the fused variant: set when the library
// loads where the processor has the instruction (false before that).
extern bool fusedProductsInUse;

// Tests and benchmarks choose the plain variant too, to check both on the
// same machine; asking for the fused one where it cannot run leaves the
// plain one. Returns whether the fused variant is in force.
bool UseFusedProducts(bool wanted);

}  // namespace Zq::Math::Quick
