// The add-in's tangent, correctly rounded for every double (see
// numerics/c_library_names.cpp for why the add-in has its own; the method
// and its error budget are in numerics/tangent.cpp).
#pragma once

namespace Zq::Math {

// tan x correctly rounded (to nearest, ties to even); zeros, infinities and
// NaN as the C standard has them.
double Tan(double x);

}  // namespace Zq::Math
