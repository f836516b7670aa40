// The arithmetic of a path is fixed to the last bit; everything around it
// is arranged for speed. Most of a path's time is the chain of divisions
// Q = Q / (1 + 0.5 * Y[e]), each waiting for the previous one, so paths run
// in lock-step groups of kLanes: the chains of different paths are
// independent and the processor overlaps them (two or four to a packed
// division, see DiscountChain), while each path still sees exactly its own
// operations in its own order. The group's twisters are seeded together
// for the same reason. Per-rate constants and the accrual factors
// 0.5 * X + 1 are hoisted, the statistics are accumulated in path order,
// and the path loop allocates nothing.
#include "finance/lfm_simulation.h"

#include <emmintrin.h>

#include "numerics/processor_features.h"

#if ZQ_RUNTIME_AVX
#include <immintrin.h>
#endif

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "distributions/normal.h"
#include "numerics/special_values.h"
#include "random/mersenne_twister.h"
#include "random/polar_method.h"

namespace Zq::Math {

namespace {

constexpr int kLanes = 8;
// Rough work of one normal variate, for the stop request's count.
constexpr std::uint64_t kWorkPerNormal = 32;

// One rate index's discount chain for a group's paths: for m = 0 .. n - 1,
// Q = Q / divisors[e] for e = 0 .. m (divisors[e] is lane row e), then
// A = A + 0.5 * Q. Packed divisions cost the divider what single ones do,
// so the lanes go two (SSE2) or four (AVX) to a register.
using DiscountChain = void (*)(double* Q, double* A, const double* divisors, int n);

void DiscountChainSse2(double* Q, double* A, const double* divisors, int n) {
  __m128d q[kLanes / 2], a[kLanes / 2];
  for (int h = 0; h < kLanes / 2; ++h) {
    q[h] = _mm_loadu_pd(Q + 2 * h);
    a[h] = _mm_loadu_pd(A + 2 * h);
  }
  for (int m = 0; m < n; ++m) {
    for (int e = 0; e <= m; ++e) {
      for (int h = 0; h < kLanes / 2; ++h) q[h] = _mm_div_pd(q[h], _mm_loadu_pd(divisors + e * kLanes + 2 * h));
    }
    for (int h = 0; h < kLanes / 2; ++h) a[h] = _mm_add_pd(a[h], _mm_mul_pd(_mm_set1_pd(0.5), q[h]));
  }
  for (int h = 0; h < kLanes / 2; ++h) {
    _mm_storeu_pd(Q + 2 * h, q[h]);
    _mm_storeu_pd(A + 2 * h, a[h]);
  }
}

#if ZQ_RUNTIME_AVX
// Four registers in all.
__attribute__((target("avx"))) void DiscountChainAvx(double* Q, double* A, const double* divisors, int n) {
  static_assert(kLanes == 8, "two registers of four lanes");
  __m256d q0 = _mm256_loadu_pd(Q), q1 = _mm256_loadu_pd(Q + 4);
  __m256d a0 = _mm256_loadu_pd(A), a1 = _mm256_loadu_pd(A + 4);
  for (int m = 0; m < n; ++m) {
    for (int e = 0; e <= m; ++e) {
      q0 = _mm256_div_pd(q0, _mm256_loadu_pd(divisors + e * kLanes));
      q1 = _mm256_div_pd(q1, _mm256_loadu_pd(divisors + e * kLanes + 4));
    }
    a0 = _mm256_add_pd(a0, _mm256_mul_pd(_mm256_set1_pd(0.5), q0));
    a1 = _mm256_add_pd(a1, _mm256_mul_pd(_mm256_set1_pd(0.5), q1));
  }
  _mm256_storeu_pd(Q, q0);
  _mm256_storeu_pd(Q + 4, q1);
  _mm256_storeu_pd(A, a0);
  _mm256_storeu_pd(A + 4, a1);
}
#endif

DiscountChain ChooseDiscountChain() {
#if ZQ_RUNTIME_AVX
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx")) return DiscountChainAvx;
#endif
  return DiscountChainSse2;
}

// Chosen once when the library loads.
const DiscountChain kDiscountChain = ChooseDiscountChain();

// Scheme 1's normals for one path: MT19937 re-seeded from {seed, path}.
class MersenneLane {
 public:
  void Configure(std::uint32_t seed, bool inversion, bool antithetic) {
    seed_ = seed;
    inversion_ = inversion;
    antithetic_ = antithetic;
  }

  // The key of a path's twister; the path then starts with Restart.
  void Key(std::int32_t path, std::uint32_t* key) const {
    key[0] = seed_;
    key[1] = static_cast<std::uint32_t>(antithetic_ ? path / 2 : path);
  }
  MersenneTwister* Twister() { return &twister_; }

  void Restart(std::int32_t path) {
    read_ = MersenneTwister::kStateSize;
    hasCached_ = false;
    negate_ = antithetic_ && path % 2 == 1;
  }

