// Helpers for tests that call worksheet functions as Excel does.
#pragma once

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "addin/entry_points.h"
#include "addin/xlcall.h"

namespace Zq::Testing {

inline bool IsValueError(const XLOPER* record) {
  return record != nullptr && record->xltype == xltypeErr && record->val.err == xlerrValue;
}

// The cells of a returned array (NaN for #VALUE! cells), released through
// xlAutoFree as Excel does once it has copied them.
inline std::vector<double> TakeArray(LPXLOPER record, int rows, int columns) {
  std::vector<double> values;
  EXPECT_NE(record, nullptr);
  if (record == nullptr) return values;
  EXPECT_EQ(record->xltype, xltypeMulti | xlbitDLLFree);
  if (record->xltype != (xltypeMulti | xlbitDLLFree)) return values;
  EXPECT_EQ(record->val.array.rows, rows);
  EXPECT_EQ(record->val.array.columns, columns);
  const int count = record->val.array.rows * record->val.array.columns;
  for (int i = 0; i < count; ++i) {
    const XLOPER& cell = record->val.array.lparray[i];
    if (cell.xltype == xltypeNum) {
      values.push_back(cell.val.num);
    } else {
      EXPECT_TRUE(IsValueError(&cell));
      values.push_back(std::numeric_limits<double>::quiet_NaN());
    }
  }
  xlAutoFree(record);
  return values;
}

inline std::vector<double> TakeColumn(LPXLOPER record, int rows) { return TakeArray(record, rows, 1); }

}  // namespace Zq::Testing
