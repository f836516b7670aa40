#include "solvers/newton_raphson.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numerics/special_values.h"

namespace {

using Zq::Math::Init;
using Zq::Math::Matrix;
using Zq::Math::NewtonRaphson;
using Zq::Math::Vector;

using Zq::Math::kNaN;

// a x - b, with a counter of evaluations.
struct Linear {
  double a;
  double b;
  int evaluations = 0;
};

bool EvaluateLinear(const Vector& x, Matrix& jacobian, Vector& residuals, void* context) {
  auto& line = *static_cast<Linear*>(context);
  ++line.evaluations;
  residuals[0] = line.a * x[0] - line.b;
  jacobian(0, 0) = line.a;
  return true;
}

Vector Start(std::initializer_list<double> values) {
  Vector x(static_cast<std::int32_t>(values.size()), Init::Zero);
  std::int32_t i = 0;
  for (double v : values) x[i++] = v;
  return x;
}

TEST(NewtonRaphson, ExactRootStopsInTheFirstIterationWithXUnchanged) {
  Linear line{2, 6};
  Vector x = Start({3});
  Vector last = Start({kNaN});
  int count = 0;
  EXPECT_TRUE(NewtonRaphson(x, &line, EvaluateLinear, &count, &last, 1e-10, 1e-14));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(x[0], 3);
  EXPECT_EQ(last[0], 0);
  EXPECT_EQ(line.evaluations, 1);
}

TEST(NewtonRaphson, LinearEquationLandsInOneStepAndStopsByTheResidualTest) {
  Linear line{4, 10};
  Vector x = Start({1000});
  int count = 0;
  EXPECT_TRUE(NewtonRaphson(x, &line, EvaluateLinear, &count, nullptr, 1e-10, 1e-14));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(x[0], 2.5);
}

TEST(NewtonRaphson, StepTestStopsBeforeReEvaluatingAndReportsTheEarlierResiduals) {
  // A huge step tolerance: the first step passes, x moves to the root, and
  // the residual reported is that of the starting point.
  Linear line{4, 10};
  Vector x = Start({3});
  Vector last = Start({kNaN});
  int count = 0;
  EXPECT_TRUE(NewtonRaphson(x, &line, EvaluateLinear, &count, &last, 1e9, 1e-14));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(x[0], 2.5);
  EXPECT_EQ(last[0], 2);
  EXPECT_EQ(line.evaluations, 1);
}

TEST(NewtonRaphson, TolerancesCompareWithLessOrEqual) {
  Linear line{1, 0};
  Vector x = Start({0.5});
  int count = 0;
  EXPECT_TRUE(NewtonRaphson(x, &line, EvaluateLinear, &count, nullptr, -1, 0.5));
  EXPECT_EQ(count, 1);
  x[0] = 0.5;
  EXPECT_TRUE(NewtonRaphson(x, &line, EvaluateLinear, &count, nullptr, 0.5, -1));
  EXPECT_EQ(count, 1);
}

bool EvaluateZeroRow(const Vector& x, Matrix& jacobian, Vector& residuals, void*) {
  residuals[0] = x[0] - 1;
  residuals[1] = x[1] - 2;
  jacobian(0, 0) = 1;
  jacobian(0, 1) = 0;
  jacobian(1, 0) = 0;
  jacobian(1, 1) = 0;
  return true;
}

TEST(NewtonRaphson, JacobianWithAZeroRowFailsInTheFirstIteration) {
  Vector x = Start({0, 0});
  Vector last = Start({kNaN, kNaN});
  int count = 0;
  EXPECT_FALSE(NewtonRaphson(x, nullptr, EvaluateZeroRow, &count, &last, 1e-10, 1e-14));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(x[0], 0);
  EXPECT_EQ(last[0], -1);
  EXPECT_EQ(last[1], -2);
}

// x^2 + 1 = 0 has no real root: Newton wanders for ever.
bool EvaluateNoRoot(const Vector& x, Matrix& jacobian, Vector& residuals, void*) {
  residuals[0] = x[0] * x[0] + 1;
  jacobian(0, 0) = 2 * x[0];
  return true;
}

TEST(NewtonRaphson, IterationCapGivesFalseWithCount201) {
  Vector x = Start({0.3});
  int count = 0;
  EXPECT_FALSE(NewtonRaphson(x, nullptr, EvaluateNoRoot, &count, nullptr, 1e-10, 1e-14));
  EXPECT_EQ(count, 201);
}

TEST(NewtonRaphson, AbsentCallbackFailsWithCount1) {
  Vector x = Start({1});
  int count = 0;
  EXPECT_FALSE(NewtonRaphson(x, nullptr, nullptr, &count, nullptr, 1e-10, 1e-14));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(x[0], 1);
}

bool EvaluateNothing(const Vector&, Matrix&, Vector&, void* context) {
  ++*static_cast<int*>(context);
  return true;
}

TEST(NewtonRaphson, EmptySystemConvergesByTheResidualTest) {
  Vector x;
  int calls = 0;
  int count = 0;
  EXPECT_TRUE(NewtonRaphson(x, &calls, EvaluateNothing, &count, nullptr, 1e-10, 1e-14));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(calls, 1);
}

// Refuses from the third evaluation on.
bool EvaluateRefusingLater(const Vector& x, Matrix& jacobian, Vector& residuals, void* context) {
  int& calls = *static_cast<int*>(context);
  if (++calls > 2) return false;
  residuals[0] = x[0] * x[0] - 2;
  jacobian(0, 0) = 2 * x[0];
  return true;
}

TEST(NewtonRaphson, RefusalStopsWithTheIterationNumberAndLastIterate) {
  int calls = 0;
  Vector x = Start({1});
  Vector last = Start({kNaN});
  int count = 0;
  EXPECT_FALSE(NewtonRaphson(x, &calls, EvaluateRefusingLater, &count, &last, 1e-10, 1e-14));
  EXPECT_EQ(count, 3);
  EXPECT_DOUBLE_EQ(x[0], 17.0 / 12.0);  // two Newton steps from 1 towards sqrt(2)
  EXPECT_DOUBLE_EQ(last[0], 0.25);      // the residual at 1.5
}

bool EvaluateNaN(const Vector&, Matrix& jacobian, Vector& residuals, void*) {
  residuals[0] = kNaN;
  jacobian(0, 0) = 1;
  return true;
}

TEST(NewtonRaphson, NonFiniteResidualNeverCountsAsConverged) {
  Vector x = Start({1});
  int count = 0;
  EXPECT_FALSE(NewtonRaphson(x, nullptr, EvaluateNaN, &count, nullptr, 1e300, 1e300));
  EXPECT_EQ(count, 201);
}

// Two coupled equations: x^2 + y^2 = 5, x y = 2, the root (2, 1) near (3, 0.5).
bool EvaluateCircle(const Vector& x, Matrix& jacobian, Vector& residuals, void*) {
  residuals[0] = x[0] * x[0] + x[1] * x[1] - 5;
  residuals[1] = x[0] * x[1] - 2;
  jacobian(0, 0) = 2 * x[0];
  jacobian(0, 1) = 2 * x[1];
  jacobian(1, 0) = x[1];
  jacobian(1, 1) = x[0];
  return true;
}

TEST(NewtonRaphson, SolvesATwoVariableSystemQuadratically) {
  Vector x = Start({3, 0.5});
  Vector last = Start({kNaN, kNaN});
  int count = 0;
  EXPECT_TRUE(NewtonRaphson(x, nullptr, EvaluateCircle, &count, &last, 1e-12, 1e-14));
  EXPECT_NEAR(x[0], 2, 1e-12);
  EXPECT_NEAR(x[1], 1, 1e-12);
  EXPECT_LT(count, 10);
  EXPECT_LE(std::fabs(last[0]) + std::fabs(last[1]), 1e-10);
}

TEST(NewtonRaphson, ResidualCopyNeverWritesPastTheCallersVector) {
  Vector x = Start({3, 0.5});
  Vector last = Start({kNaN});
  EXPECT_TRUE(NewtonRaphson(x, nullptr, EvaluateCircle, nullptr, &last, 1e-12, 1e-14));
  EXPECT_TRUE(std::isfinite(last[0]));
}

}  // namespace
