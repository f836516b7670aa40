// The worksheet functions as the harness and its seed tool see them: the
// add-in loaded by the host (xlAutoOpen plus the exported-only
// registrations), each registered function with its procedure and invoker,
// in registration order, so that a function index means the same in both.
#pragma once

#include <string>
#include <vector>

#include "addin/worksheet_function_rows.h"
#include "host/host.h"
#include "host/invokers.h"

namespace Zq::Fuzz {

// Every function of the list: the add-in's own and the exported-only ones.
constexpr auto kWorksheetFunctionCount = static_cast<std::size_t>(Addin::kWorksheetFunctionCount);

struct Target {
  std::string name;     // the worksheet name
  std::string letters;  // argument letters: the type text less its result letter
  Host::Procedure procedure = nullptr;
  Host::Invoker invoke = nullptr;
};

struct LoadedAddin {
  Host::Host host;
  Host::AddinLibrary library;
  Host::AutoFree autoFree = nullptr;
  std::vector<Target> targets;
};

// Loads the add-in at `path` into `addin`; answers false with a reason when
// it cannot, or when a function has no procedure or invoker.
bool LoadAddin(const std::string& path, LoadedAddin& addin, std::string& error);

}  // namespace Zq::Fuzz
