// Builds Excel floating-point array arguments for tests, in storage of exactly
// the size Excel would pass, so that a read past the values trips the
// address sanitizer.
#pragma once

#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "addin/xlcall.h"

namespace Zq::Testing {

class ArrayArgument {
 public:
  ArrayArgument(unsigned rows, unsigned columns, const std::vector<double>& values)
      : storage_(new double[1 + values.size()]) {
    const WORD counts[2] = {static_cast<WORD>(rows), static_cast<WORD>(columns)};
    std::memset(storage_.get(), 0, sizeof(double));
    std::memcpy(storage_.get(), counts, sizeof counts);
    if (!values.empty()) std::memcpy(storage_.get() + 1, values.data(), values.size() * sizeof(double));
  }
  const FP* get() const { return reinterpret_cast<const FP*>(storage_.get()); }
  operator const FP*() const { return get(); }

 private:
  std::unique_ptr<double[]> storage_;
};

}  // namespace Zq::Testing
