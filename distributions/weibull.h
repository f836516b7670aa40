// The Weibull distribution with shape k and scale theta.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool WeibullParametersValid(double k, double theta);
double WeibullCdf(double x, double k, double theta);
double WeibullPdf(double x, double k, double theta);
double WeibullInv(double prob, double k, double theta);
// From the raw moments theta^n Γ(1 + n/k), with Γ = exp(LogGamma).
Moments WeibullMoments(double k, double theta);

}  // namespace Zq::Math
