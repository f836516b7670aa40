// Asked but not stopped, a long kernel keeps its bits; stopped at any of its
// questions, it gives up as on failure. A request asks no sooner than due.
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "finance/lfm_simulation.h"
#include "multivariate/random_multi_normal.h"
#include "multivariate/semidefinite.h"
#include "multivariate/symmetric_eigen.h"

namespace {

using namespace Zq::Math;
using Bits = std::vector<std::uint64_t>;

// Counts its questions; answers true at the stopAt-th (never when 0).
struct Asker {
  int asked = 0, stopAt = 0;
};
bool Ask(void* context) { auto& asker = *static_cast<Asker*>(context); return ++asker.asked == asker.stopAt; }

Bits BitsOf(std::initializer_list<double> values) {
  Bits bits;
  for (double v : values) bits.push_back(std::bit_cast<std::uint64_t>(v));
  return bits;
}

// Symmetric with a heavy diagonal and no two entries alike.
Matrix TestMatrix(int n) {
  Matrix a(n, n, Init::Zero);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) a(i, j) = i == j ? n + 1.0 : 1.0 / (1 + i + j);
  return a;
}

// A run's success and the bits of what it answered.
using Kernel = std::function<std::pair<bool, Bits>(StopRequest&)>;

TEST(StopRequest, KernelsAskedButNotStoppedKeepTheirBitsAndStopAtAnyQuestion) {
  const Kernel eigen = [](StopRequest& stop) {
    Matrix z(64, 64, Init::Zero);
    Vector d(64, Init::Zero);
    const bool ok = SymmetricEigen(d, z, TestMatrix(64), stop);
    return std::pair{ok, BitsOf({d[0], d[63], z(0, 0), z(63, 63)})};
  };
  // Its set-up runs two SVDs, an inversion and a product besides the pre-draw.
  const Kernel sampler = [](StopRequest& stop) {
    Vector mean(40, Init::Zero), x(40, Init::Zero), z(40, Init::Zero);
    RandomMultiNormal s;
    if (!s.InitMultiNormal(mean, TestMatrix(40), NormalOptions{.resampling = true}, 100, 1, 2,
                           RandomAlgorithm::Mt2002, stop))
      return std::pair{false, Bits{}};
    s.NextVector(x, z);
    return std::pair{true, BitsOf({x[0], x[39], s.Factor()(39, 0)})};
  };
  const Kernel semidefinite = [](StopRequest& stop) {
    return std::pair{IsCorrelationSemidefinite(TestMatrix(160), stop), Bits{}};
  };
  std::vector<Kernel> kernels = {eigen, sampler, semidefinite};
  for (bool legacy : {false, true})
    kernels.push_back([legacy](StopRequest& stop) {
      static const std::vector<double> rho = {1, 0.5, 0.2, 0.5, 1, 0.5, 0.2, 0.5, 1};
      const LfmInputs in{rho.data(), 3, 0.05, 0.04, 2.0, 256, 10, 2};
      ShuffledMinimalStandard generator;
      const LfmStatistics s =
          legacy ? SimulateLfmLegacy(in, 7, generator, stop) : SimulateLfmMersenne(in, 7, false, true, stop);
      return std::pair{!std::isnan(s.mean), BitsOf({s.mean, s.deviation, s.standardError})};
    });
  for (const Kernel& run : kernels) {
    const auto plain = run(StopRequest::Never());
    ASSERT_TRUE(plain.first);
    Asker patient;
    StopRequest asked(Ask, &patient, StopRequest::Clock::duration::zero());  // asks at every clock reading
    EXPECT_EQ(run(asked), plain);
    ASSERT_GT(patient.asked, 1);
    for (int stopAt = 1; stopAt <= patient.asked; ++stopAt) {
      Asker breaking{0, stopAt};
      StopRequest broken(Ask, &breaking, StopRequest::Clock::duration::zero());
      EXPECT_FALSE(run(broken).first) << "stopped at question " << stopAt;
      EXPECT_EQ(breaking.asked, stopAt);
    }
  }
}

TEST(StopRequest, AsksAfterEnoughWorkAndOncePerInterval) {
  EXPECT_FALSE(StopRequest::Never().Poll(~std::uint64_t{0}));
  Asker breaking{0, 1};
  StopRequest timed(Ask, &breaking);
  EXPECT_FALSE(timed.Poll(StopRequest::kWorkPerClockReading - 1));
  const auto start = StopRequest::Clock::now();
  while (!timed.Poll(StopRequest::kWorkPerClockReading)) {
  }
  EXPECT_GE(StopRequest::Clock::now() - start + std::chrono::milliseconds(1), StopRequest::kAskInterval);
  EXPECT_TRUE(timed.Poll(0));  // stays stopped without asking again
  EXPECT_EQ(breaking.asked, 1);
}

}  // namespace
