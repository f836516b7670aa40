// Values that several kernels share by meaning, defined once.
#pragma once

#include <limits>

namespace Zq::Math {

// The NaN a kernel answers for arguments it cannot evaluate; the worksheet
// layer shows it as #VALUE!.
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The largest exponent whose exp stays inside single precision (exp(88.7)
// is just below the largest float): the option pricers and the log-normal
// sampler refuse exponents past it, as their results always have.
inline constexpr double kFloatExpLimit = 88.7;

}  // namespace Zq::Math
