// Beta variates by Cheng's rejection algorithms: BB when both parameters
// exceed 1, BC otherwise. Parameters are not checked; callers pass
// positive values.
#pragma once

#include <cstdint>

#include "random/made_ahead.h"
#include "random/random_uniform.h"

namespace Zq::Math {

class RandomBeta {
 public:
  // Seeds the engine and drops the values made ahead.
  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
    engine_.SetSeed(algorithm, seed1, seed2);
    ahead_.Clear();
  }

  // The caller sets alpha and beta and clears `prepared` whenever it
  // changes them; the first draw derives the algorithm's constants.
  double NextVariate();

  std::uint8_t prepared = 0;
  double alpha = 1;
  double beta = 1;

 private:
  double NextBB();
  // Algorithm BB's coming values.
  void MakeAheadBB();
  double NextBC();
  // w / (b + w) when the algorithm's a is alpha, else the mirror image.
  double Result(double w) const;

  RandomUniform engine_;
  MadeAhead ahead_;
  double a_ = 0;
  double b_ = 0;
  double sum_ = 0;
  double scale_ = 0;
  double gamma_ = 0;
  double k1_ = 0;
  double k2_ = 0;
};

}  // namespace Zq::Math
