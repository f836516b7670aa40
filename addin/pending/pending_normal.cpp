// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqNormDist, double, short)
ZQ_PENDING(ZqNormInv, double)
ZQ_PENDING(ZqBiNormDist, double, double, double, short)
ZQ_PENDING(ZqRandNorm, short, short, std::int32_t, std::int32_t, short, short, short)
