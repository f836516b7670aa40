#include "distributions/johnson_su_shape.h"

#include <cmath>

#include "distributions/special_functions.h"

namespace Zq::Math {

// With w = e^v, x = e^(-2a) and shape = 1 + x^2 + 2x/w (so that
// w cosh(2 Omega) + 1 = (w/2) e^(2a) shape):
//   skew = sqrt(w - 1) ((w + 2)(1 - x^3) + 3x(1 - x)/w) / shape^1.5,
//   kurt = (w - 1) ((w^3 + 3w^2 + 6w + 6)(1 + x^4) + 4(w + 3)x(1 + x^2)/w
//          - 6(w - 1)x^2/w^2) / shape^2,
// the kurtosis with its constant 3 cancelled by hand; the negative term is
// below a tenth of the first.
JohnsonSUShape JohnsonSUShapeMoments(double v, double a) {
  const double w = std::exp(v);
  const double wMinusOne = ExpMinusOne(v);
  const double x = std::exp(-2.0 * a);
  const double oneMinusX = -ExpMinusOne(-2.0 * a);
  const double oneMinusX3 = -ExpMinusOne(-6.0 * a);
  const double x2 = x * x;
  const double shape = 1.0 + x2 + 2.0 * x / w;
  const double skew =
      std::sqrt(wMinusOne) * ((w + 2.0) * oneMinusX3 + 3.0 * x * oneMinusX / w) / (shape * std::sqrt(shape));
  const double bracket = (((w + 3.0) * w + 6.0) * w + 6.0) * (1.0 + x2 * x2) + 4.0 * (w + 3.0) * x * (1.0 + x2) / w -
                         6.0 * wMinusOne * x2 / (w * w);
  return {skew, wMinusOne / shape * (bracket / shape)};
}

}  // namespace Zq::Math
