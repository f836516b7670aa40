#include "numerics/accurate_elementary.h"

#include <bit>
#include <cstdint>

#include "numerics/elementary_tables.h"
#include "numerics/wide_float.h"

namespace Zq::Math::Elementary {

using namespace WideFloat;

namespace {

constexpr double kInvLn2 = 0x1.71547652b82fep+0;

Wide Ln2() {
  Wide w;
  for (int i = 0; i < kLimbs; ++i) w.limbs[i] = ElementaryTables::kLn2Limbs[i];
  return w;
}

// 1 + r/n (1 + r/(n+1) (...)) from the innermost step inward: Horner's
// scheme for the Taylor series of e^r, n a constant at each step.
template <std::uint32_t n>
Wide TaylorStep(const Wide& r, const Wide& inner) {
  const Wide p = Add(FromInteger(1), DivideBy<n>(Multiply(r, inner)));
  if constexpr (n == 1) {
    return p;
  } else {
    return TaylorStep<n - 1>(r, p);
  }
}

}  // namespace

// e^x for |x| < 2^11, to within 2^-235 relative: x = k log 2 + r with
// |r| <= log 2 / 2 (the 256-bit log 2 makes r exact to 2^-245),
// e^r = (e^(r/4096))^4096, and e^(r/4096) by its Taylor series to r^14,
// whose remainder is below 2^-240.
Wide ExpWide(const Wide& x) {
  const double estimate = Estimate(x) * kInvLn2;
  const int k = static_cast<int>(estimate < 0 ? estimate - 0.5 : estimate + 0.5);
  Wide kLn2 = MultiplySmall(Ln2(), static_cast<std::uint32_t>(k < 0 ? -k : k));
  if (k < 0) kLn2 = Negate(kLn2);
  const Wide r = Scale(Subtract(x, kLn2), -12);
  const Wide one = FromInteger(1);
  Wide p = TaylorStep<14>(r, one);
  for (int i = 0; i < 12; ++i) p = Multiply(p, p);
  return Scale(p, k);
}

// log x for finite x > 0, to within 2^-184 relative, from a quick value y
// within 2^-60 relative: log x = y + log(1 + u) with u = x e^-y - 1, so that
// |u| < 2^-59 |log x| + 2^-235 and the series to u^3 leaves out less than
// u^4 / 4. The error of u (2^-235 absolute) is the bound, |log x| being at
// least 2^-53.
Wide LogWide(double x, double head, double tail) {
  const Wide y = Add(FromDouble(head), FromDouble(tail));
  const Wide one = FromInteger(1);
  const Wide u = Subtract(Multiply(FromDouble(x), ExpWide(Negate(y))), one);
  const Wide u2 = Multiply(u, u);
  return Add(Add(y, u), Subtract(DivideBy<3>(Multiply(u2, u)), Scale(u2, -1)));
}

double Rounded(const Wide& value, int accuracyBits) {
  double result;
  if (!RoundToDouble(value, accuracyBits, result)) RoundToDouble(value, kExact, result);
  return result;
}

}  // namespace Zq::Math::Elementary
