// Worksheet functions that fit normal-Pareto parameters: to moments, one
// tail to data, and the body to two tails. Each answers a column, or #VALUE!
// when the arguments are rejected or the fit fails.
#include <cstdint>
#include <utility>

#include "addin/call_frame.h"
#include "distributions/normal_pareto_fit.h"
#include "distributions/parameter_checks.h"

namespace {

using Zq::Math::TailSide;

Zq::Addin::ResultPointer Pair(Zq::Addin::Result& out, double first, double second) {
  bool atFirst = true;
  return out.Column(2, [&] { return std::exchange(atFirst, false) ? first : second; });
}

// A tail fitted to a one-row or one-column sample of at least two values.
Zq::Addin::ResultPointer TailColumn(Zq::Addin::Result& out, TailSide side, const Zq::Addin::ArrayArgument* data, double p, double mu, double sigma) {
  if (data == nullptr) return out.Error();
  const bool line = (data->rows == 1 && data->columns >= 2) || (data->columns == 1 && data->rows >= 2);
  if (!line || !Zq::Math::IsOpenProbability(p)) return out.Error();
  const std::int32_t n = static_cast<std::int32_t>(data->rows) * data->columns;
  double alpha = 0, beta = 0;
  if (!Zq::Math::TailRegression(side, FpValues(data), n, p, mu, sigma, alpha, beta)) return out.Error();
  return Pair(out, alpha, beta);
}

}  // namespace

ZQ_WORKSHEET ZqNormParetoParam(double mean, double sd, double skew, double exkurt) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    // A standard deviation must be positive: the body's scale is derived from it.
    if (!Zq::Math::IsPositive(sd)) return out.Error();
    Zq::Math::NormParetoParams f{};
    if (!Zq::Math::NormParetoMomentFit(mean, sd, skew, exkurt, f)) return out.Error();
    const double values[8] = {f.pU, f.alphaU, f.betaU, f.pL, f.alphaL, f.betaL, f.mu, f.sigma};
    int k = 0;
    return out.Column(8, [&] { return values[k++]; });
  });
}

ZQ_WORKSHEET ZqNormParetoUpperParam(const Zq::Addin::ArrayArgument* data, double p, double mu, double sigma) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) { return TailColumn(out, TailSide::Upper, data, p, mu, sigma); });
}

ZQ_WORKSHEET ZqNormParetoLowerParam(const Zq::Addin::ArrayArgument* data, double p, double mu, double sigma) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) { return TailColumn(out, TailSide::Lower, data, p, mu, sigma); });
}

ZQ_WORKSHEET ZqNormParetoMiddleParam(double pU, double alphaU, double betaU, double pL, double alphaL,
                                     double betaL) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    double mu = 0, sigma = 0;
    if (!Zq::Math::MiddleFromTails(pU, alphaU, betaU, pL, alphaL, betaL, mu, sigma)) return out.Error();
    return Pair(out, mu, sigma);
  });
}
