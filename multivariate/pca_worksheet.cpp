// ZqPCA: eigenvalues (first row) and unit eigenvectors (the columns below)
// of a symmetric matrix, read from its lower triangle.
#include "addin/call_frame.h"
#include "addin/user_break.h"
#include "multivariate/array_argument_worksheet.h"
#include "multivariate/matrix_result_worksheet.h"
#include "multivariate/symmetric_eigen.h"

ZQ_WORKSHEET ZqPCA(const Zq::Addin::ArrayArgument* matrix) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    const Zq::Math::ConstMatrixView a = Zq::Addin::MatrixArgument(matrix);
    const std::int32_t n = a.Rows();
    if (n == 0 || a.Columns() != n) return out.Error();
    // The eigenvalues' row and the eigenvectors: checked before the work.
    if (!Zq::Addin::WithinResultCeiling(n + 1LL, n)) return out.Error();
    Zq::Math::Vector d(n, Zq::Math::Init::Uninitialised);
    Zq::Math::Matrix z(n, n, Zq::Math::Init::Uninitialised);
    if (d.Length() != n || z.Empty()) return out.Error();
    Zq::Math::StopRequest userBreak = Zq::Addin::BreakOnEsc();
    if (!Zq::Math::SymmetricEigen(d, z, a, userBreak)) return out.Error();
    const Zq::Math::ConstVectorView values = d;
    return Zq::Addin::MatrixArray(out, z, &values);
  });
}
