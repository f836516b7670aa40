#include "distributions/normal_window.h"

#include <cmath>

namespace Zq::Math {
namespace {

// sqrt(pi / 2): the integral of exp(-t^2/2) over [0, inf).
constexpr double kHalfLineMass = 1.2533141373155003;
// Below this the series serves (its cancellation in MillsRatio costs at
// most a factor 80); above it the continued fraction converges in at most
// about 70 terms.
constexpr double kSeriesLimit = 2.5;

constexpr double kNode[4] = {0.18343464249564978, 0.525532409916329, 0.7966664774136267, 0.9602898564975362};
constexpr double kWeight[4] = {0.36268378337836177, 0.31370664587788705, 0.22238103445337434, 0.10122853629037669};

// S(x) = sum of x^(2n+1) / (1 * 3 * ... * (2n+1)), so that
// Phi(x) - 1/2 = phi(x) S(x); all terms positive for x >= 0.
double CentralSeries(double x) {
  const double x2 = x * x;
  double term = x;
  double sum = x;
  for (int n = 1; term > 1e-17 * sum; ++n) {
    term *= x2 / (2 * n + 1);
    sum += term;
  }
  return sum;
}

// The integral of exp(-t^2/2) over [0, x], x >= 0.
double HalfMass(double x) {
  if (x < kSeriesLimit) return std::exp(-0.5 * x * x) * CentralSeries(x);
  if (x == INFINITY) return kHalfLineMass;
  return kHalfLineMass - std::exp(-0.5 * x * x) * MillsRatio(x);
}

// The integral of exp(-t(2a + t)/2) over [0, w] by eight-point
// Gauss-Legendre, exact to rounding while w(a + w) <= 1 (the exponent then
// moves by at most 1.5 across the window).
double NarrowMass(double a, double w) {
  const double half = 0.5 * w;
  double sum = 0.0;
  for (int i = 0; i < 4; ++i) {
    const double low = half - half * kNode[i];
    const double high = half + half * kNode[i];
    sum += kWeight[i] * (std::exp(-0.5 * low * (2.0 * a + low)) + std::exp(-0.5 * high * (2.0 * a + high)));
  }
  return sum * half;
}

// The mass of [a, a + w] over phi(a), a >= 0.
double UpperWindowMass(double a, double w) {
  if (w * (a + w) <= 1.0) return NarrowMass(a, w);
  // Here phi(b)/phi(a) < exp(-1/2): the difference keeps most digits.
  const double b = a + w;
  if (b == INFINITY) return MillsRatio(a);
  return MillsRatio(a) - std::exp(-0.5 * w * (a + b)) * MillsRatio(b);
}

}  // namespace

double MillsRatio(double x) {
  if (!(x >= kSeriesLimit)) return kHalfLineMass * std::exp(0.5 * x * x) - CentralSeries(x);
  if (x == INFINITY) return 0.0;
  const int terms = 12 + static_cast<int>(400.0 / (x * x));
  double fraction = 0.0;
  for (int n = terms; n > 0; --n) fraction = n / (x + fraction);
  return 1.0 / (x + fraction);
}

double DensityRatio(double x, double c) {
  if (x == c) return 1.0;
  return std::exp(-0.5 * (x - c) * (x + c));
}

WindowMass NormalWindowMass(double a, double b, double width) {
  if (a >= 0.0) return {a, UpperWindowMass(a, width)};
  if (b <= 0.0) return {b, UpperWindowMass(-b, width)};
  return {0.0, HalfMass(b) + HalfMass(-a)};
}

double NormalMassRatio(double a, double b, double width, double c, double d, double cWidth) {
  const WindowMass top = NormalWindowMass(a, b, width);
  const WindowMass bottom = NormalWindowMass(c, d, cWidth);
  return DensityRatio(top.anchor, bottom.anchor) * (top.scaled / bottom.scaled);
}

}  // namespace Zq::Math
