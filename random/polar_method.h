// The polar method: a pair of uniform points in the square [-1, 1)^2 inside
// the unit circle becomes two independent standard normal values. Every
// normal sampler here draws its pairs through this one definition.
#pragma once

#include <cmath>

namespace Zq::Math {

// Whether the pair with squared radius s is used: inside the circle and
// above `smallest` (0 keeps every pair but the centre; the forward-rate
// simulation's floor of 2^-23 keeps its own published paths).
inline bool PolarAccepts(double s, double smallest) { return !(s >= 1 || s <= smallest); }

// The factor that turns the accepted pair (a, b) into normals (a f, b f).
inline double PolarFactor(double s) { return std::sqrt(-2 * std::log(s) / s); }

// Draws pairs from `uniform` (values in (0, 1)) until one is accepted;
// answers b f and leaves a f in `other`, the order every sampler uses.
template <class Uniform>
double PolarPair(Uniform&& uniform, double smallest, double& other) {
  double a, b, s;
  do {
    a = 2 * uniform() - 1;
    b = 2 * uniform() - 1;
    s = a * a + b * b;
  } while (!PolarAccepts(s, smallest));
  const double f = PolarFactor(s);
  other = a * f;
  return b * f;
}

}  // namespace Zq::Math
