// Array results made of matrices: an optional leading row (means, standard
// deviations, eigenvalues) above a matrix, every cell by the StoreNumber rule.
#pragma once

#include "addin/call_frame.h"
#include "multivariate/matrix.h"

namespace Zq::Addin {

// Counts are widened before adding the leading row, so a matrix of 65535
// rows plus a row is refused (#VALUE!) rather than wrapped.
inline ResultPointer MatrixArray(Result& out, Math::ConstMatrixView body, const Math::ConstVectorView* top = nullptr) {
  const long leading = top != nullptr ? 1 : 0;
  return out.Array(leading + body.Rows(), body.Columns(), [&](ResultRecord* cells) {
    if (top != nullptr) {
      for (auto it = top->First(); it != top->Last(); ++it) StoreNumber(*it, *cells++);
    }
    for (auto row = body.RowsBegin(); row != body.RowsEnd(); ++row) {
      const Math::ConstVectorView line = *row;
      for (auto it = line.First(); it != line.Last(); ++it) StoreNumber(*it, *cells++);
    }
  });
}

}  // namespace Zq::Addin
