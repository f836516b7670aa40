// The Excel 12 the flavour's tests run the add-in against.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "addin/xlcall12.h"

namespace Zq::Test {

struct Excel12StandIn {
  int version = kExcel12CallVersion;
  std::atomic<int> messageBoxes{0};
  // The texts of each xlfRegister call, module name first.
  std::vector<std::vector<std::u16string>> registrations;
};

Excel12StandIn& StandIn();

}  // namespace Zq::Test
