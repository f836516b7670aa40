// Correlation tables of data at extreme scales; covariance matrices not positive semi-definite refused at any scale.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "addin/worksheet_functions.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Testing {
namespace {

TEST(MultiCorrelScaleTest, ColumnsAtExtremeScalesKeepTheirCorrelation) {
  for (double scale : {1e-200, 1e200}) {
    const auto a = Read(ZqMultiCorrel(ArrayArgument(3, 2, {1 * scale, 1, 2 * scale, 2, 3 * scale, 4}), 0, 1));
    EXPECT_NEAR(a.At(0, 0) / scale, std::sqrt(2.0 / 3), 1e-15) << scale;
    for (const double r : {a.At(1, 1), a.At(2, 0)}) EXPECT_NEAR(r, 3 / std::sqrt(28.0 / 3), 1e-15) << scale;
  }
}

// V = D Q diag(eigenvalues) Q D for a dense reflection Q = I - 2 u u' / u'u and per-variable scales D from
// 1e-150 to 1e150: refused with a negative eigenvalue, else converted (a zero one included).
TEST(Cov2CorScaleTest, RefusesIndefiniteMatricesAtEveryScale) {
  const double scales[] = {1e-150, 1, 1e150, 1e-20, 1e30};
  for (int n = 2; n <= 5; ++n) {
    for (double least : {-0.3, -1e-3, -1e-9, 0.0, 1e-12, 0.2}) {
      std::vector<double> u(n), v(n * n, 0.0);
      double norm = 0;
      for (int i = 0; i < n; ++i) u[i] = std::cos(3.0 * n + 2.0 * i), norm += u[i] * u[i];
      const auto q = [&](int i, int k) { return (i == k) - 2 * u[i] * u[k] / norm; };
      for (int k = 0; k < n * n; ++k) {
        for (int m = 0; m < n; ++m) v[k] += q(k / n, m) * (m == 0 ? least : 0.5 + m) * q(k % n, m);
        v[k] *= scales[(k / n + n) % 5] * scales[(k % n + n) % 5];
      }
      const auto a = Read(ZqCov2Cor(ArrayArgument(n, n, v), 0));
      ASSERT_EQ(a.error, least < 0) << n << " " << least;
      for (int k = 0; k < n * n && !a.error; ++k)
        EXPECT_NEAR(a.At(k / n, k % n), v[k] / std::sqrt(v[k / n * (n + 1)]) / std::sqrt(v[k % n * (n + 1)]), 1e-14);
    }
  }
  EXPECT_TRUE(Read(ZqCov2Cor(ArrayArgument(2, 2, {4, 2, 2, 1e-300}), 1)).error);
}

}  // namespace
}  // namespace Zq::Testing