  double Next() {
    const double z = inversion_ ? NormCdfInv(Uniform()) : Polar();
    return negate_ ? -z : z;
  }

 private:
  double Uniform() {
    if (read_ == MersenneTwister::kStateSize) {
      twister_.NextBlock(words_);
      read_ = 0;
    }
    return (words_[read_++] + 0.5) * 2.3283064365386963e-10;  // 2^-32
  }

  double Polar() {
    if (hasCached_) {
      hasCached_ = false;
      return cached_;
    }
    hasCached_ = true;
    return PolarPair([this] { return Uniform(); }, 1.1920928955078125e-07, cached_);
  }

  MersenneTwister twister_;
  std::uint32_t words_[MersenneTwister::kStateSize];
  int read_ = MersenneTwister::kStateSize;
  std::uint32_t seed_ = 0;
  bool inversion_ = false;
  bool antithetic_ = false;
  bool negate_ = false;
  bool hasCached_ = false;
  double cached_ = 0;
};

// Gives each lane of a group its path's normals from MT19937.
class MersenneSource {
 public:
  MersenneSource(std::int32_t seed, bool inversion, bool antithetic) {
    for (MersenneLane& lane : lanes_) lane.Configure(static_cast<std::uint32_t>(seed), inversion, antithetic);
  }

  bool StartGroup(std::int32_t firstPath, int /*active*/, std::int64_t /*normalsPerPath*/, StopRequest& /*stop*/) {
    std::uint32_t keys[kLanes][2];
    MersenneTwister* twisters[kLanes];
    for (int b = 0; b < kLanes; ++b) {
      lanes_[b].Key(firstPath + b, keys[b]);
      twisters[b] = lanes_[b].Twister();
      lanes_[b].Restart(firstPath + b);
    }
    MersenneTwister::InitByArrays(twisters, kLanes, keys[0], 2);
    return true;
  }
  void EndGroup(int /*active*/) {}
  double Next(int lane) { return lanes_[lane].Next(); }

 private:
  MersenneLane lanes_[kLanes];
};

// Scheme 4's normals come from one stream, path after path. Lane b of a
// group starts from the stream advanced past the b paths before it (a
// path draws exactly n * M normals); the stream continues from where the
// group's last path stopped.
class LegacySource {
 public:
  explicit LegacySource(ShuffledMinimalStandard& stream) : stream_(stream) {}

  // False when stopped while advancing.
  bool StartGroup(std::int32_t /*firstPath*/, int active, std::int64_t normalsPerPath, StopRequest& stop) {
    ShuffledMinimalStandard cursor = stream_;
    for (int b = 0; b < kLanes; ++b) {
      lanes_[b] = cursor;
      if (b + 1 < active) {
        for (std::int64_t i = 0; i < normalsPerPath; ++i) {
          cursor.NextNormal();
          if (stop.Poll(kWorkPerNormal)) return false;
        }
      }
    }
    return true;
  }
  void EndGroup(int active) { stream_ = lanes_[active - 1]; }
  double Next(int lane) { return lanes_[lane].NextNormal(); }

