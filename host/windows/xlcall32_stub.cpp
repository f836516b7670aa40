// XLCALL32.DLL for the Windows build of the host: Excel's two callbacks at
// their ordinals (2 Excel4, 3 Excel4v), forwarding every call to the handler
// that the host installs before it loads the add-in, and XLCallVer by name.
// Excel 12's callback is not here: Excel's process exports it (the host's
// MdCallBack12).
#include <cstdarg>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#define ZQ_BUILDING_XLCALL32_STUB
#include "host/windows/xlcall32_stub.h"

namespace {

ZqExcelHandler InstalledHandler = nullptr;

constexpr int kMaxExcelArguments = 255;

int Forward(int function, LPXLOPER result, int count, LPXLOPER* arguments) {
  if (InstalledHandler == nullptr) return xlretFailed;
  return InstalledHandler(function, result, count, arguments);
}

}  // namespace

extern "C" {

void ZqInstallExcelHandler(ZqExcelHandler handler) { InstalledHandler = handler; }

int __cdecl Excel4(int function, LPXLOPER result, int count, ...) {
  if (count < 0 || count > kMaxExcelArguments) return xlretFailed;
  LPXLOPER arguments[kMaxExcelArguments];
  va_list list;
  va_start(list, count);
  for (int k = 0; k < count; ++k) arguments[k] = va_arg(list, LPXLOPER);
  va_end(list);
  return Forward(function, result, count, arguments);
}

int WINAPI Excel4v(int function, LPXLOPER result, int count, LPXLOPER arguments[]) {
  if (count < 0 || count > kMaxExcelArguments) return xlretFailed;
  return Forward(function, result, count, arguments);
}

// The host always offers Excel 12's interface.
int WINAPI XLCallVer() { return 0x0C00; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
}
