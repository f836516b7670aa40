// Beta variates by Cheng's rejection algorithms: BB when both parameters
// exceed 1, BC otherwise.
#pragma once

#include <optional>

#include "random/made_ahead.h"
#include "random/random_uniform.h"

namespace Zq::Math {

// Algorithm BB makes its values ahead: draw each sample from one engine.
class RandomBeta {
 public:
  // Nothing unless both parameters are positive.
  static std::optional<RandomBeta> Make(double alpha, double beta);

  double Next(RandomUniform& engine) {
    if (!bb_) return NextBC(engine);
    if (ahead_.Empty()) MakeAheadBB(engine);
    return ahead_.Take();
  }

 private:
  RandomBeta(double alpha, double beta);

  // Algorithm BB's coming values.
  void MakeAheadBB(RandomUniform& engine);
  double NextBC(RandomUniform& engine) const;
  // w / (b + w) when the algorithm's a is alpha, else the mirror image.
  double Result(double w) const;

  bool bb_;
  // Whether the algorithm's a is alpha (else beta).
  bool aIsAlpha_;
  // BB's a is the smaller parameter, BC's the larger; b is the other.
  double a_;
  double b_;
  double sum_;
  double scale_;
  // BB's gamma, BC's k1 and k2.
  double gamma_ = 0;
  double k1_ = 0;
  double k2_ = 0;
  MadeAhead ahead_;
};

}  // namespace Zq::Math
