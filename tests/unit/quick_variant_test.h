// Runs a test once for each variant of the elementary functions' quick
// passes (numerics/exact_products.h): the Plain one, and the Fused one where
// the processor has the instruction (skipped elsewhere).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "numerics/processor_features.h"

namespace Zq::Test {

class QuickVariantTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (Zq::Math::UseFusedMultiplyAdd(GetParam()) != GetParam()) GTEST_SKIP() << "no fused multiply-add here";
  }
  // Back to the variant chosen when the library loaded.
  void TearDown() override { Zq::Math::UseFusedMultiplyAdd(true); }
};

inline std::string QuickVariantName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Fused" : "Plain"; }

}  // namespace Zq::Test
