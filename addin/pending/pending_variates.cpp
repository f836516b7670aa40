// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqRandBeta, short, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandGumbel, short, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandJohnsonSU, short, double, double, double, double, short, std::int32_t, std::int32_t, short, short, short)
ZQ_PENDING(ZqRandLogistic, short, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandLogNorm, short, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandPoisson, short, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandTriangular, short, double, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandTruncNorm, short, double, double, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandWeibull, short, double, double, short, std::int32_t, std::int32_t)
ZQ_PENDING(ZqRandNormPareto, short, double, double, double, double, double, double, double, double, short, std::int32_t, std::int32_t, short, short, short, short)
ZQ_PENDING(ZqRandNormParetoOrg, short, double, double, double, double, double, double, double, double, short, std::int32_t, std::int32_t, short, short, short, short)
