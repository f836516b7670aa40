// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqTruncNormInv, double, double, double, double, double)
