// Compiled by ctest with the maths library's definitions: as a kernel source
// it builds; with the call frame included (ZQ_WITH_CALL_FRAME) it is refused.
#include "distributions/weibull.h"

#ifdef ZQ_WITH_CALL_FRAME
#include "addin/call_frame.h"
#endif

double WeibullMeanForCheck(double alpha, double beta) { return Zq::Math::WeibullMoments(alpha, beta).mean; }
