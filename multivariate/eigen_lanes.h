// Element-wise loops of the symmetric eigen-decomposition, each element an
// independent lane: every element sees exactly the operations, operands and
// order of the one-at-a-time loop, so the width chosen (two lanes with SSE2,
// four with AVX where the processor has it) never changes a bit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Zq::Math {

// One QL sweep: rotations of rows i from high down to low, the one of row i
// with c[first + high - i] and s[first + high - i].
struct RecordedSweep {
  std::int32_t high;
  std::int32_t low;
  std::int32_t first;
};

struct EigenLanes {
  // sums[j] = 0, then for k from 0 to rows - 1: sums[j] = sums[j] + row_k[j] * weights[k],
  // row k at base + k * stride
  void (*sumRowsTimes)(double* sums, const double* base, std::ptrdiff_t stride, const double* weights,
                       std::int32_t rows, std::int32_t count);
  // the same with weights[k] * row_k[j]
  void (*sumTimesRows)(double* sums, const double* base, std::ptrdiff_t stride, const double* weights,
                       std::int32_t rows, std::int32_t count);
  // row[c] = row[c] - (ur * q[c] + qr * u[c])
  void (*subtractRankTwoLeading)(double* row, double ur, const double* q, double qr, const double* u,
                                 std::int32_t count);
  // row[c] = row[c] - (u[c] * qr + q[c] * ur)
  void (*subtractRankTwoTrailing)(double* row, const double* u, double qr, const double* q, double ur,
                                  std::int32_t count);
  // row[j] = row[j] - g[j] * v
  void (*subtractTimes)(double* row, const double* g, double v, std::int32_t count);
  // (lower, upper) = (c * lower - s * upper, s * lower + c * upper), the upper read first
  void (*rotate)(double* lower, double* upper, double c, double s, std::int32_t count);
  // rotate(row i, row i + 1, c, s, count) for every rotation of the recorded
  // sweeps in their order (rows at base + i * stride), a band of columns
  // through every sweep before the next band.
  void (*sweeps)(double* base, std::ptrdiff_t stride, const RecordedSweep* list, std::int32_t sweepCount,
                 const double* c, const double* s, std::int32_t count);
};

// The widest lanes this processor runs, chosen at the first call.
const EigenLanes& ChosenEigenLanes();
// The two-lane loops, always available (tests compare them with the chosen ones).
const EigenLanes& TwoEigenLanes();

}  // namespace Zq::Math
