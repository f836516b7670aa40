#include "host/stacking.h"

#include <algorithm>

namespace Zq::Host {

Grid Stack(const std::vector<const Grid*>& parts, bool horizontal) {
  // Stacking across is stacking down with rows and columns swapped.
  const auto along = [horizontal](const Grid& g) { return horizontal ? g.columns : g.rows; };
  const auto across = [horizontal](const Grid& g) { return horizontal ? g.rows : g.columns; };
  std::size_t length = 0, breadth = 0;
  for (const Grid* part : parts) {
    if (along(*part) > kMaxComposedCells - length) return SingleCell(ErrorValue{});
    length += along(*part);
    breadth = std::max(breadth, across(*part));
  }
  if (length == 0 || breadth == 0 || breadth > kMaxComposedCells / length) return SingleCell(ErrorValue{});
  Grid grid;
  grid.rows = horizontal ? breadth : length;
  grid.columns = horizontal ? length : breadth;
  grid.cells.assign(grid.rows * grid.columns, Cell{ErrorValue{kErrorNotAvailable}});
  std::size_t offset = 0;
  for (const Grid* part : parts) {
    for (std::size_t row = 0; row < part->rows; ++row) {
      for (std::size_t column = 0; column < part->columns; ++column) {
        const std::size_t r = horizontal ? row : offset + row;
        const std::size_t c = horizontal ? offset + column : column;
        grid.cells[r * grid.columns + c] = part->cells[row * part->columns + column];
      }
    }
    offset += along(*part);
  }
  return grid;
}

}  // namespace Zq::Host
