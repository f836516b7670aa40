// Stopping long kernels part-way: a request that is asked but never stops
// changes no bit of any kernel's answer; one that stops makes each kernel
// give up as it does on failure. And the request asks no sooner than due.
#include <bit>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "finance/lfm_simulation.h"
#include "multivariate/linear_algebra.h"
#include "multivariate/random_multi_normal.h"
#include "multivariate/symmetric_eigen.h"
#include "numerics/stop_request.h"

namespace {

using namespace Zq::Math;

// Counts its questions; answers true from the stopAt-th on (never when 0).
struct Asker {
  int asked = 0;
  int stopAt = 0;
};

bool Ask(void* context) {
  auto* asker = static_cast<Asker*>(context);
  ++asker->asked;
  return asker->stopAt > 0 && asker->asked >= asker->stopAt;
}

// Asks at every reading of the clock, so that small problems reach it.
StopRequest Eager(Asker& asker) { return StopRequest(Ask, &asker, StopRequest::Clock::duration::zero()); }

// A full symmetric matrix with a dominant diagonal, and different entries.
void FillTestMatrix(const MatrixView& a) {
  for (std::int32_t i = 0; i < a.Rows(); ++i)
    for (std::int32_t j = 0; j < a.Columns(); ++j) a(i, j) = i == j ? a.Rows() + 1.0 : 1.0 / (1 + i + j);
}

void Append(std::vector<std::uint64_t>& bits, ConstMatrixView m) {
  for (std::int32_t i = 0; i < m.Rows(); ++i)
    for (std::int32_t j = 0; j < m.Columns(); ++j) bits.push_back(std::bit_cast<std::uint64_t>(m(i, j)));
}

void Append(std::vector<std::uint64_t>& bits, std::initializer_list<double> values) {
  for (double v : values) bits.push_back(std::bit_cast<std::uint64_t>(v));
}

// A kernel run: the bits of everything it answers, and whether it succeeded.
struct Outcome {
  bool ok = false;
  std::vector<std::uint64_t> bits;
};

constexpr int kOrder = 64;

LfmInputs LfmProblem(const std::vector<double>& rho) {
  return {rho.data(), 3, 0.05, 0.04, 2.0, 256, 10, 2};
}

const std::vector<std::pair<std::string, std::function<Outcome(StopRequest&)>>> kKernels = {
    {"SingularValueDecompose",
     [](StopRequest& stop) {
       Matrix a(kOrder, kOrder, Init::Zero), v(kOrder, kOrder, Init::Zero);
       Vector w(kOrder, Init::Zero);
       FillTestMatrix(a);
       Outcome out{SingularValueDecompose(a, w, v, stop), {}};
       Append(out.bits, a);
       Append(out.bits, v);
       return out;
     }},
    {"SymmetricEigen",
     [](StopRequest& stop) {
       Matrix a(kOrder, kOrder, Init::Zero), z(kOrder, kOrder, Init::Zero);
       Vector d(kOrder, Init::Zero);
       FillTestMatrix(a);
       Outcome out{SymmetricEigen(d, z, a, stop), {}};
       Append(out.bits, z);
       return out;
     }},
    {"Invert",
     [](StopRequest& stop) {
       Matrix a(kOrder, kOrder, Init::Zero), inverse(kOrder, kOrder, Init::Zero);
       FillTestMatrix(a);
       Outcome out{Invert(a, inverse, stop), {}};
       Append(out.bits, inverse);
       return out;
     }},
    {"MatrixProduct",
     [](StopRequest& stop) {
       Matrix a(kOrder, kOrder, Init::Zero), product;
       FillTestMatrix(a);
       Outcome out{MatrixProduct(a, a, product, stop), {}};
       Append(out.bits, product);
       return out;
     }},
    {"RandomMultiNormal with resampling",
     [](StopRequest& stop) {
       constexpr int d = 40;
       Matrix cov(d, d, Init::Zero);
       Vector mean(d, Init::Zero), x(d, Init::Zero), z(d, Init::Zero);
       FillTestMatrix(cov);
       RandomMultiNormal sampler;
       Outcome out{sampler.InitMultiNormal(mean, cov, NormalMethod::BoxMuller, Switch::Disabled, Switch::Enabled, 100,
                                           1, 2, RandomAlgorithm::Mt2002, stop),
                   {}};
       if (out.ok) sampler.NextVector(x, z);
       Append(out.bits, sampler.Factor());
       Append(out.bits, {x[0], x[d - 1]});
       return out;
     }},
    {"LFM scheme 1",
     [](StopRequest& stop) {
       const std::vector<double> rho = {1, 0.5, 0.2, 0.5, 1, 0.5, 0.2, 0.5, 1};
       const LfmStatistics s = SimulateLfmMersenne(LfmProblem(rho), 7, false, true, stop);
       Outcome out{!std::isnan(s.mean), {}};
       Append(out.bits, {s.mean, s.deviation, s.standardError});
       return out;
     }},
    {"LFM scheme 4",
     [](StopRequest& stop) {
       const std::vector<double> rho = {1, 0.5, 0.2, 0.5, 1, 0.5, 0.2, 0.5, 1};
       ShuffledMinimalStandard generator;  // a fresh table every run
       const LfmStatistics s = SimulateLfmLegacy(LfmProblem(rho), 7, generator, stop);
       Outcome out{!std::isnan(s.mean), {}};
       Append(out.bits, {s.mean, s.deviation, s.standardError});
       return out;
     }},
};

TEST(StopRequest, KernelsAskedButNotStoppedGiveTheSameBitsAndStoppedOnesGiveUp) {
  for (const auto& [name, run] : kKernels) {
    SCOPED_TRACE(name);
    const Outcome plain = run(StopRequest::Never());
    ASSERT_TRUE(plain.ok);

    Asker patient;
    StopRequest asked = Eager(patient);
    const Outcome unbroken = run(asked);
    EXPECT_GT(patient.asked, 0);
    EXPECT_TRUE(unbroken.ok);
    EXPECT_EQ(unbroken.bits, plain.bits);

    // Stopped at the first question and at a later one.
    for (int stopAt : {1, 2}) {
      Asker breaking{0, stopAt};
      StopRequest broken = Eager(breaking);
      EXPECT_FALSE(run(broken).ok) << "stop at question " << stopAt;
      EXPECT_EQ(breaking.asked, stopAt);
      EXPECT_TRUE(broken.Stopped());
    }
  }
}

TEST(StopRequest, AsksOncePerIntervalAndOnlyAfterEnoughWork) {
  EXPECT_FALSE(StopRequest::Never().Poll(~std::uint64_t{0}));

  Asker counting;
  StopRequest eager = Eager(counting);
  EXPECT_FALSE(eager.Poll(StopRequest::kWorkPerClockReading - 1));
  EXPECT_EQ(counting.asked, 0);
  EXPECT_FALSE(eager.Poll(1));
  EXPECT_EQ(counting.asked, 1);

  Asker breaking{0, 1};
  StopRequest timed(Ask, &breaking);
  const auto start = StopRequest::Clock::now();
  while (!timed.Poll(StopRequest::kWorkPerClockReading)) {
  }
  EXPECT_GE(StopRequest::Clock::now() - start, StopRequest::kAskInterval);
  EXPECT_EQ(breaking.asked, 1);
  EXPECT_TRUE(timed.Poll(0));  // stays stopped without asking again
  EXPECT_EQ(breaking.asked, 1);
}

}  // namespace
