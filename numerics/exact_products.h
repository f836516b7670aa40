// The two variants of the elementary functions' quick passes, named by how
// they form exact products: Plain, from IEEE multiplications only (Dekker's
// splitting, or operands short enough that the product is exact), and Fused,
// from the processor's fused multiply-add. Both give the same value in every
// step they share, so a step's error bound does not depend on the variant;
// where the Fused variant takes steps of its own (fewer, with the instruction
// doing several at once), it has proven bounds of its own, and both round to
// the same doubles. Every elementary function runs the Fused variant where
// the processor has the instruction (numerics/processor_features.h), chosen
// once when the library loads.
#pragma once

#include "numerics/double_double.h"
#include "numerics/processor_features.h"

// The quick passes inline into each variant's body: a fused multiply-add
// becomes one instruction only inside a body compiled for it.
#define ZQ_QUICK_INLINE [[gnu::always_inline]] inline

namespace Zq::Math::Elementary {

using DoubleDouble::DD;

struct Plain {
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
struct Fused {
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

// In a function of the add-in's own, a jump to its Fused body where the
// processor has the instruction.
#define ZQ_FUSED_VARIANT(call) \
  if (Zq::Math::fusedMultiplyAddInUse) return call
#else
#define ZQ_FUSED_VARIANT(call)
#endif

}  // namespace Zq::Math::Elementary