 private:
  ShuffledMinimalStandard& stream_;
  ShuffledMinimalStandard lanes_[kLanes];
};

constexpr LfmStatistics kStopped{kNaN, kNaN, kNaN};

// The volatility of the forward rate that fixes t years ahead: a hump of
// about 0.16 a year out over a floor of 0.08089168 at long tenors.
double ForwardRateVolatility(double t) {
  return (0.0134498 + 0.19085664 * t) * std::exp(-0.97462314 * t) + 0.08089168;
}

template <class Source>
LfmStatistics Simulate(const LfmInputs& in, Source& source, StopRequest& stop) {
  const int n = in.rates;
  const int q = in.numeraire;
  const double dt = in.horizon / in.steps;
  const double sqrtDt = std::sqrt(dt);
  // Per rate k: sigma[k], 0.5 * sigma[k] * sigma[k] * dt and sigma[k] * sqrt(dt).
  std::vector<double> sigma(n), halfVarianceDt(n), volatilityRootDt(n);
  for (int i = 1; i <= n; ++i) {
    const double s = ForwardRateVolatility(i * dt);
    sigma[i - 1] = s;
    halfVarianceDt[i - 1] = 0.5 * s * s * dt;
    volatilityRootDt[i - 1] = s * sqrtDt;
  }
  // X(i)[b] and accrual(i)[b] = 0.5 * X(i)[b] + 1 of lane b, lanes side by
  // side. accrual(e + 1) is also the discount divisor 1 + 0.5 * Y[e].
  std::vector<double> xStore(static_cast<std::size_t>(n + 1) * kLanes);
  std::vector<double> accrualStore(static_cast<std::size_t>(n + 1) * kLanes);
  double* const xLanes = xStore.data();
  double* const accrualLanes = accrualStore.data();
  const auto X = [xLanes](int i) { return xLanes + static_cast<std::size_t>(i) * kLanes; };
  const auto accrual = [accrualLanes](int i) { return accrualLanes + static_cast<std::size_t>(i) * kLanes; };
  const double logInitialRate = std::log(in.initialRate);
  const auto rho = [&](int row, int column) { return in.correlation[static_cast<std::size_t>(row) * n + column]; };
  const std::int64_t normalsPerPath = static_cast<std::int64_t>(n) * in.steps;
  // Work of one rate's drift and draw, and of one rate's discount chain, for a group.
  const std::uint64_t rateWork = kLanes * (static_cast<std::uint64_t>(n) + kWorkPerNormal);
  const std::uint64_t chainWork = kLanes * (static_cast<std::uint64_t>(n) * (n + 1) / 2 + 1);

  double sumU = 0, sumU2 = 0;
  // 64-bit, so that stepping past the largest path count cannot overflow.
  for (std::int64_t first = 0; first < in.paths; first += kLanes) {
    const int active = in.paths - first < kLanes ? static_cast<int>(in.paths - first) : kLanes;
    if (!source.StartGroup(static_cast<std::int32_t>(first), active, normalsPerPath, stop)) return kStopped;
    double P[kLanes], Q[kLanes], plus[kLanes], minus[kLanes], A[kLanes], U[kLanes];
    for (int b = 0; b < kLanes; ++b) {
      X(0)[b] = in.initialRate;
      accrual(0)[b] = 0.5 * X(0)[b] + 1;
      for (int i = 1; i <= n; ++i) {
        X(i)[b] = 0;
        accrual(i)[b] = 1;
      }
      P[b] = Q[b] = 1;
      plus[b] = minus[b] = A[b] = U[b] = 0;
    }
    for (std::int32_t step = 0; step < in.steps; ++step) {
      for (int k = 0; k < n; ++k) {
        const double sk = sigma[k];
        if (k >= q - 1) {
          for (int l = q - 1; l <= k; ++l) {
            const double c = rho(k, l) * 0.5 * sk;
            for (int b = 0; b < kLanes; ++b) plus[b] += c * X(l)[b] / accrual(l)[b] * dt;
          }
        } else {
          for (int l = k + 1; l <= q - 2; ++l) {
            const double c = rho(l, k) * 0.5 * sk;
            for (int b = 0; b < kLanes; ++b) minus[b] += c * X(l)[b] / accrual(l)[b] * dt;
          }
        }
        for (int b = 0; b < kLanes; ++b) {
          const double z = source.Next(b);
          const double logX = (k == 0 ? logInitialRate : std::log(X(k)[b])) + sk * (plus[b] - minus[b]) -
                              halfVarianceDt[k] + volatilityRootDt[k] * z;
          X(k + 1)[b] = std::exp(logX);
          accrual(k + 1)[b] = 0.5 * X(k + 1)[b] + 1;
        }
        if (stop.Poll(rateWork)) return kStopped;
      }
      // Once Q has reached 0 it stays 0 and leaves A unchanged, unless a
      // NaN divisor turns it into NaN: when that holds for every lane only
      // P needs its divisions.
      bool quiet = true;
      for (int b = 0; b < kLanes; ++b) {
        quiet = quiet && Q[b] == 0;
        for (int e = 1; quiet && e <= n; ++e) quiet = !std::isnan(accrual(e)[b]);
      }
      for (int l = 0; l < n; ++l) {
        for (int b = 0; b < kLanes; ++b) P[b] = P[b] / accrual(l + 1)[b];
        if (quiet) continue;
        kDiscountChain(Q, A, accrual(1), n);
        if (stop.Poll(chainWork)) return kStopped;
      }
      for (int b = 0; b < kLanes; ++b) {
        const double s = (1 - P[b]) / A[b] - in.strike;
        const double payoff = std::isfinite(s) ? (s > 0 ? s : 0.0) : kNaN;
        U[b] += payoff * A[b];
      }
    }
    for (int b = 0; b < active; ++b) {
      sumU += U[b];
      sumU2 += U[b] * U[b];
    }
    source.EndGroup(active);
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

LfmStatistics SimulateLfmMersenne(const LfmInputs& inputs, std::int32_t seed, bool inversion, bool antithetic,
                                  StopRequest& stop) {
  MersenneSource source(seed, inversion, antithetic);
  return Simulate(inputs, source, stop);
}

LfmStatistics SimulateLfmLegacy(const LfmInputs& inputs, std::int32_t seed, ShuffledMinimalStandard& generator,
                                StopRequest& stop) {
  LegacyRand rand;
  rand.Seed(static_cast<std::uint32_t>(seed));
  generator.SetState(rand.Next() % 100);
  LegacySource source(generator);
  return Simulate(inputs, source, stop);
}

}  // namespace Zq::Math
