// A simulated list of top-level windows: Excel's main window first, then
// the windows tests and the host open, in creation order. Handles are
// made-up numbers that are never dereferenced. Worksheet functions on
// worker threads read the list (the Function Wizard guard) while the main
// thread may change it: every access holds the list's lock.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/standin/standin.h"
#include "host/standin/state_lock.h"
#include "host/standin/windows_calls.h"

namespace Zq::StandIn {
namespace {

struct SimulatedWindow {
  Window handle;
  std::string className;
  Window parent;
};

// Handles step by 4 like real ones and start away from zero so that a null
// handle never matches one.
constexpr std::uintptr_t kFirstHandle = 0x000A0012;
constexpr std::uintptr_t kHandleStep = 4;

struct WindowList {
  std::vector<SimulatedWindow> windows{{reinterpret_cast<Window>(kFirstHandle), "XLMAIN", nullptr}};
  std::uintptr_t nextHandle = kFirstHandle + kHandleStep;
  StateMutex mutex;
};

WindowList& List() {
  static WindowList list;
  return list;
}

const SimulatedWindow* Find(Window handle) {
  const auto& windows = List().windows;
  const auto found =
      std::find_if(windows.begin(), windows.end(), [&](const SimulatedWindow& w) { return w.handle == handle; });
  return found == windows.end() ? nullptr : &*found;
}

}  // namespace

// Excel's main window is first and stays: its handle never changes.
Window ExcelMainWindow() { return reinterpret_cast<Window>(kFirstHandle); }

Window OpenWindow(const std::string& className, Window parent) {
  WindowList& list = List();
  const StateGuard guard(list.mutex);
  const Window handle = reinterpret_cast<Window>(list.nextHandle);
  list.nextHandle += kHandleStep;
  list.windows.push_back({handle, className, parent});
  return handle;
}

void CloseWindow(Window window) {
  if (window == ExcelMainWindow()) return;
  const StateGuard guard(List().mutex);
  auto& windows = List().windows;
  windows.erase(std::remove_if(windows.begin(), windows.end(), [&](const SimulatedWindow& w) { return w.handle == window; }),
                windows.end());
}

void CloseAllWindows() {
  const StateGuard guard(List().mutex);
  List().windows.resize(1);
}

Window OpenFunctionWizard() { return OpenWindow("bosa_sdm_XL9", ExcelMainWindow()); }

int EnumWindows(EnumWindowsCallback callback, std::intptr_t context) {
  if (callback == nullptr) return 0;
  // A snapshot: the callback may open or close windows.
  std::vector<Window> handles;
  {
    const StateGuard guard(List().mutex);
    for (const auto& window : List().windows) handles.push_back(window.handle);
  }
  for (Window handle : handles) {
    if (callback(handle, context) == 0) return 0;
  }
  return 1;
}

int GetClassNameA(void* window, char* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  const StateGuard guard(List().mutex);
  const SimulatedWindow* found = Find(window);
  if (found == nullptr) {
    buffer[0] = '\0';
    return 0;
  }
  const std::size_t copied = std::min(found->className.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, found->className.data(), copied);
  buffer[copied] = '\0';
  return static_cast<int>(copied);
}

void* GetParent(void* window) {
  const StateGuard guard(List().mutex);
  const SimulatedWindow* found = Find(window);
  return found == nullptr ? nullptr : found->parent;
}

}  // namespace Zq::StandIn
