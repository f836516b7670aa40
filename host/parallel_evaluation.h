// Evaluating a sheet's formulas on several threads at once, as Excel's
// multi-threaded recalculation calls independent cells: the formulas whose
// functions are registered thread-safe spread over the threads; the others
// run one after another on the calling (main) thread, as Excel keeps them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "host/host.h"

namespace Zq::Host {

// One evaluation per formula, in the formulas' order; nullopt for a formula
// not evaluated because the user's break was pressed first. threads counts
// the calling thread; 1 evaluates everything on it.
std::vector<std::optional<Evaluation>> EvaluateAll(Host& host, const std::vector<std::string_view>& formulas,
                                                   unsigned threads);

}  // namespace Zq::Host
