// The element blocks of array results. A block is allocated for each array
// and handed back by xlAutoFree (xlAutoFree12) once Excel has copied it.
// Fresh pages cost more than the values they hold on a big grid column
// (every page faults in on first touch), so the Excel 12 flavour keeps a
// few large handed-back blocks, up to two million cells in all, for the
// next large arrays that fit them; the classic flavour keeps none.
#pragma once

#include <cstddef>

#include "addin/flavour.h"

namespace Zq::Addin {

// A block of at least `count` cells, or null when memory cannot be had.
ResultRecord* NewCells(std::size_t count) noexcept;

// Takes back a block from NewCells: kept for a later array, or freed.
void DeleteCells(ResultRecord* cells) noexcept;

// Frees the kept blocks (when the add-in closes).
void FreeKeptCells() noexcept;

}  // namespace Zq::Addin
