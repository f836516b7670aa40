// Whether the closed formulas of the truncated normal's distribution
// function and density hold over a whole window [a, b], decided from the
// parameters alone. Choosing per value of x instead would let the
// distribution function step down (by up to kTruncNormAgreement) where the
// choice changes.
#pragma once

namespace Zq::Math {

// True when the formula's distribution function stays within
// kTruncNormAgreement of the stable one at probes spread over the part of
// the window that holds the mass, with room left for the rounding of the
// difference of two NormCdf values over a small mass Z.
bool TruncNormFormulaCdfHolds(double a, double b, double mu, double sigma);

// True when the formula's density stays within kTruncNormAgreement of the
// stable one, relatively, at the same probes.
bool TruncNormFormulaPdfHolds(double a, double b, double mu, double sigma);

}  // namespace Zq::Math
