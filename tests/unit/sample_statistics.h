// Goodness-of-fit statistics for the generator tests. Every sample comes
// from a fixed seed, so a test either always passes or always fails; the
// thresholds are the 0.1% critical values, far from any sound sample yet
// crossed at once by a wrong transform.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include <boost/math/distributions/chi_squared.hpp>

namespace Zq::Testing {

// Kolmogorov's sqrt(n) * D at the 0.1% level.
constexpr double kKolmogorovCritical = 1.95;

// sqrt(n) times the largest distance between the sample's empirical
// distribution function and `cdf`.
template <class Cdf>
double KolmogorovStatistic(std::vector<double> sample, Cdf&& cdf) {
  std::sort(sample.begin(), sample.end());
  const double n = static_cast<double>(sample.size());
  double distance = 0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    const double f = cdf(sample[i]);
    distance = std::max({distance, std::abs(f - i / n), std::abs((i + 1) / n - f)});
  }
  return std::sqrt(n) * distance;
}

struct Moments {
  double mean;
  double variance;
};

inline Moments SampleMoments(const std::vector<double>& sample) {
  double sum = 0;
  for (double x : sample) sum += x;
  const double mean = sum / sample.size();
  double squares = 0;
  for (double x : sample) squares += (x - mean) * (x - mean);
  return {mean, squares / sample.size()};
}

// Pearson's statistic of a count sample against `pmf`, cells with an
// expected count below 5 pooled into their neighbours, and whether it stays
// below the 0.1% critical value of its degrees of freedom.
template <class Pmf>
bool ChiSquareAccepts(const std::vector<double>& sample, Pmf&& pmf) {
  std::map<long, double> observed;
  for (double x : sample) observed[std::lround(x)] += 1;
  const double n = static_cast<double>(sample.size());
  struct Cell {
    double expected;
    double seen;
  };
  std::vector<Cell> cells;
  Cell pending{0, 0};
  double coveredMass = 0;
  for (long k = 0; k <= observed.rbegin()->first; ++k) {
    coveredMass += pmf(k);
    pending.expected += n * pmf(k);
    pending.seen += observed.count(k) ? observed[k] : 0;
    if (pending.expected >= 5) {
      cells.push_back(pending);
      pending = {0, 0};
    }
  }
  // The mass beyond the largest value seen, and any small remainder, join
  // the last cell.
  pending.expected += n * (1 - coveredMass);
  if (cells.empty()) return false;
  cells.back().expected += pending.expected;
  cells.back().seen += pending.seen;
  double statistic = 0;
  for (const Cell& cell : cells) statistic += (cell.seen - cell.expected) * (cell.seen - cell.expected) / cell.expected;
  const boost::math::chi_squared_distribution<double> reference(static_cast<double>(cells.size() - 1));
  return statistic < boost::math::quantile(reference, 0.999);
}

}  // namespace Zq::Testing
