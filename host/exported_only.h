// The worksheet functions the add-in exports without registering them. The
// host registers them itself, as another add-in or a macro would.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace Zq::Host {

struct ExportedOnlyFunction {
  std::string_view procedure;
  std::string_view typeText;
};

std::span<const ExportedOnlyFunction> ExportedOnlyFunctions();

// Registers each with xlfRegister through the stand-in: function text = the
// procedure in upper case, macro type "1", category "ZqRand".
void RegisterExportedOnlyFunctions(const std::string& modulePath);

}  // namespace Zq::Host
