// The add-in's power function, x^y correctly rounded for every pair of
// doubles (see numerics/c_library_names.cpp for why the add-in has its
// own): the quick passes of log |x| (numerics/log.h) and of e^(y log |x|)
// (numerics/exp.h) with the error of the one carried into the other, and an
// accurate pass when their bound cannot decide the rounding.
#pragma once

namespace Zq::Math {

// x^y correctly rounded (to nearest, ties to even), exact powers and
// halfway cases included; zeros, infinities, NaN and negative bases as the
// C standard has them.
double Pow(double x, double y);

}  // namespace Zq::Math
