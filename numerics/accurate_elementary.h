// The accurate passes of the add-in's exp, log, pow, sinh, cosh and tanh:
// 256-bit evaluations, correct to far more bits than the hardest-to-round
// arguments need, rounded once to double. Slow (microseconds), and run only
// when the quick pass cannot decide the rounding.
#pragma once

namespace Zq::Math::Accurate {

// e^x correctly rounded, for finite x (overflow and subnormal results too).
double Exp(double x);

// log x correctly rounded, for finite x > 0 (subnormal x too), given a
// quick value head + tail within 2^-60 of it relative.
double Log(double x, double head, double tail);

// |x|^y correctly rounded, for finite x != 0 and finite y with |y log|x||
// below 760, given log|x| as in Log; exact powers, halfway cases included.
double PowMagnitude(double x, double y, double logHead, double logTail);

// sinh, cosh and tanh of a correctly rounded, for 2^-28 <= a <= 711.
double Sinh(double a);
double Cosh(double a);
double Tanh(double a);

}  // namespace Zq::Math::Accurate
