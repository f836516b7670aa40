#include "addin/registration.h"

#include "addin/platform.h"

namespace Zq::Addin {

int RegisterRow(XLOPER& module, const RegistrationRow& row, XLOPER* registerId) {
  return RegisterRow(Platform::Excel4v, module, row, registerId);
}

}  // namespace Zq::Addin
