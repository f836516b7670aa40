// Reads a worksheet function's answer into plain values and hands any array
// back to xlAutoFree, as Excel does.
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
  std::vector<double> values;  // row by row; NaN marks a #VALUE! cell

  double At(int i, int j) const { return values[static_cast<std::size_t>(i) * columns + j]; }
  bool CellError(int i, int j) const { return std::isnan(At(i, j)); }
};

inline Answer Read(LPXLOPER record) {
  Answer answer;
  if (record->xltype == xltypeErr) {
    answer.error = true;
    return answer;
  }
  if (record->xltype == xltypeNum) {
    answer.rows = answer.columns = 1;
    answer.values.push_back(record->val.num);
    return answer;
  }
  answer.rows = record->val.array.rows;
  answer.columns = record->val.array.columns;
  for (int k = 0; k < answer.rows * answer.columns; ++k) {
    const XLOPER& cell = record->val.array.lparray[k];
    answer.values.push_back(cell.xltype == xltypeNum ? cell.val.num : std::numeric_limits<double>::quiet_NaN());
  }
  xlAutoFree(record);
  return answer;
}

}  // namespace Zq::Testing
