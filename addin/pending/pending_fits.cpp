// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqBetaParam, double, double)
ZQ_PENDING(ZqGumbelParam, double, double)
ZQ_PENDING(ZqJohnsonSUParam, double, double, double, double)
ZQ_PENDING(ZqLogisticParam, double, double)
ZQ_PENDING(ZqLogNormParam, double, double)
ZQ_PENDING(ZqTriangularParam, double, double, double)
ZQ_PENDING(ZqTruncNormParam, double, double, double, double)
ZQ_PENDING(ZqWeibullParam, double, double)
ZQ_PENDING(ZqNormParetoParam, double, double, double, double)
ZQ_PENDING(ZqNormParetoUpperParam, const FP*, double, double, double)
ZQ_PENDING(ZqNormParetoLowerParam, const FP*, double, double, double)
ZQ_PENDING(ZqNormParetoMiddleParam, double, double, double, double, double, double)
