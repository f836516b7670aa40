#include "numerics/processor_features.h"

namespace Zq::Math {

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

bool fusedMultiplyAddInUse = ProcessorHasFusedMultiplyAdd();

bool UseFusedMultiplyAdd(bool wanted) {
  fusedMultiplyAddInUse = wanted && ProcessorHasFusedMultiplyAdd();
  return fusedMultiplyAddInUse;
}

}  // namespace Zq::Math
