// ZqOptionBS, ZqOptionBF, ZqOptionGK: an output code outside 0..7 is
// #VALUE! before anything is computed; the kernel's NaN is #VALUE! too.
#include "addin/call_frame.h"
#include "finance/option_pricing.h"

namespace {

using Zq::Math::IsOptionOutputCode;

Zq::Math::OptionOutput Output(Zq::Addin::WholeNumber code) { return static_cast<Zq::Math::OptionOutput>(code); }

}  // namespace

ZQ_WORKSHEET ZqOptionBS(Zq::Addin::WholeNumber callFlag, double spot, double strike, double expiry, double volatility, double rate,
                        Zq::Addin::WholeNumber output) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (!IsOptionOutputCode(output)) return out.Error();
    return out.Number(Zq::Math::BlackScholesValue(callFlag != 0, spot, strike, expiry, volatility, rate, Output(output)));
  });
}

ZQ_WORKSHEET ZqOptionBF(Zq::Addin::WholeNumber callFlag, double forward, double strike, double expiry, double volatility, double rate,
                        Zq::Addin::WholeNumber output) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (!IsOptionOutputCode(output)) return out.Error();
    return out.Number(Zq::Math::BlackFuturesValue(callFlag != 0, forward, strike, expiry, volatility, rate, Output(output)));
  });
}

ZQ_WORKSHEET ZqOptionGK(Zq::Addin::WholeNumber callFlag, double spot, double strike, double expiry, double volatility,
                        double foreignRate, double domesticRate, Zq::Addin::WholeNumber output) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (!IsOptionOutputCode(output)) return out.Error();
    return out.Number(Zq::Math::GarmanKohlhagenValue(callFlag != 0, spot, strike, expiry, volatility, foreignRate,
                                                     domesticRate, Output(output)));
  });
}
