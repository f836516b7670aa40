// Excel's HSTACK and VSTACK: arrays (and single values) side by side or one
// above the other. HSTACK's result is as tall as its tallest part and as
// wide as all parts together; a shorter part is padded with #N/A below it.
// VSTACK the same across. (Microsoft's reference pages "HSTACK function" and
// "VSTACK function".)
#pragma once

#include <cstddef>
#include <vector>

#include "host/result.h"

namespace Zq::Host {

// The most cells a grid that the host composes may hold (a stack or a
// lifted call), the same ceiling the add-in keeps on one call's result.
constexpr std::size_t kMaxComposedCells = std::size_t{1} << 24;

// The parts stacked side by side (horizontal) or one above the other; a
// single #VALUE! past kMaxComposedCells.
Grid Stack(const std::vector<const Grid*>& parts, bool horizontal);

}  // namespace Zq::Host
