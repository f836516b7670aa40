// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqRandMultiNorm, short, const FP*, const FP*, short, std::int32_t, std::int32_t, short, short, short)
