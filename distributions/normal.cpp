// The arithmetic below is fixed to the last bit: every constant keeps its
// digits (two different roundings of 1/sqrt(2*pi) are used on purpose, see
// pinned_constants.h) and
// every product and sum is grouped as the published formulas group them.
#include "distributions/normal.h"

#include <cmath>

#include "distributions/pinned_constants.h"
#include "numerics/special_values.h"

namespace Zq::Math {

namespace {


// Correlations this close to +-1 (1 - 2^-52) take the limiting formulas.
constexpr double kRhoEdge = 0.9999999999999998;

double Sign(double v) { return v >= 0 ? 1.0 : -1.0; }

// Beyond this magnitude an argument is taken as the infinity it stands
// for: the squares in BiNormSplit would overflow, and no probability can
// tell the two apart.
constexpr double kHugeArgument = 1e150;

// Below this magnitude the squares of an argument fall short of 1e-300.
constexpr double kTinyArgument = 1e-150;

double TameHuge(double v) {
  if (v > kHugeArgument) return kHugeArgument;
  if (v < -kHugeArgument) return -kHugeArgument;
  return v;
}

// P(X <= v, Y <= 0) with correlation r, from one quadrature call. A
// correlation that rounded to +-1 (one limit tiny or huge against the
// other) takes its limit: X = Y or X = -Y.
double HalfPlane(double v, double r) {
  if (r >= 1) return NormCdf(v <= 0 ? v : 0.0);
  if (r <= -1) return v <= 0 ? 0.0 : NormCdf(v) - 0.5;
  if (v <= 0) {
    if (r <= 0) return BiNormQuadrature(v, 0, r);
    return NormCdf(v) - BiNormQuadrature(v, 0, -r);
  }
  if (r <= 0) return NormCdf(v) - 0.5 + BiNormQuadrature(-v, 0, r);
  return 0.5 - BiNormQuadrature(-v, 0, -r);
}

double UncorrelatedCdf(double a, double b, double rho) {
  if (a <= 0) {
    if (b <= 0) return BiNormQuadrature(a, b, rho);
    return NormCdf(a) - BiNormQuadrature(a, -b, -rho);
  }
  if (b <= 0) return NormCdf(b) - BiNormQuadrature(-a, b, -rho);
  return (NormCdf(a) + NormCdf(b) - 1) + BiNormQuadrature(-a, -b, rho);
}

double NegativeCorrelationCdf(double a, double b, double rho) {
  double value = kNaN;
  if (rho > -kRhoEdge) {
    if (a == 0) {
      value = b > 0 ? BiNormQuadrature(-a, -b, rho) + (NormCdf(a) + NormCdf(b) - 1) : BiNormQuadrature(a, b, rho);
    } else if (a < 0) {
      value = b > 0 ? BiNormSplit(a, b, rho) : BiNormQuadrature(a, b, rho);
    } else if (a > 0) {
      value = b < 0 ? BiNormSplit(a, b, rho) : BiNormQuadrature(-a, -b, rho) + (NormCdf(a) + NormCdf(b) - 1);
    }
  }
  // The limit of rho = -1 also rescues a quadrature that overflowed near it.
  if (!std::isfinite(value) && rho < -0.99) value = a + b > 0 ? NormCdf(a) + NormCdf(b) - 1 : 0.0;
  return value;
}

double PositiveCorrelationCdf(double a, double b, double rho) {
  double value = kNaN;
  if (rho < kRhoEdge) {
    if (a == 0) {
      value = b > 0 ? NormCdf(a) - BiNormQuadrature(a, -b, -rho) : NormCdf(b) - BiNormQuadrature(-a, b, -rho);
    } else if (a < 0) {
      value = b < 0 ? BiNormSplit(a, b, rho) : NormCdf(a) - BiNormQuadrature(a, -b, -rho);
    } else if (a > 0) {
      value = b > 0 ? BiNormSplit(a, b, rho) : NormCdf(b) - BiNormQuadrature(-a, b, -rho);
    }
  }
  if (!std::isfinite(value) && rho > 0.99) value = NormCdf(FiniteMin(a, b));
  return value;
}

}  // namespace

double NormCdf(double x) {
  const double z = std::fabs(x);
  const double t = 1 / (1 + 0.2316419 * z);
  const double q = kNormCdfFactor * std::exp(-0.5 * z * z) * t *
                   (0.31938153 + t * (-0.356563782 + t * (1.781477937 + t * (-1.821255978 + t * 1.330274429))));
  const double p = 1 - q;
  return x >= 0 ? p : 1 - p;
}

double NormPdf(double x) { return kNormPdfFactor * std::exp(-0.5 * x * x); }

namespace {

// NormCdfInv's two regions: a rational function of y = u - 0.5 where
// |y| < 0.42, a polynomial in ln(-ln(min(u, 1 - u))) in the tails.
bool InCentralRegion(double y) { return std::fabs(y) < 0.42; }

double CentralInverse(double y) {
  const double r = y * y;
  return y * (2.50662823884 + r * (-18.61500062529 + r * (41.39119773534 + r * -25.44106049637))) /
         (1 + r * (-8.4735109309 + r * (23.08336743743 + r * (-21.06224101826 + r * 3.13082909833))));
}

double TailInverse(double u, double y) {
  const double r = y > 0 ? 1 - u : u;
  const double s = std::log(-std::log(r));
  const double x =
      0.3374754822726147 +
      s * (0.9761690190917186 +
           s * (0.1607979714918209 +
                s * (0.0276438810333863 +
                     s * (0.0038405729373609 +
                          s * (0.0003951896511919 +
                               s * (0.0000321767881768 + s * (0.0000002888167364 + s * 0.0000003960315187)))))));
  return y < 0 ? -x : x;
}

}  // namespace

double NormCdfInv(double u) {
  const double y = u - 0.5;
  return InCentralRegion(y) ? CentralInverse(y) : TailInverse(u, y);
}

void NormCdfInv(const double* u, double* z, int count) {
  // The central form for every value first: a loop of arithmetic alone,
  // which the compiler runs two values to a register.
  for (int k = 0; k < count; ++k) z[k] = CentralInverse(u[k] - 0.5);
  constexpr int kChunk = 64;
  int tails[kChunk];
  for (int start = 0; start < count; start += kChunk) {
    const int end = count - start < kChunk ? count : start + kChunk;
    int tailCount = 0;
    for (int k = start; k < end; ++k) {
      tails[tailCount] = k;
      tailCount += !InCentralRegion(u[k] - 0.5);
    }
    for (int t = 0; t < tailCount; ++t) {
      const int k = tails[t];
      z[k] = TailInverse(u[k], u[k] - 0.5);
    }
  }
}

double BiNormPdf(double a, double b, double rho) {
  if (rho > 1 || rho < -1) return kNaN;
  if (rho == 1) return a == b ? kNaN : 0.0;
  if (rho == -1) return a == -b ? kNaN : 0.0;
  const double s = std::sqrt(1 - rho * rho);
  const double z = (b - rho * a) / s;
  return NormPdf(a) * (1 / s) * NormPdf(z);
}

double BiNormQuadrature(double a, double b, double rho) {
  static constexpr double kWeight[4] = {0.325303, 0.4211071, 0.1334425, 0.006374323};
  static constexpr double kAbscissa[4] = {0.1337764, 0.6243247, 1.3425378, 2.2626645};
  const double s = std::sqrt(1 - rho * rho);
  const double a1 = a / (s * 1.4142135623731);
  const double b1 = b / (s * 1.4142135623731);
  // f(x, y) = twoRho*x*y + cx*x + cy*y + c0, the expanded exponent.
  const double twoRho = 2 * rho;
  const double cx = 2 * (a1 - rho * b1);
  const double cy = 2 * (b1 - rho * a1);
  const double c0 = 2 * rho * a1 * b1 - a1 * a1 - b1 * b1;
  double sum = 0;
  for (int j = 0; j < 4; ++j) {
    const double x = kAbscissa[j];
    double inner = 0;
    for (int i = 0; i < 4; ++i) {
      const double y = kAbscissa[i];
      inner += kWeight[i] * std::exp(twoRho * x * y + cx * x + cy * y + c0);
    }
    sum += kWeight[j] * inner;
  }
  return sum * s / kTruncatedPi;
}

double BiNormSplit(double a, double b, double rho) {
  // The two correlations depend on the ratio of a to b alone. When both
  // are so small that their squares leave the normal range (and d comes
  // out 0), they are taken from a and b scaled up by 2^600, exactly.
  const double scale = std::fabs(a) < kTinyArgument && std::fabs(b) < kTinyArgument ? 0x1.0p600 : 1.0;
  const double sa = a * scale;
  const double sb = b * scale;
  const double d = std::sqrt(sa * sa - 2 * rho * sa * sb + sb * sb);
  const double rho1 = (rho * sa - sb) * Sign(a) / d;
  const double rho2 = (rho * sb - sa) * Sign(b) / d;
  const double value = HalfPlane(a, rho1) + HalfPlane(b, rho2);
  return (a < 0) != (b < 0) ? value - 0.5 : value;
}

double BiNormCdf(double a, double b, double rho) {
  if (rho > 1 || rho < -1) return kNaN;
  a = TameHuge(a);
  b = TameHuge(b);
  double value = kNaN;
  if (rho == 0) {
    value = UncorrelatedCdf(a, b, rho);
  } else if (rho < 0) {
    value = NegativeCorrelationCdf(a, b, rho);
  } else if (rho > 0) {
    value = PositiveCorrelationCdf(a, b, rho);
  }
  // Cancellation in the differences can dip below 0: no negative probability.
  if (std::isfinite(value) && value < 0) return 0.0;
  return value;
}

double FiniteMin(double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return kNaN;
  return b < a ? b : a;
}

}  // namespace Zq::Math
