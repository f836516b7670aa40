// What xlAutoFree (XLOPER) and xlAutoFree12 (XLOPER12) release of a record
// Excel has copied: the element block of an array (addin/result_cells.h),
// or the characters of a string. Elements never hold strings.
#pragma once

#include "addin/result_cells.h"

namespace Zq::Addin {

template <class Record>
void ReleaseResult(Record* record) {
  if (record == nullptr) return;
  if (record->xltype & xltypeMulti) {
    DeleteCells(record->val.array.lparray);
    record->val.array.lparray = nullptr;
  } else if (record->xltype & xltypeStr) {
    delete[] record->val.str;
    record->val.str = nullptr;
  }
}

}  // namespace Zq::Addin
