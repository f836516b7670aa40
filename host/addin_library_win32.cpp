// Loading the add-in on Windows. Before the first load, Excel's call
// library (the stub XLCALL32.DLL next to the host, which the add-in imports
// by ordinal) is routed to the stand-in for Excel, and the host's thread is
// watched for the about box the add-in opens with the real MessageBoxA.
#include <windows.h>

#include "host/addin_library.h"
#include "host/standin/standin.h"
#include "host/windows/message_box_hook.h"
#include "host/windows/xlcall32_stub.h"

namespace Zq::Host {

const char* const kAddinFileName = sizeof(void*) == 8 ? "zqrand64.xll" : "zqrand32.xll";
const char* const kExtrasFileName = sizeof(void*) == 8 ? "zqextras64.xll" : "zqextras32.xll";

bool AddinLibrary::Open(const std::string& path, std::string& error) {
  Close();
  ZqInstallExcelHandler(&StandIn::Excel4v);
  if (!StandIn::InstallMessageBoxHook()) {
    error = "cannot watch for message boxes: error " + std::to_string(GetLastError());
    return false;
  }
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
