// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqNormParetoParam, double, double, double, double)
ZQ_PENDING(ZqNormParetoUpperParam, const FP*, double, double, double)
ZQ_PENDING(ZqNormParetoLowerParam, const FP*, double, double, double)
ZQ_PENDING(ZqNormParetoMiddleParam, double, double, double, double, double, double)
