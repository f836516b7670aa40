// Worksheet functions not built yet: each answers #VALUE! until its
// computation lands, so every exported name exists from the start.
#include <cstdint>

#include "addin/pending.h"

ZQ_PENDING(ZqNormPareto, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoDist, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoDistDash, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoInv, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoOrg, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoOrgDist, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoOrgDistDash, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoOrgInv, double, double, double, double, double, double, double, double, double)
ZQ_PENDING(ZqNormParetoMean, double, double, double, double)
ZQ_PENDING(ZqNormParetoStdev, double, double, double)
ZQ_PENDING(ZqNormParetoSkew, double, double)
ZQ_PENDING(ZqNormParetoKurt, double, double)
ZQ_PENDING(ZqNormParetoOrgMean, double, double, double, double, double, double)
