// Monte Carlo of simple forward rates with half-year accrual under lognormal
// steps: the discounted mean, deviation and standard error of the payoff.
#pragma once

#include <cstdint>
#include <optional>

#include "finance/lfm_generators.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

struct LfmInputs {
  const double* correlation;  // n x n, row by row; only the lower triangle is read
  int rates;                  // n
  double initialRate;         // r0
  double strike;
  double horizon;             // T > 0
  std::int32_t paths;         // N
  std::int32_t steps;         // M >= 1
  std::int32_t numeraire;     // 1 <= q <= n
};

// The schemes by the numbers the worksheet selects them with; no scheme
// answers to 2 or 3.
enum class LfmScheme { Mersenne = 1, Legacy = 4 };

// The scheme a worksheet number selects: 0 is taken as 1, and any number
// without a scheme (2, 3, negative or above 4) selects none.
constexpr std::optional<LfmScheme> LfmSchemeOf(int code) {
  if (code == 0 || code == static_cast<int>(LfmScheme::Mersenne)) return LfmScheme::Mersenne;
  if (code == static_cast<int>(LfmScheme::Legacy)) return LfmScheme::Legacy;
  return std::nullopt;
}

struct LfmStatistics {
  double mean;
  double deviation;
  double standardError;
};

// Both schemes poll `stop` as they go; once it asks to stop, the three
// statistics are NaN.

// LfmScheme::Mersenne: MT19937 re-seeded per path j with the key {seed, j} (or
// {seed, j / 2} with antithetic paths, odd paths negated), normals by
// inversion or by the polar method.
LfmStatistics SimulateLfmMersenne(const LfmInputs& inputs, std::int32_t seed, bool inversion, bool antithetic,
                                  StopRequest& stop = StopRequest::Never());

// LfmScheme::Legacy: normals from `generator`, whose table and cached normal carry
// over from call to call; each call first sets its state from the classic
// srand(seed)/rand() pair, modulo 100. Paths are not re-seeded. A stopped
// call leaves the generator where its last whole group of paths left it.
LfmStatistics SimulateLfmLegacy(const LfmInputs& inputs, std::int32_t seed, ShuffledMinimalStandard& generator,
                                StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
