#include <windows.h>

#include "host/addin_library.h"

namespace Zq::Host {

// The Windows build names the add-in by the word size of the Excel it fits.
const char* const kAddinFileName = sizeof(void*) == 8 ? "zqrand64.xll" : "zqrand32.xll";

bool AddinLibrary::Open(const std::string& path, std::string& error) {
  Close();
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    error = "LoadLibrary failed with error " + std::to_string(GetLastError());
    return false;
  }
  handle_ = module;
  return true;
}

Procedure AddinLibrary::Find(const std::string& name) const {
  if (handle_ == nullptr) return nullptr;
  return reinterpret_cast<Procedure>(GetProcAddress(static_cast<HMODULE>(handle_), name.c_str()));
}

void AddinLibrary::Close() {
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
  handle_ = nullptr;
}

}  // namespace Zq::Host
