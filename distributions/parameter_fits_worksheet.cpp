// Worksheet functions that fit distribution parameters to target moments:
// a column of the parameters in the order of the distribution's other
// functions, or #VALUE! when the targets are rejected or the fit fails.
#include <array>
#include <cstddef>

#include "addin/call_frame.h"
#include "distributions/parameter_checks.h"
#include "distributions/parameter_fits.h"

namespace {

// Runs a fit that writes N parameters; its result becomes the column.
template <std::size_t N, class Fit>
Zq::Addin::ResultPointer FitColumn(Zq::Addin::Result& out, double stdev, Fit&& fit) {
  if (!Zq::Math::IsPositive(stdev)) return out.Error();
  std::array<double, N> p{};
  if (!fit(p)) return out.Error();
  std::size_t k = 0;
  return out.Column(static_cast<long>(N), [&] { return p[k++]; });
}

}  // namespace

ZQ_WORKSHEET ZqBetaParam(double mean, double stdev) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<2>(out, stdev, [&](auto& p) { return Zq::Math::BetaParam(mean, stdev, p[0], p[1]); });
  });
}

ZQ_WORKSHEET ZqGumbelParam(double mean, double stdev) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<2>(out, stdev, [&](auto& p) { return Zq::Math::GumbelParam(mean, stdev, p[0], p[1]); });
  });
}

ZQ_WORKSHEET ZqLogisticParam(double mean, double stdev) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<2>(out, stdev, [&](auto& p) { return Zq::Math::LogisticParam(mean, stdev, p[0], p[1]); });
  });
}

ZQ_WORKSHEET ZqLogNormParam(double mean, double stdev) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<2>(out, stdev, [&](auto& p) { return Zq::Math::LogNormParam(mean, stdev, p[0], p[1]); });
  });
}

ZQ_WORKSHEET ZqJohnsonSUParam(double mean, double stdev, double skew, double kurt) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<4>(out, stdev, [&](auto& p) {
      return Zq::Math::JohnsonSUParam(mean, stdev, skew, kurt, p[0], p[1], p[2], p[3]);
    });
  });
}

ZQ_WORKSHEET ZqTriangularParam(double mean, double stdev, double skew) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<3>(out, stdev,
                        [&](auto& p) { return Zq::Math::TriangularParam(mean, stdev, skew, p[0], p[1], p[2]); });
  });
}

ZQ_WORKSHEET ZqTruncNormParam(double min, double max, double mean, double stdev) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (!(max > min)) return out.Error();
    return FitColumn<2>(out, stdev,
                        [&](auto& p) { return Zq::Math::TruncNormParam(min, max, mean, stdev, p[0], p[1]); });
  });
}

// Scale first, then shape.
ZQ_WORKSHEET ZqWeibullParam(double mean, double stdev) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return FitColumn<2>(out, stdev, [&](auto& p) { return Zq::Math::WeibullParam(mean, stdev, p[0], p[1]); });
  });
}
