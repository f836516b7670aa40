// The arithmetic of a path is fixed to the last bit; around it everything
// is hoisted: per-rate constants, the accrual factors 0.5 * X + 1, and the
// state of MT19937's plain initialisation. The path loop allocates nothing.
#include "finance/lfm_simulation.h"

#include <cmath>
#include <limits>
#include <vector>

#include "distributions/normal.h"
#include "finance/lfm_generators.h"

namespace Zq::Math {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class MersenneNormals {
 public:
  MersenneNormals(std::int32_t seed, bool inversion, bool antithetic)
      : seed_(static_cast<std::uint32_t>(seed)), inversion_(inversion), antithetic_(antithetic) {}

  void StartPath(std::int32_t path) {
    const std::uint32_t key[2] = {seed_, static_cast<std::uint32_t>(antithetic_ ? path / 2 : path)};
    twister_.InitByArray(key, 2);
    hasCached_ = false;
    negate_ = antithetic_ && path % 2 == 1;
  }

  double Next() {
    const double z = inversion_ ? NormCdfInv(Uniform()) : Polar();
    return negate_ ? -z : z;
  }

 private:
  double Uniform() { return (twister_.Next() + 0.5) * 2.3283064365386963e-10; }  // 2^-32

  double Polar() {
    if (hasCached_) {
      hasCached_ = false;
      return cached_;
    }
    double a, b, s;
    do {
      a = 2 * Uniform() - 1;
      b = 2 * Uniform() - 1;
      s = a * a + b * b;
    } while (s >= 1 || s <= 1.1920928955078125e-07);
    const double f = std::sqrt(-2 * std::log(s) / s);
    cached_ = a * f;
    hasCached_ = true;
    return b * f;
  }

  MersenneTwister32 twister_;
  std::uint32_t seed_;
  bool inversion_;
  bool antithetic_;
  bool negate_ = false;
  bool hasCached_ = false;
  double cached_ = 0;
};

class LegacyNormals {
 public:
  explicit LegacyNormals(ShuffledMinimalStandard& generator) : generator_(generator) {}
  void StartPath(std::int32_t) {}
  double Next() { return generator_.NextNormal(); }

 private:
  ShuffledMinimalStandard& generator_;
};

template <class Normals>
LfmStatistics Simulate(const LfmInputs& in, Normals& normals) {
  const int n = in.rates;
  const int q = in.numeraire;
  const double dt = in.horizon / in.steps;
  const double sqrtDt = std::sqrt(dt);
  // Per rate k: sigma[k], 0.5 * sigma[k] * sigma[k] * dt and sigma[k] * sqrt(dt).
  std::vector<double> sigma(n), halfVarianceDt(n), volatilityRootDt(n);
  for (int i = 1; i <= n; ++i) {
    const double t = i * dt;
    const double s = (0.0134498 + 0.19085664 * t) * std::exp(-0.97462314 * t) + 0.08089168;
    sigma[i - 1] = s;
    halfVarianceDt[i - 1] = 0.5 * s * s * dt;
    volatilityRootDt[i - 1] = s * sqrtDt;
  }
  // X[0..n] and accrual[i] = 0.5 * X[i] + 1, which is also the discount
  // divisor 1 + 0.5 * Y[i - 1] once rate i has been stepped.
  std::vector<double> X(n + 1), accrual(n + 1);
  const double logInitialRate = std::log(in.initialRate);
  const auto rho = [&](int row, int column) { return in.correlation[static_cast<std::size_t>(row) * n + column]; };

  double sumU = 0, sumU2 = 0;
  for (std::int32_t path = 0; path < in.paths; ++path) {
    normals.StartPath(path);
    X[0] = in.initialRate;
    accrual[0] = 0.5 * X[0] + 1;
    for (int i = 1; i <= n; ++i) {
      X[i] = 0;
      accrual[i] = 1;
    }
    double P = 1, Q = 1, plus = 0, minus = 0, A = 0, U = 0;
    for (std::int32_t step = 0; step < in.steps; ++step) {
      for (int k = 0; k < n; ++k) {
        const double sk = sigma[k];
        if (k >= q - 1) {
          for (int l = q - 1; l <= k; ++l) plus += rho(k, l) * 0.5 * sk * X[l] / accrual[l] * dt;
        } else {
          for (int l = k + 1; l <= q - 2; ++l) minus += rho(l, k) * 0.5 * sk * X[l] / accrual[l] * dt;
        }
        const double z = normals.Next();
        const double logX = (k == 0 ? logInitialRate : std::log(X[k])) + sk * (plus - minus) - halfVarianceDt[k] +
                            volatilityRootDt[k] * z;
        X[k + 1] = std::exp(logX);
        accrual[k + 1] = 0.5 * X[k + 1] + 1;
      }
      // Once Q has reached 0 it stays 0 and leaves A unchanged, unless a
      // NaN divisor turns it into NaN: then only P needs the divisions.
      bool quiet = Q == 0;
      for (int e = 1; quiet && e <= n; ++e) quiet = !std::isnan(accrual[e]);
      for (int l = 0; l < n; ++l) {
        P = P / accrual[l + 1];
        if (quiet) continue;
        for (int m = 0; m < n; ++m) {
          for (int e = 0; e <= m; ++e) Q = Q / accrual[e + 1];
          A += 0.5 * Q;
        }
      }
      const double s = (1 - P) / A - in.strike;
      const double payoff = std::isfinite(s) ? (s > 0 ? s : 0.0) : kNaN;
      U += payoff * A;
    }
    sumU += U;
    sumU2 += U * U;
  }

  // A negative path count has no statistics, like a count of zero.
  const double count = in.paths >= 0 ? static_cast<double>(in.paths) : kNaN;
  const double discount = std::exp(-in.initialRate * in.horizon);
  LfmStatistics result;
  result.mean = (sumU / count) * discount;
  result.deviation = std::sqrt(count * sumU2 - sumU * sumU) / count * discount;
  result.standardError = result.deviation / std::sqrt(count);
  return result;
}

}  // namespace

LfmStatistics SimulateLfmMersenne(const LfmInputs& inputs, std::int32_t seed, bool inversion, bool antithetic) {
  MersenneNormals normals(seed, inversion, antithetic);
  return Simulate(inputs, normals);
}

LfmStatistics SimulateLfmLegacy(const LfmInputs& inputs, std::int32_t seed, ShuffledMinimalStandard& generator) {
  LegacyRand rand;
  rand.Seed(static_cast<std::uint32_t>(seed));
  generator.SetState(rand.Next() % 100);
  LegacyNormals normals(generator);
  return Simulate(inputs, normals);
}

}  // namespace Zq::Math
