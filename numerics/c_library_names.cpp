// The add-in's own exp, log, pow, sinh, cosh, tanh and tan under the C
// library's names, so that every std::exp, std::log, ... call in the add-in
// links here. The functions themselves are Zq::Math::Exp and the rest
// (numerics/exp.h, log.h, pow.h, hyperbolic.h and tangent.h).
//
// The same arguments must give the same bits in the Linux build and in both
// Windows add-ins. The platforms' C libraries do not: glibc, mingw-w64's own
// exp/log/pow and msvcrt's sinh/cosh/tanh/tan (evaluated on the x87 unit in
// a 32-bit process, under whatever precision the host process set) disagree
// in the last bit for a fraction of arguments. The add-in's versions use
// IEEE additions, multiplications and divisions only and return the
// correctly rounded value (to nearest, ties to even), so they agree
// everywhere. Each first runs a quick table-driven pass whose error bound is
// proven; when the value is too close to a rounding boundary for that bound
// (about one call in fifty thousand) a 256-bit accurate pass decides.
// Special arguments (zeros, infinities, NaN) follow the C standard.
//
// Outside Windows the add-in's export list (addin/zqrand.map) keeps these
// names local, so that its calls do not resolve to the C library that the
// loading process brought in. The benchmarks against the C library build
// the maths library without this file (cmake/bench.cmake).
#include "numerics/exp.h"
#include "numerics/hyperbolic.h"
#include "numerics/log.h"
#include "numerics/pow.h"
#include "numerics/tangent.h"

extern "C" {

double exp(double x) { return Zq::Math::Exp(x); }
double log(double x) { return Zq::Math::Log(x); }
double pow(double x, double y) { return Zq::Math::Pow(x, y); }
double sinh(double x) { return Zq::Math::Sinh(x); }
double cosh(double x) { return Zq::Math::Cosh(x); }
double tanh(double x) { return Zq::Math::Tanh(x); }
double tan(double x) { return Zq::Math::Tan(x); }

}  // extern "C"
