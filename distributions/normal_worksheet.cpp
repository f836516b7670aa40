// Worksheet functions of the standard normal and bivariate normal kernels.
#include "addin/call_frame.h"
#include "distributions/normal.h"

ZQ_WORKSHEET ZqNormDist(double x, short cumulative) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return out.Number(cumulative != 0 ? Zq::Math::NormCdf(x) : Zq::Math::NormPdf(x));
  });
}

ZQ_WORKSHEET ZqNormInv(double prob) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (!(prob > 0 && prob < 1)) return out.Error();
    return out.Number(Zq::Math::NormCdfInv(prob));
  });
}

ZQ_WORKSHEET ZqBiNormDist(double x1, double x2, double corr, short cumulative) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (!(corr >= -1 && corr <= 1)) return out.Error();
    return out.Number(cumulative != 0 ? Zq::Math::BiNormCdf(x1, x2, corr) : Zq::Math::BiNormPdf(x1, x2, corr));
  });
}
