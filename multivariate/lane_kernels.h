// Element-wise kernels of the dense linear algebra, each element in its own
// SIMD lane doing exactly the scalar operations in the scalar order (vector
// add, multiply and subtract round like the scalar ones, and nothing is
// fused), so every element keeps the bits of the plain loop. AVX2 is chosen
// at load time where the processor has it; SSE2 otherwise.
#pragma once

#include <cstdint>

namespace Zq::Math {

// y[i] := y[i] + c * x[i] for i < n.
void AddMultiple(double* y, const double* x, double c, std::int32_t n);

// The plane rotation of two rows: (p[i], q[i]) := (p[i] c + q[i] s, q[i] c - p[i] s).
void RotateRows(double* p, double* q, double c, double s, std::int32_t n);

// Tests choose the SSE2 lanes too, to check both on one machine; asking for
// AVX2 where it cannot run keeps SSE2. Returns whether AVX2 is in use.
bool UseAvx2Lanes(bool wanted);

// Transposes a packed square n x n matrix in place (no arithmetic).
void TransposeSquare(double* data, std::int32_t n);

}  // namespace Zq::Math
