// The family seen from the targets: in units of the target deviation around
// the target mean, a member's log density is x0 y - y^2 e^(-2 x1) / 2 up to
// its mass. x0 is the slope at the target mean and sigma = stdev e^x1, so
// mu = mean + stdev x0 e^(2 x1). At a fixed x1 the mean rises with x0 (x0 is
// the natural parameter of y), so one search in x0 matches the mean. Along
// those matched members the deviation rises with x1, from 0 towards the
// truncated exponential's as sigma grows, so a search in x1 matches it.
// Both searches keep a bracket and end at neighbouring doubles or an exact
// match: where the targets pin the parameters down only weakly (a window
// that sees an almost exponential tail) Newton's method in both unknowns at
// once runs along the nearly flat direction instead. Last, mu stays fixed
// and sigma alone matches the deviation: where the deviation is tiny next
// to mu, one unit in the last place of mu moves it by more than its
// tolerance.
#include "distributions/truncated_normal_fit.h"

#include <cmath>

#include "distributions/truncated_normal.h"

namespace Zq::Math {
namespace {

// Enough halvings to reach neighbouring doubles from any bracket.
constexpr int kSearchSteps = 2200;
// The expansions that look for a bracket: steps doubling from their first.
constexpr int kExpansions = 120;
// log(sigma / stdev) where the search for sigma starts.
constexpr double kBelowStdev = -0.01;
// Past this the scale's square overflows mu for any target.
constexpr double kLargestLogScale = 300.0;

struct Point {
  double x;
  double gap;  // the function's value; NaN where it cannot be evaluated
};

// The root of gap between lo and hi (their gaps of opposite signs or zero):
// regula falsi, halving the bracket whenever a step fails to halve it,
// until the gap is zero or the bracket holds no double between its ends.
// The end with the smaller gap.
template <class Gap>
Point Bracketed(Gap gap, Point lo, Point hi) {
  for (int i = 0; i < kSearchSteps; ++i) {
    if (lo.gap == 0.0) return lo;
    if (hi.gap == 0.0) return hi;
    const double mid = lo.x + 0.5 * (hi.x - lo.x);
    if (!(mid > std::fmin(lo.x, hi.x) && mid < std::fmax(lo.x, hi.x))) break;
    double x = lo.x - lo.gap * (hi.x - lo.x) / (hi.gap - lo.gap);
    const bool inside = x > std::fmin(lo.x, hi.x) && x < std::fmax(lo.x, hi.x);
    if (!inside || i % 3 == 2) x = mid;
    const Point p{x, gap(x)};
    if (std::isnan(p.gap)) return {p.x, NAN};
    if ((p.gap < 0.0) == (lo.gap < 0.0)) lo = p;
    else hi = p;
  }
  return std::fabs(lo.gap) <= std::fabs(hi.gap) ? lo : hi;
}

// From start, steps doubling in the direction in which gap (rising in x)
// approaches its sign change. Found: the root. Not found, because the range
// ends or (with levelEnds) a step leaves gap as it was: the point nearest the
// change, with found false, so that a caller may still take it.
template <class Gap>
Point Search(Gap gap, double start, double firstStep, double lowest, double highest, bool levelEnds, bool& found) {
  found = true;
  Point near{start, gap(start)};
  if (std::isnan(near.gap) || near.gap == 0.0) return near;
  const double direction = near.gap < 0.0 ? 1.0 : -1.0;
  double step = firstStep;
  for (int i = 0; i < kExpansions; ++i, step *= 2.0) {
    const double x = std::fmin(std::fmax(near.x + direction * step, lowest), highest);
    if (x == near.x) break;
    const Point far{x, gap(x)};
    if (std::isnan(far.gap)) return far;
    if ((far.gap < 0.0) != (near.gap < 0.0) || far.gap == 0.0) return Bracketed(gap, near, far);
    if (levelEnds && far.gap == near.gap) break;
    near = far;
  }
  found = false;
  return near;
}

struct Targets {
  double min, max, mean, stdev;
};

struct Member {
  double mu, sigma;
};

Member At(const Targets& t, double x0, double x1) {
  const double scale = std::exp(x1);
  return {t.mean + x0 * (t.stdev * scale * scale), t.stdev * scale};
}

Moments MomentsOf(const Targets& t, const Member& p) {
  if (!std::isfinite(p.mu) || !(p.sigma > 0.0) || !std::isfinite(p.sigma)) return {NAN, NAN, NAN, NAN};
  return TruncNormMoments(t.min, t.max, p.mu, p.sigma);
}

// The slope x0 at which the member with log scale x1 has the target mean,
// searched from the slope found last.
Point SlopeForMean(const Targets& t, double x1, double from) {
  const auto gap = [&](double x0) { return MomentsOf(t, At(t, x0, x1)).mean - t.mean; };
  bool found = false;
  const Point p = Search(gap, from, 0x1p-20 * (1.0 + std::fabs(from)), -1e300, 1e300, false, found);
  return found ? p : Point{p.x, NAN};
}

// sigma with mu fixed, matching the deviation; the member given when no
// nearby sigma does better.
Member MatchDeviation(const Targets& t, const Member& p) {
  const auto gap = [&](double logSigma) { return MomentsOf(t, {p.mu, std::exp(logSigma)}).stdev - t.stdev; };
  const double start = std::log(p.sigma);
  bool found = false;
  const Point best = Search(gap, start, 0x1p-40 * (1.0 + std::fabs(start)), start - 1.0, start + 1.0, false, found);
  if (!(std::fabs(best.gap) <= std::fabs(gap(start)))) return p;
  return {p.mu, std::exp(best.x)};
}

}  // namespace

bool TruncNormFitToRounding(double min, double max, double mean, double stdev, double& mu, double& sigma) {
  const Targets t{min, max, mean, stdev};
  double slope = 0.0;
  const auto gap = [&](double x1) {
    const Point s = SlopeForMean(t, x1, slope);
    if (std::isnan(s.gap)) return static_cast<double>(NAN);
    slope = s.x;
    return MomentsOf(t, At(t, s.x, x1)).stdev - t.stdev;
  };
  // Truncation only narrows a normal: below sigma = stdev every member
  // falls short of the deviation, so the search starts just below it and
  // widens sigma. Where the mean is too coarse to tell members apart, the
  // deviation may level off just short of its target: the search stops
  // there, and the last pass matches the deviation.
  bool found = false;
  const Point scale = Search(gap, kBelowStdev, 0.5, kBelowStdev, kLargestLogScale, true, found);
  if (std::isnan(scale.gap)) return false;
  // The last slope evaluated may belong to the bracket's other end.
  const Point s = SlopeForMean(t, scale.x, slope);
  if (std::isnan(s.gap)) return false;
  const Member p = MatchDeviation(t, At(t, s.x, scale.x));
  mu = p.mu;
  sigma = p.sigma;
  return true;
}

}  // namespace Zq::Math
