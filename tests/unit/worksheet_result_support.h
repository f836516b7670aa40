// Reads a worksheet function's answer, whatever its shape, into plain
// values; arrays go back to xlAutoFree as Excel does.
#pragma once

#include <cmath>
#include <vector>

#include "tests/unit/worksheet_test_support.h"

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
  if (IsValueError(record)) {
    answer.error = true;
    return answer;
  }
  answer.rows = record->val.array.rows;
  answer.columns = record->val.array.columns;
  answer.values = TakeArray(record, answer.rows, answer.columns);
  return answer;
}

}  // namespace Zq::Testing
