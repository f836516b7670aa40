// The choice between the quick passes' plain and fused variants.
#include "numerics/exact_products.h"

namespace Zq::Math::Quick {

namespace {

bool ProcessorHasFusedMultiplyAdd() {
#if ZQ_RUNTIME_AVX
  __builtin_cpu_init();
  return __builtin_cpu_supports("fma");
#else
  return false;
#endif
}

}  // namespace

bool fusedProductsInUse = ProcessorHasFusedMultiplyAdd();

bool UseFusedProducts(bool wanted) {
  fusedProductsInUse = wanted && ProcessorHasFusedMultiplyAdd();
  return fusedProductsInUse;
}

}  // namespace Zq::Math::Quick
