// The user's break (Esc in Excel) for long worksheet calls: a stop request
// whose predicate asks Excel, through xlAbort, whether the user broke. The
// kernels ask it about every 100 ms of work; a call they stop answers
// #VALUE!, having released whatever it held.
#pragma once

#include "addin/worksheet_layer.h"
#include "numerics/stop_request.h"

namespace Zq::Addin {

// True when Excel answers xlAbort with TRUE: the user pressed Esc.
bool UserBroke();

// A stop request for one worksheet call, asking UserBroke.
Math::StopRequest BreakOnEsc();

}  // namespace Zq::Addin
