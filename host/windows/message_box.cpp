// The about box on Windows: the add-in calls the real MessageBoxA. A hook on
// the host's thread sees the box open, reads its caption and text, writes
// them to standard error (unless a quiet run silences a notice) and presses
// OK, since nobody is there to click.
#include <cstdio>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "host/standin/standin.h"
#include "host/windows/message_box_hook.h"

namespace Zq::StandIn {
namespace {

// The dialog class of message boxes and the identifier of their text.
constexpr char kDialogClass[] = "#32770";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kTextCapacity = 4096;

struct MessageBoxState {
  HHOOK hook = nullptr;
  bool quiet = false;
  std::string text;
  std::string caption;
  unsigned int style = 0;
};

MessageBoxState& State() {
  static MessageBoxState state;
  return state;
}

std::string WindowText(HWND window) {
  char buffer[kTextCapacity] = {};
  if (window != nullptr) GetWindowTextA(window, buffer, kTextCapacity);
  return buffer;
}

// The style bits that can be read back from the open box: its icon
// (information, warning or error) and whether it stays on top.
unsigned int ObservedStyle(HWND box) {
  unsigned int style = 0;
  if (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) style |= MB_TOPMOST;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (icon == nullptr) continue;
    if (icon == LoadIconA(nullptr, IDI_INFORMATION)) style |= MB_ICONINFORMATION;
    if (icon == LoadIconA(nullptr, IDI_WARNING)) style |= MB_ICONWARNING;
    if (icon == LoadIconA(nullptr, IDI_ERROR)) style |= MB_ICONERROR;
  }
  return style;
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
  MessageBoxState& state = State();
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char className[sizeof(kDialogClass) + 1] = {};
    GetClassNameA(box, className, sizeof(className));
    if (std::string(className) == kDialogClass && GetDlgItem(box, kMessageTextId) != nullptr) {
      state.caption = WindowText(box);
      state.text = WindowText(GetDlgItem(box, kMessageTextId));
      state.style = ObservedStyle(box);
      if (!state.quiet || IsWarning(state.style)) {
        std::fprintf(stderr, "[%s]\n%s\n", state.caption.c_str(), state.text.c_str());
      }
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(state.hook, code, wParam, lParam);
}

}  // namespace

bool InstallMessageBoxHook() {
  MessageBoxState& state = State();
  if (state.hook == nullptr) state.hook = SetWindowsHookExA(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId());
  return state.hook != nullptr;
}

void SetMessageBoxQuiet(bool quiet) { State().quiet = quiet; }
const std::string& LastMessageBoxText() { return State().text; }
const std::string& LastMessageBoxCaption() { return State().caption; }
unsigned int LastMessageBoxStyle() { return State().style; }

}  // namespace Zq::StandIn
