// Second ways to the fits, for the targets where the first formulas lose the
// answer to rounding or overflow. Each answers only parameters that the
// family's functions accept and whose moments give the targets back.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

// ln(1 + cv^2) from LogOnePlus, with cv = stdev/mean (no square of the
// moments themselves, which can overflow).
bool LogNormParamFromLogs(double mean, double stdev, double& m, double& s);

// Shapes above kWeibullSeriesShape (a coefficient of variation below about
// 0.013): the spread equation in the series of WeibullLogSpread.
bool WeibullParamNarrow(double mean, double stdev, double& scale, double& shape);

// The mode's share of the range, (Mode - Min)/(Max - Min), of the triangle
// with skewness skew (|skew| below its largest value, sqrt(0.32)), by
// bisection on the skewness, which falls steadily from sqrt(0.32) to 0 as
// the share goes from 0 to 1/2.
double TriangularModeShare(double skew);

// Johnson SU by bisection on the skewness and kurtosis surfaces: where w - 1
// is tiny (delta large), where w is huge (delta small) or where the skewness
// is near the log-normal limit, which the search in w alone misses.
bool JohnsonSUParamBySearch(double mean, double stdev, double skew, double kurt, double& gamma, double& delta,
                            double& lambda, double& xi);

}  // namespace Zq::Math
