// Reads what a worksheet function answered: one #VALUE!, a number, or an
// array of cells (released through xlAutoFree as Excel would).
#pragma once

#include <cmath>
#include <limits>
#include <vector>

#include "addin/xlcall.h"

extern "C" void ZQ_CALL xlAutoFree(LPXLOPER record);

namespace Zq::Testing {

struct Answer {
  bool error = false;  // the whole answer is #VALUE!
  int rows = 0;
  int columns = 0;
  std::vector<double> cells;  // row by row; NaN where a cell holds #VALUE!

  double At(int i, int j) const { return cells[static_cast<std::size_t>(i) * columns + j]; }
  bool CellError(int i, int j) const { return std::isnan(At(i, j)); }
};

inline double CellValue(const XLOPER& cell) {
  return cell.xltype == xltypeNum ? cell.val.num : std::numeric_limits<double>::quiet_NaN();
}

inline Answer Read(LPXLOPER record) {
  Answer answer;
  if (record == nullptr || record->xltype == xltypeErr) {
    answer.error = true;
    return answer;
  }
  if ((record->xltype & xltypeMulti) == 0) {
    answer.rows = answer.columns = 1;
    answer.cells.push_back(CellValue(*record));
    return answer;
  }
  answer.rows = record->val.array.rows;
  answer.columns = record->val.array.columns;
  for (int k = 0; k < answer.rows * answer.columns; ++k) answer.cells.push_back(CellValue(record->val.array.lparray[k]));
  if (record->xltype & xlbitDLLFree) xlAutoFree(record);
  return answer;
}

}  // namespace Zq::Testing
