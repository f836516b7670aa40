// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqJohnsonSUDist, double, double, double, double, double, short)
ZQ_PENDING(ZqJohnsonSUInv, double, double, double, double, double)
ZQ_PENDING(ZqJohnsonSUKurt, double, double, double, double)
ZQ_PENDING(ZqJohnsonSUMean, double, double, double, double)
ZQ_PENDING(ZqJohnsonSUMom, double, double, double, double)
ZQ_PENDING(ZqJohnsonSUSkew, double, double, double, double)
ZQ_PENDING(ZqJohnsonSUStdev, double, double, double, double)
ZQ_PENDING(ZqLogNormDist, double, double, double, short)
ZQ_PENDING(ZqLogNormInv, double, double, double)
ZQ_PENDING(ZqLogNormKurt, double)
ZQ_PENDING(ZqLogNormMean, double, double)
ZQ_PENDING(ZqLogNormMom, double, double)
ZQ_PENDING(ZqLogNormSkew, double)
ZQ_PENDING(ZqLogNormStdev, double, double)
ZQ_PENDING(ZqTruncNormDist, double, double, double, double, double, short)
ZQ_PENDING(ZqTruncNormInv, double, double, double, double, double)
ZQ_PENDING(ZqTruncNormMean, double, double, double, double)
ZQ_PENDING(ZqTruncNormStdev, double, double, double, double)
ZQ_PENDING(ZqTruncNormSkew, double, double, double, double)
ZQ_PENDING(ZqTruncNormKurt, double, double, double, double)
ZQ_PENDING(ZqTruncNormMom, double, double, double, double)
ZQ_PENDING(ZqJohnsonSUNormQQ, double, double, double, double, double)
