// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqOptionBS, short, double, double, double, double, double, short)
ZQ_PENDING(ZqOptionBF, short, double, double, double, double, double, short)
ZQ_PENDING(ZqOptionGK, short, double, double, double, double, double, double, short)
ZQ_PENDING(ZqMonteCarloLFM, const FP*, double, double, double, std::int32_t, std::int32_t, std::int32_t, std::int32_t, short, short, short, short)
