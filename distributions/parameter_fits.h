// Moment matching: the parameters of a distribution that reproduce target
// moments (Kurt is excess kurtosis). Each fit answers false when the targets
// lie outside what the family can reach or the root search fails; the
// outputs are then unspecified.
#pragma once

namespace Zq::Math {

// Closed forms.
bool BetaParam(double mean, double stdev, double& alpha, double& beta);
bool GumbelParam(double mean, double stdev, double& alpha, double& beta);
bool LogisticParam(double mean, double stdev, double& m, double& b);
bool LogNormParam(double mean, double stdev, double& m, double& s);

// Root searches by NewtonRaphson.
bool JohnsonSUParam(double mean, double stdev, double skew, double kurt, double& gamma, double& delta,
                    double& lambda, double& xi);
bool TriangularParam(double mean, double stdev, double skew, double& min, double& max, double& mode);
bool TruncNormParam(double min, double max, double mean, double stdev, double& mu, double& sigma);
bool WeibullParam(double mean, double stdev, double& scale, double& shape);

}  // namespace Zq::Math
