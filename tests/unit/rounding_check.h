// One row of the MPFR rounding checks: a function of the add-in, its
// correctly rounded MPFR counterpart, and a map from 64 random bits to an
// argument, spread over the function's whole range. The fast sample in the
// unit tests and a long sweep can run the same rows.
#pragma once

#include <cstdint>
#include <string>

#include "tests/unit/mpfr_reference.h"

namespace Zq::Test {

struct UnaryRoundingCheck {
  const char* name;
  double (*function)(double);
  MpfrUnary oracle;
  double (*argument)(std::uint64_t bits);
};

// The add-in's tangent over every class of argument: tiny, moderate, next
// to multiples of pi/2, huge up to the largest double, either sign, and any
// bit pattern at all.
extern const UnaryRoundingCheck kTangentRoundingCheck;

// The arguments among `count` (drawn from `seed` through the row's map)
// where the function and MPFR disagree; the first few are described in
// `failures`.
long CountMisrounded(const UnaryRoundingCheck& check, std::uint64_t seed, long count, std::string& failures);

}  // namespace Zq::Test
