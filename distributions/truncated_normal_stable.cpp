#include "distributions/truncated_normal_stable.h"

#include <cmath>

#include "distributions/normal_window.h"

namespace Zq::Math {
namespace {

// The window standardised: alpha = (a - mu)/sigma, beta = (b - mu)/sigma,
// and its width taken from the unstandardised bounds.
struct Window {
  double alpha;
  double beta;
  double width;
};

Window Standardise(double a, double b, double mu, double sigma) {
  return {(a - mu) / sigma, (b - mu) / sigma, (b - a) / sigma};
}

// ln of (mass of [s, t] over mass of the window), with t - s given.
double LogMassShare(double s, double t, double width, const Window& w) {
  const WindowMass part = NormalWindowMass(s, t, width);
  const WindowMass whole = NormalWindowMass(w.alpha, w.beta, w.width);
  return -0.5 * (part.anchor - whole.anchor) * (part.anchor + whole.anchor) + std::log(part.scaled / whole.scaled);
}

// d/dt of ln(mass of [s, t]) = phi(t) / mass of [s, t].
double LogMassSlope(double t, double s, double width) {
  const WindowMass part = NormalWindowMass(s, t, width);
  return DensityRatio(t, part.anchor) / part.scaled;
}

// Past this distance from the window's densest point (in the exponent of
// the density ratio) no double probability can reach.
constexpr double kReach = 750.0;

// The distance from c >= 0 outwards at which phi falls by e^-reach.
double Reach(double c, double reach) {
  if (c > 1e100) return reach / c;
  return 2.0 * reach / (c + std::sqrt(c * c + 2.0 * reach));
}

// The part of [alpha, beta] that can hold a quantile.
struct Bracket {
  double low;
  double high;
};

Bracket Effective(const Window& w) {
  if (w.alpha >= 0.0) return {w.alpha, std::fmin(w.beta, w.alpha + Reach(w.alpha, kReach))};
  if (w.beta <= 0.0) return {std::fmax(w.alpha, w.beta - Reach(-w.beta, kReach)), w.beta};
  const double r = Reach(0.0, kReach);
  return {std::fmax(w.alpha, -r), std::fmin(w.beta, r)};
}

constexpr int kNewtonSteps = 100;
constexpr int kHalvings = 1100;

// The probability below z is log-concave in z: Newton's method on its
// logarithm, started below the root, climbs to it without overshooting. The start is
// halved towards the low end until it lies below the root.
double LowerQuantile(double prob, const Window& w, const Bracket& e) {
  const double target = std::log(prob);
  const auto gap = [&](double z) { return LogMassShare(w.alpha, z, z - w.alpha, w) - target; };
  double z = e.low + (e.high - e.low) * prob;
  for (int i = 0; i < kHalvings && !(gap(z) <= 0.0); ++i) z = e.low + 0.5 * (z - e.low);
  for (int i = 0; i < kNewtonSteps; ++i) {
    const double step = -gap(z) / LogMassSlope(z, w.alpha, z - w.alpha);
    if (!(step > 4e-16 * std::fabs(z)) || !(z + step <= e.high)) break;
    z += step;
  }
  return z;
}

// The same from above, with the probability above z.
double UpperQuantile(double complement, const Window& w, const Bracket& e) {
  const double target = std::log(complement);
  const auto gap = [&](double z) { return LogMassShare(z, w.beta, w.beta - z, w) - target; };
  double z = e.high - (e.high - e.low) * complement;
  for (int i = 0; i < kHalvings && !(gap(z) <= 0.0); ++i) z = e.high - 0.5 * (e.high - z);
  for (int i = 0; i < kNewtonSteps; ++i) {
    const double step = -gap(z) / LogMassSlope(-z, -w.beta, w.beta - z);
    if (!(step > 4e-16 * std::fabs(z)) || !(z - step >= e.low)) break;
    z -= step;
  }
  return z;
}

// A window on one side of mu, far from it against its own spread, seen from
// its bound nearer mu: there a standardised point z near c = |bound - mu| /
// sigma keeps its offset from the bound only to a unit in the last place of
// c, and mu + sigma z cancels. Such windows work in the offset t >= 0 of a
// point from that bound, in units of sigma: x = bound + direction sigma t.
struct NearBound {
  double c;
  double width;
  double bound;
  double direction;
};

// Where c times the larger of c and 1/width exceeds this, z would keep fewer
// than twelve digits of the offset (in the spread of the window's mass).
constexpr double kFar = 1e4;

bool IsFar(const Window& w, double a, double b, NearBound& n) {
  if (w.alpha >= 0.0) {
    n = {w.alpha, w.width, a, 1.0};
  } else if (w.beta <= 0.0) {
    n = {-w.beta, w.width, b, -1.0};
  } else {
    return false;
  }
  return n.c * std::fmax(n.c, 1.0 / n.width) > kFar;
}

// The mass of offsets [s, t] over phi(c + s), t - s given.
double OffsetMass(const NearBound& n, double s, double width) {
  return NormalWindowMass(n.c + s, n.c + s + width, width).scaled;
}

// phi(c + t) / phi(c).
double OffsetDensity(const NearBound& n, double t) { return std::exp(-0.5 * t * (2.0 * n.c + t)); }

struct Shares {
  double nearer;
  double beyond;
};

// The shares of the window's mass on either side of offset t, with rest
// the width beyond t: nearer the bound and beyond, the smaller of the two
// computed directly.
Shares OffsetShares(const NearBound& n, double t, double rest) {
  const double whole = OffsetMass(n, 0.0, n.width);
  const double nearer = OffsetMass(n, 0.0, t) / whole;
  if (nearer <= 0.5) return {nearer, 1.0 - nearer};
  const double beyond = OffsetDensity(n, t) * (OffsetMass(n, t, rest) / whole);
  return {1.0 - beyond, beyond};
}

// The offset below which the window holds the share q, by the same climb
// as LowerQuantile.
double NearerQuantile(double q, const NearBound& n, double top) {
  const double target = std::log(q);
  const double whole = OffsetMass(n, 0.0, n.width);
  const auto gap = [&](double t) { return std::log(OffsetMass(n, 0.0, t) / whole) - target; };
  double t = top * q;
  for (int i = 0; i < kHalvings && !(gap(t) <= 0.0); ++i) t = 0.5 * t;
  for (int i = 0; i < kNewtonSteps; ++i) {
    const double step = -gap(t) / (OffsetDensity(n, t) / OffsetMass(n, 0.0, t));
    if (!(step > 4e-16 * t) || !(t + step <= top)) break;
    t += step;
  }
  return t;
}

// The offset beyond which the window holds the share q, as UpperQuantile.
double BeyondQuantile(double q, const NearBound& n, double top) {
  const double target = std::log(q);
  const double whole = OffsetMass(n, 0.0, n.width);
  const auto gap = [&](double t) {
    return -0.5 * t * (2.0 * n.c + t) + std::log(OffsetMass(n, t, n.width - t) / whole) - target;
  };
  double t = top - top * q;
  for (int i = 0; i < kHalvings && !(gap(t) <= 0.0); ++i) t = top - 0.5 * (top - t);
  for (int i = 0; i < kNewtonSteps; ++i) {
    const double step = -gap(t) * OffsetMass(n, t, n.width - t);
    if (!(step > 4e-16 * t) || !(t - step >= 0.0)) break;
    t -= step;
  }
  return t;
}

double FarQuantile(double prob, const NearBound& n, double sigma) {
  const double top = std::fmin(n.width, Reach(n.c, kReach));
  // The share between the bound and the quantile, and its complement, each
  // exact: probabilities below prob lie nearer the bound when it is the lower
  // one.
  const double nearer = n.direction > 0.0 ? prob : 1.0 - prob;
  const double beyond = n.direction > 0.0 ? 1.0 - prob : prob;
  const double t = nearer <= 0.5 ? NearerQuantile(nearer, n, top) : BeyondQuantile(beyond, n, top);
  return n.bound + n.direction * (sigma * t);
}

// Central moments of u in [0, 1] under the weight exp(logWeight(u)), by
// 24 panels of eight-point Gauss-Legendre.
struct UnitMoments {
  double mean;
  double m2;
  double m3;
  double m4;
};

constexpr int kPanels = 24;
constexpr int kPoints = 8;
constexpr double kNode[4] = {0.18343464249564978, 0.525532409916329, 0.7966664774136267, 0.9602898564975362};
constexpr double kWeight[4] = {0.36268378337836177, 0.31370664587788705, 0.22238103445337434, 0.10122853629037669};

template <class LogWeight>
UnitMoments Integrate(LogWeight logWeight) {
  double u[kPanels * kPoints];
  double f[kPanels * kPoints];
  double mass = 0.0;
  double first = 0.0;
  for (int p = 0; p < kPanels; ++p) {
    for (int i = 0; i < kPoints; ++i) {
      const double node = i < 4 ? -kNode[3 - i] : kNode[i - 4];
      const double weight = i < 4 ? kWeight[3 - i] : kWeight[i - 4];
      const int k = p * kPoints + i;
      u[k] = (p + 0.5 + 0.5 * node) / kPanels;
      f[k] = weight * std::exp(logWeight(u[k]));
      mass += f[k];
      first += f[k] * u[k];
    }
  }
  const double mean = first / mass;
  double m2 = 0.0, m3 = 0.0, m4 = 0.0;
  for (int k = 0; k < kPanels * kPoints; ++k) {
    const double d = u[k] - mean;
    const double d2 = d * d;
    m2 += f[k] * d2;
    m3 += f[k] * d2 * d;
    m4 += f[k] * d2 * d2;
  }
  return {mean, m2 / mass, m3 / mass, m4 / mass};
}

// Beyond e^-45 of the densest point the density adds nothing to a moment.
constexpr double kMomentReach = 45.0;

Moments FromUnit(const UnitMoments& m, double origin, double span) {
  return {origin + span * m.mean, span * std::sqrt(m.m2), m.m3 / (m.m2 * std::sqrt(m.m2)), m.m4 / (m.m2 * m.m2) - 3.0};
}

// alpha >= 0: the density falls from a across the window. With alpha past
// the range of doubles the window holds an exponential tail too steep to
// resolve: its limit, a point at a with the exponential's shape.
Moments UpperMoments(double a, double b, double mu, double sigma) {
  const Window w = Standardise(a, b, mu, sigma);
  if (w.alpha == INFINITY) return {a, 0.0, 2.0, 6.0};
  const double reach = Reach(w.alpha, kMomentReach);
  const bool clipped = reach < w.width;
  const double h = clipped ? reach : w.width;
  const UnitMoments m = Integrate([&](double u) {
    const double d = h * u;
    return -0.5 * d * (2.0 * w.alpha + d);
  });
  return FromUnit(m, a, clipped ? sigma * h : b - a);
}

Moments StraddlingMoments(double a, double b, double mu, double sigma) {
  const Window w = Standardise(a, b, mu, sigma);
  const double reach = std::sqrt(2.0 * kMomentReach);
  const bool lowClipped = w.alpha < -reach;
  const bool highClipped = w.beta > reach;
  const double low = lowClipped ? -reach : w.alpha;
  const double h = (highClipped ? reach : w.beta) - low;
  const UnitMoments m = Integrate([&](double u) {
    const double z = low + h * u;
    return -0.5 * z * z;
  });
  const double origin = lowClipped ? mu - sigma * reach : a;
  return FromUnit(m, origin, lowClipped || highClipped ? sigma * h : b - a);
}

}  // namespace

double StableTruncNormCdf(double x, double a, double b, double mu, double sigma) {
  if (x <= a) return 0.0;
  if (x >= b) return 1.0;
  const Window w = Standardise(a, b, mu, sigma);
  if (w.alpha == INFINITY) return 1.0;
  if (w.beta == -INFINITY) return 0.0;
  NearBound n;
  if (IsFar(w, a, b, n)) {
    if (n.direction > 0.0) return OffsetShares(n, (x - a) / sigma, (b - x) / sigma).nearer;
    return OffsetShares(n, (b - x) / sigma, (x - a) / sigma).beyond;
  }
  const double z = (x - mu) / sigma;
  const double below = NormalMassRatio(w.alpha, z, (x - a) / sigma, w.alpha, w.beta, w.width);
  if (below <= 0.5) return below;
  return 1.0 - NormalMassRatio(z, w.beta, (b - x) / sigma, w.alpha, w.beta, w.width);
}

double StableTruncNormPdf(double x, double a, double b, double mu, double sigma) {
  const Window w = Standardise(a, b, mu, sigma);
  NearBound n;
  if (IsFar(w, a, b, n)) {
    return OffsetDensity(n, n.direction * (x - n.bound) / sigma) / (sigma * OffsetMass(n, 0.0, n.width));
  }
  const WindowMass whole = NormalWindowMass(w.alpha, w.beta, w.width);
  return DensityRatio((x - mu) / sigma, whole.anchor) / (sigma * whole.scaled);
}

double StableTruncNormQuantile(double prob, double a, double b, double mu, double sigma) {
  const Window w = Standardise(a, b, mu, sigma);
  // Windows beyond the range of doubles in standard units: all mass at the
  // bound nearer mu.
  if (w.alpha == INFINITY) return a;
  if (w.beta == -INFINITY) return b;
  NearBound n;
  if (IsFar(w, a, b, n)) return std::fmin(std::fmax(FarQuantile(prob, n, sigma), a), b);
  const Bracket e = Effective(w);
  const double z = prob <= 0.5 ? LowerQuantile(prob, w, e) : UpperQuantile(1.0 - prob, w, e);
  const double x = mu + sigma * z;
  if (x < a) return a;
  if (x > b) return b;
  return x;
}

Moments StableTruncNormMoments(double a, double b, double mu, double sigma) {
  const Window w = Standardise(a, b, mu, sigma);
  if (w.alpha >= 0.0) return UpperMoments(a, b, mu, sigma);
  if (w.beta <= 0.0) {
    const Moments m = UpperMoments(-b, -a, -mu, sigma);
    return {-m.mean, m.stdev, -m.skew, m.kurt};
  }
  return StraddlingMoments(a, b, mu, sigma);
}

}  // namespace Zq::Math
