// The three shapes of the distribution worksheet functions, each inside the
// function's own call frame: a checked number, a Dist with its Cumulative
// switch, and the moments as a 4 x 1 column. When the check fails the whole
// result is #VALUE! and nothing is computed.
//
//   ZQ_WORKSHEET ZqThingMean(double a) { return ZQ_CHECKED_NUMBER(a > 0, ThingMoments(a).mean); }
#pragma once

#include "addin/call_frame.h"
#include "distributions/distribution_basics.h"

namespace Zq::Addin {

// Rows mean, standard deviation, skewness, kurtosis; a non-finite moment
// becomes #VALUE! in its own cell.
inline ResultPointer MomentColumn(Result& out, const Math::Moments& moments) {
  const double values[4] = {moments.mean, moments.stdev, moments.skew, moments.kurt};
  long row = 0;
  return out.Column(4, [&] { return values[row++]; });
}

}  // namespace Zq::Addin

#define ZQ_CHECKED_NUMBER(valid, value) \
  ZQ_FRAME([&](::Zq::Addin::Result& out) { return (valid) ? out.Number(value) : out.Error(); })

#define ZQ_CHECKED_DIST(valid, cumulative, cdf, pdf) ZQ_CHECKED_NUMBER(valid, (cumulative) != 0 ? (cdf) : (pdf))

#define ZQ_CHECKED_MOMENTS(valid, moments) \
  ZQ_FRAME([&](::Zq::Addin::Result& out) { return (valid) ? ::Zq::Addin::MomentColumn(out, moments) : out.Error(); })

// The five moment functions of a family whose moments all take the same
// parameters: Zq<Family>Mean, Stdev, Skew and Kurt (one moment each) and
// Zq<Family>Mom (the column of all four), each in its own call frame.
#define ZQ_MOMENT_FUNCTIONS(Family, parameters, valid, moments)                                                   \
  ZQ_WORKSHEET Zq##Family##Mean parameters { return ZQ_CHECKED_NUMBER(valid, (moments).mean); }                 \
  ZQ_WORKSHEET Zq##Family##Stdev parameters { return ZQ_CHECKED_NUMBER(valid, (moments).stdev); }               \
  ZQ_WORKSHEET Zq##Family##Skew parameters { return ZQ_CHECKED_NUMBER(valid, (moments).skew); }                 \
  ZQ_WORKSHEET Zq##Family##Kurt parameters { return ZQ_CHECKED_NUMBER(valid, (moments).kurt); }                 \
  ZQ_WORKSHEET Zq##Family##Mom parameters { return ZQ_CHECKED_MOMENTS(valid, moments); }
