// The normal distribution (mu, sigma) truncated to [a, b].
// Worksheet names: (a, b, mu, sigma) = (Min, Max, Mu, Sigma).
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

// How far the closed formulas may stray from the stable computation and
// still stand: absolutely for probabilities (also those the stable
// distribution gives a quantile); relatively for densities and the
// deviation; in deviations for the mean. Skewness and kurtosis magnify
// the normal kernel's error more, and keep their formula within an
// absolute 1e-5.
inline constexpr double kTruncNormAgreement = 1e-6;
inline constexpr double kTruncNormShapeAgreement = 1e-5;

bool TruncNormParametersValid(double a, double b, double sigma);
double TruncNormCdf(double x, double a, double b, double mu, double sigma);
double TruncNormPdf(double x, double a, double b, double mu, double sigma);
// The closed formulas on their own, from NormCdf and NormPdf.
double TruncNormFormulaCdf(double x, double a, double b, double mu, double sigma);
double TruncNormFormulaPdf(double x, double a, double b, double mu, double sigma);
// Below sigma = 0.00001 the mean is mu where that lies within the
// agreement of the stable mean; with no normal mass between the bounds the
// formulas' mean mu and deviation sigma stand only where the stable values
// agree.
Moments TruncNormMoments(double a, double b, double mu, double sigma);

}  // namespace Zq::Math
