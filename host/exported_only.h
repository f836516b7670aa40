// The worksheet functions the add-in exports without registering them
// (extras/extras_table.h). Unless told not to, the host registers those
// that nothing else registered, as another add-in or a macro would.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Zq::Host {

// Registers through the stand-in each row of the table whose function text
// is not registered yet, with the module that `moduleFor` names for its
// procedure; a row whose module is empty is left out. Answers the register
// ids of the functions registered.
std::vector<double> RegisterExportedOnlyFunctions(const std::function<std::string(const std::string& procedure)>& moduleFor);

}  // namespace Zq::Host
