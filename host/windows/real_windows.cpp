// The host's windows on Windows: real, never shown top-level windows that
// the add-in's guard finds through the real EnumWindows, GetClassNameA and
// GetParent. Excel's main window (class "XLMAIN") is the one whose handle
// xlGetHwnd answers; other windows are owned by the parent they are given,
// so GetParent answers that parent, as for Excel's Function Wizard.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "host/standin/standin.h"

namespace Zq::StandIn {
namespace {

std::vector<HWND>& OpenedWindows() {
  static std::vector<HWND> windows;
  return windows;
}

bool RegisterWindowClass(const std::string& className) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className.c_str();
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A hidden window of that class; a pop-up when it has an owner, which is
// what makes GetParent answer the owner for a top-level window.
HWND CreateHiddenWindow(const std::string& className, HWND owner) {
  if (!RegisterWindowClass(className)) return nullptr;
  const DWORD style = owner != nullptr ? WS_POPUP : WS_OVERLAPPEDWINDOW;
  HWND window = CreateWindowExA(0, className.c_str(), "", style, 0, 0, 100, 100, owner, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) {
    std::fprintf(stderr, "zqhost: cannot create a window of class %s (error %lu)\n", className.c_str(),
                 static_cast<unsigned long>(GetLastError()));
  }
  return window;
}

}  // namespace

Window ExcelMainWindow() {
  static HWND main = CreateHiddenWindow("XLMAIN", nullptr);
  return main;
}

Window OpenWindow(const std::string& className, Window parent) {
  HWND window = CreateHiddenWindow(className, static_cast<HWND>(parent));
  if (window != nullptr) OpenedWindows().push_back(window);
  return window;
}

void CloseWindow(Window window) {
  auto& windows = OpenedWindows();
  const auto found = std::find(windows.begin(), windows.end(), static_cast<HWND>(window));
  if (found == windows.end()) return;
  DestroyWindow(*found);
  windows.erase(found);
}

void CloseAllWindows() {
  for (HWND window : OpenedWindows()) DestroyWindow(window);
  OpenedWindows().clear();
}

Window OpenFunctionWizard() { return OpenWindow("bosa_sdm_XL9", ExcelMainWindow()); }

}  // namespace Zq::StandIn
