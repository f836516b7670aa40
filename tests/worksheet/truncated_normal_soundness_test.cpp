// The truncated normal's worksheet functions against each other and the
// kernels: the moment column, the sampler and the fit's edge cases (the
// kernels alone are tested in tests/unit/truncated_normal_*_test.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "addin/worksheet_functions.h"
#include "distributions/truncated_normal.h"
#include "tests/unit/sample_statistics.h"
#include "tests/unit/truncated_normal_reference.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Math {
namespace {

using TruncNormReference::kMomentRows;
using TruncNormReference::MomentRow;
using TruncNormReference::Where;

TEST(TruncatedNormalSoundness, MomFunctionEqualsTheFourSingleFunctions) {
  for (const MomentRow& r : kMomentRows) {
    const std::vector<double> column = Testing::TakeColumn(ZqTruncNormMom(r.a, r.b, r.mu, r.sigma), 4);
    ASSERT_EQ(column.size(), 4u);
    const std::string where = Where(r.a, r.b, r.mu, r.sigma);
    EXPECT_EQ(column[0], ZqTruncNormMean(r.a, r.b, r.mu, r.sigma)->val.num) << where;
    EXPECT_EQ(column[1], ZqTruncNormStdev(r.a, r.b, r.mu, r.sigma)->val.num) << where;
    EXPECT_EQ(column[2], ZqTruncNormSkew(r.a, r.b, r.mu, r.sigma)->val.num) << where;
    EXPECT_EQ(column[3], ZqTruncNormKurt(r.a, r.b, r.mu, r.sigma)->val.num) << where;
  }
}

// The sampler draws from the distribution the moment functions describe:
// the sample's distribution values are uniform and its moments agree.
TEST(TruncatedNormalSoundness, SamplerDrawsTheDistributionOfTheMomentFunctions) {
  struct Window {
    double a, b, mu, sigma;
  };
  const Window windows[] = {{8, 9, 0, 1},     {-40, -38, 0, 1},   {30, 1e300, 0, 1}, {0, 1e-6, 0, 1},
                            {0, 1, 100, 1},   {6, 6.5, 0, 1},     {-1, 2, 0, 1},     {1e8, 1e8 + 1, 0, 1e7}};
  constexpr short kSize = 20000;
  for (const Window& w : windows) {
    const std::vector<double> sample =
        Testing::TakeColumn(ZqRandTruncNorm(kSize, w.a, w.b, w.mu, w.sigma, 0, 1, 2), kSize);
    const std::string where = Where(w.a, w.b, w.mu, w.sigma);
    EXPECT_LT(Testing::KolmogorovStatistic(sample, [&](double x) { return TruncNormCdf(x, w.a, w.b, w.mu, w.sigma); }),
              Testing::kKolmogorovCritical)
        << where;
    const Moments m = TruncNormMoments(w.a, w.b, w.mu, w.sigma);
    const Testing::Moments s = Testing::SampleMoments(sample);
    EXPECT_NEAR(s.mean, m.mean, 5.0 * m.stdev / std::sqrt(kSize)) << where;
    EXPECT_NEAR(std::sqrt(s.variance), m.stdev, 0.05 * m.stdev) << where;
  }
}

TEST(TruncatedNormalSoundness, FitsAtTheEdgeOfWhatFits) {
  // Above the uniform's deviation 10/sqrt(12) = 2.887 no fit exists; just
  // below it sigma grows large, past where the formulas hold.
  EXPECT_TRUE(Testing::IsValueError(ZqTruncNormParam(0, 10, 5, 2.9)));
  const std::vector<double> wide = Testing::TakeColumn(ZqTruncNormParam(0, 10, 5, 2.886), 2);
  EXPECT_NEAR(wide[1], 80.0197081968, 1e-6 * 80);
  const std::vector<double> tail = Testing::TakeColumn(ZqTruncNormParam(8, 9, 8.121188992979796, 0.11894764723502568), 2);
  EXPECT_NEAR(tail[0], 0.0, 1e-6);
  EXPECT_NEAR(tail[1], 1.0, 1e-6);
}

}  // namespace
}  // namespace Zq::Math
