// What xlAutoFree (XLOPER) and xlAutoFree12 (XLOPER12) release of a record
// Excel has copied: the element array of an array, or the characters of a
// string. Elements never hold strings.
#pragma once

#include "addin/xlcall.h"

namespace Zq::Addin {

template <class Record>
void ReleaseResult(Record* record) {
  if (record == nullptr) return;
  if (record->xltype & xltypeMulti) {
    delete[] record->val.array.lparray;
    record->val.array.lparray = nullptr;
  } else if (record->xltype & xltypeStr) {
    delete[] record->val.str;
    record->val.str = nullptr;
  }
}

}  // namespace Zq::Addin
