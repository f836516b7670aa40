// The message box: nobody is there to click, so the text goes to standard
// error (unless a quiet run silences a notice) and the answer is OK.
#include <cstdio>
#include <string>

#include "host/standin/standin.h"
#include "host/standin/state_lock.h"
#include "host/standin/windows_calls.h"

namespace Zq::StandIn {
namespace {

constexpr int kIdOk = 1;

struct MessageBoxState {
  bool quiet = false;
  std::string text;
  std::string caption;
  unsigned int style = 0;
  StateMutex mutex;  // a worksheet function on any thread may open a box
};

MessageBoxState& State() {
  static MessageBoxState state;
  return state;
}

}  // namespace

void SetMessageBoxQuiet(bool quiet) { State().quiet = quiet; }
const std::string& LastMessageBoxText() { return State().text; }
const std::string& LastMessageBoxCaption() { return State().caption; }
unsigned int LastMessageBoxStyle() { return State().style; }

int MessageBoxA(void*, const char* text, const char* caption, unsigned int style) {
  MessageBoxState& state = State();
  const StateGuard guard(state.mutex);
  state.text = text == nullptr ? "" : text;
  state.caption = caption == nullptr ? "Error" : caption;
  state.style = style;
  if (!state.quiet || IsWarning(style)) std::fprintf(stderr, "[%s]\n%s\n", state.caption.c_str(), state.text.c_str());
  return kIdOk;
}

}  // namespace Zq::StandIn
