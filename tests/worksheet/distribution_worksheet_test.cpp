// The distribution worksheet functions as Excel calls them: each entry
// reads its own arguments in its own order and answers the kernel's value,
// a Mom function a 4 x 1 column, a rejected argument one #VALUE!.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "addin/worksheet_functions.h"
#include "distributions/beta.h"
#include "distributions/gumbel.h"
#include "distributions/johnson_su.h"
#include "distributions/logistic.h"
#include "distributions/lognormal.h"
#include "distributions/poisson.h"
#include "distributions/triangular.h"
#include "distributions/truncated_normal.h"
#include "distributions/weibull.h"
#include "host/standin/standin.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Math {
namespace {

using Testing::IsValueError;
using Testing::TakeColumn;

double Number(LPXLOPER record) {
  EXPECT_NE(record, nullptr);
  if (record == nullptr) return std::nan("");
  EXPECT_EQ(record->xltype, xltypeNum);
  return record->xltype == xltypeNum ? record->val.num : std::nan("");
}

// A distribution's five moment entries at valid parameters, beside the
// moments its kernel gives for them.
struct MomentEntries {
  const char* name;
  Moments expected;
  std::function<LPXLOPER()> mean, stdev, skew, kurt, mom;
};

std::vector<MomentEntries> Entries() {
  return {
      {"beta", BetaMoments(2, 3), [] { return ZqBetaMean(2, 3); }, [] { return ZqBetaStdev(2, 3); },
       [] { return ZqBetaSkew(2, 3); }, [] { return ZqBetaKurt(2, 3); }, [] { return ZqBetaMom(2, 3); }},
      {"gumbel", GumbelMoments(-1, 3), [] { return ZqGumbelMean(-1, 3); }, [] { return ZqGumbelStdev(3); },
       [] { return ZqGumbelSkew(); }, [] { return ZqGumbelKurt(); }, [] { return ZqGumbelMom(-1, 3); }},
      {"johnson su", JohnsonSUMoments(0.4, 1.3, 2, -1), [] { return ZqJohnsonSUMean(0.4, 1.3, 2, -1); },
       [] { return ZqJohnsonSUStdev(0.4, 1.3, 2, -1); }, [] { return ZqJohnsonSUSkew(0.4, 1.3, 2, -1); },
       [] { return ZqJohnsonSUKurt(0.4, 1.3, 2, -1); }, [] { return ZqJohnsonSUMom(0.4, 1.3, 2, -1); }},
      {"logistic", LogisticMoments(-2, 0.5), [] { return ZqLogisticMean(-2); }, [] { return ZqLogisticStdev(0.5); },
       [] { return ZqLogisticSkew(); }, [] { return ZqLogisticKurt(); }, [] { return ZqLogisticMom(-2, 0.5); }},
      {"lognormal", LogNormMoments(0.3, 0.7), [] { return ZqLogNormMean(0.3, 0.7); },
       [] { return ZqLogNormStdev(0.3, 0.7); }, [] { return ZqLogNormSkew(0.7); }, [] { return ZqLogNormKurt(0.7); },
       [] { return ZqLogNormMom(0.3, 0.7); }},
      {"poisson", PoissonMoments(6.5), [] { return ZqPoissonMean(6.5); }, [] { return ZqPoissonStdev(6.5); },
       [] { return ZqPoissonSkew(6.5); }, [] { return ZqPoissonKurt(6.5); }, [] { return ZqPoissonMom(6.5); }},
      {"triangular", TriangularMoments(-1, 4, 3), [] { return ZqTriangularMean(-1, 4, 3); },
       [] { return ZqTriangularStdev(-1, 4, 3); }, [] { return ZqTriangularSkew(-1, 4, 3); },
       [] { return ZqTriangularKurt(); }, [] { return ZqTriangularMom(-1, 4, 3); }},
      {"truncated normal", TruncNormMoments(-1, 3, 0.5, 2), [] { return ZqTruncNormMean(-1, 3, 0.5, 2); },
       [] { return ZqTruncNormStdev(-1, 3, 0.5, 2); }, [] { return ZqTruncNormSkew(-1, 3, 0.5, 2); },
       [] { return ZqTruncNormKurt(-1, 3, 0.5, 2); }, [] { return ZqTruncNormMom(-1, 3, 0.5, 2); }},
      {"weibull", WeibullMoments(1.7, 2.5), [] { return ZqWeibullMean(1.7, 2.5); },
       [] { return ZqWeibullStdev(1.7, 2.5); }, [] { return ZqWeibullSkew(1.7, 2.5); },
       [] { return ZqWeibullKurt(1.7, 2.5); }, [] { return ZqWeibullMom(1.7, 2.5); }},
  };
}

TEST(DistributionWorksheet, MomentEntriesAnswerTheKernelMoments) {
  for (const MomentEntries& entries : Entries()) {
    const Moments& m = entries.expected;
    EXPECT_EQ(Number(entries.mean()), m.mean) << entries.name;
    EXPECT_EQ(Number(entries.stdev()), m.stdev) << entries.name;
    EXPECT_EQ(Number(entries.skew()), m.skew) << entries.name;
    EXPECT_EQ(Number(entries.kurt()), m.kurt) << entries.name;
    EXPECT_EQ(TakeColumn(entries.mom(), 4), (std::vector<double>{m.mean, m.stdev, m.skew, m.kurt})) << entries.name;
  }
}

TEST(DistributionWorksheet, RejectedParametersGiveOneErrorAndNoArray) {
  for (LPXLOPER record : {ZqBetaMom(1e-12, 3), ZqGumbelMom(0, 1e-12), ZqJohnsonSUMom(0, 1e-12, 1, 0),
                          ZqLogisticMom(0, 0), ZqLogNormMom(0, -1), ZqPoissonMom(1e-12), ZqTriangularMom(0, 1, 0),
                          ZqTriangularMom(0, 1, 1), ZqTruncNormMom(1, 1, 0, 1), ZqTruncNormMom(0, 1, 0, 1e-12),
                          ZqWeibullMom(1e-12, 1), ZqWeibullMom(1, 1e-12)}) {
    EXPECT_TRUE(IsValueError(record));
  }
  // Just above the threshold is a valid parameter.
  EXPECT_FALSE(IsValueError(ZqPoissonMean(1.1e-12)));
  EXPECT_TRUE(IsValueError(ZqPoissonDist(-1, 2, 1)));
  EXPECT_TRUE(IsValueError(ZqWeibullInv(1, 2, 3)));
  EXPECT_TRUE(IsValueError(ZqTruncNormInv(-1e-9, 0, 1, 0, 1)));
}

TEST(DistributionWorksheet, NonFiniteMomentIsAnErrorInItsOwnCell) {
  const std::vector<double> cells = TakeColumn(ZqLogNormMom(800, 1), 4);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_TRUE(std::isnan(cells[0]));
  EXPECT_TRUE(std::isnan(cells[1]));
  EXPECT_EQ(cells[2], LogNormMoments(0, 1).skew);
  EXPECT_EQ(cells[3], LogNormMoments(0, 1).kurt);
}

TEST(DistributionWorksheet, EdgeValuesOfTheEntries) {
  EXPECT_EQ(Number(ZqBetaDist(1, 2, 3, 1)), 1.0);
  EXPECT_EQ(Number(ZqBetaDist(0, 2, 3, 0)), 0.0);
  EXPECT_TRUE(IsValueError(ZqBetaDist(1.0000001, 2, 3, 1)));
  EXPECT_EQ(Number(ZqWeibullDist(0, 1, 4, 0)), 0.25);
  EXPECT_EQ(Number(ZqWeibullInv(0, 2, 3)), 0.0);
  EXPECT_EQ(Number(ZqTruncNormInv(0, -1, 2, 0, 1)), -1.0);
  EXPECT_EQ(Number(ZqTruncNormInv(1, -1, 2, 0, 1)), 2.0);
  // However small sigma, the deviation is the distribution's own.
  EXPECT_NEAR(Number(ZqTruncNormStdev(-1, 2, 0, 1e-6)), 1e-6, 1e-18);
  EXPECT_EQ(Number(ZqPoissonDist(0, 2, -1)), std::exp(-2.0));
  EXPECT_NEAR(Number(ZqWeibullMean(1, 2.5)), 2.5, 1e-9);
  // Gamma 0 gives the mean Xi and the skewness 0 exactly.
  const std::vector<double> symmetric = TakeColumn(ZqJohnsonSUMom(0, 1.5, 2, 0.3), 4);
  ASSERT_EQ(symmetric.size(), 4u);
  EXPECT_EQ(symmetric[0], 0.3);
  EXPECT_EQ(symmetric[2], 0.0);
}

TEST(DistributionWorksheet, NothingIsComputedWhileTheWizardIsOpen) {
  auto* wizard = StandIn::OpenFunctionWizard();
  EXPECT_EQ(ZqBetaMom(2, 3), nullptr);
  EXPECT_EQ(ZqBetaMom(-1, 3), nullptr);
  EXPECT_EQ(ZqGumbelSkew(), nullptr);
  EXPECT_EQ(ZqPoissonDist(-5, 2, 1), nullptr);
  StandIn::CloseWindow(wizard);
  EXPECT_FALSE(IsValueError(ZqGumbelSkew()));
}

}  // namespace
}  // namespace Zq::Math
