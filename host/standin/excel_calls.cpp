// Excel's side of the Excel4v callback: the few function numbers the add-in
// uses, answered as Excel answers them, with a record of what was asked.
// The commands Excel12v shares with it work on the same state, under one
// lock: worksheet functions on several threads call back at once.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/standin/excel_commands.h"
#include "host/standin/standin.h"
#include "host/standin/worksheet_names.h"

namespace Zq::StandIn {
namespace {

// Counted strings carry their length in one byte.
constexpr std::size_t kMaxCountedLength = 255;

// Set from a signal handler: outside ExcelState, which is built on first use.
std::atomic<bool> BreakKeyDown{false};
static_assert(std::atomic<bool>::is_always_lock_free, "pressing the break is safe in a signal handler");

using Clock = std::chrono::steady_clock;
using Commands::BaseType;

struct NameHash {
  using is_transparent = void;
  // FNV-1a over the upper-case letters.
  std::size_t operator()(std::string_view name) const {
    std::uint64_t hash = 14695981039346656037u;
    for (char c : name) {
      hash ^= static_cast<unsigned char>(UpperAscii(c));
      hash *= 1099511628211u;
    }
    return static_cast<std::size_t>(hash);
  }
};

struct NameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return SameName(a, b); }
};

struct ExcelState {
  std::string moduleName;
  std::atomic<bool> getHwndFails{false};
  std::vector<Registration> registrations;
  std::vector<RegisteredFunction> functions;
  // Where each function's name is in `functions`: a formula's function is
  // found without a search.
  std::unordered_map<std::string, std::size_t, NameHash, NameEqual> positions;
  std::vector<double> unregisteredIds;
  std::vector<std::string> removedNames;
  // Strings handed out by xlGetName, each with what releases it.
  std::map<void*, void (*)(void*)> outstandingStrings;
  ProcedureResolver resolver;
  // Set before a run; read by every worksheet call. Negative: no delay.
  std::atomic<std::chrono::nanoseconds::rep> breakAfter{-1};
  std::atomic<int> abortQueries{0};
};

// Each thread's current worksheet call, for the break-after delay.
struct CallClock {
  Clock::time_point callBegan = Clock::now();
  bool breakTakenBack = false;  // by xlAbort(FALSE), until the next call
};
thread_local CallClock ThisCall;

ExcelState& State() {
  static ExcelState state;
  return state;
}

std::vector<RegisteredFunction>::iterator FindRegistered(std::string_view functionText) {
  ExcelState& state = State();
  const auto found = state.positions.find(functionText);
  return found == state.positions.end() ? state.functions.end() : state.functions.begin() + found->second;
}

// Removing a function moves those after it: their positions are taken again.
void EraseFunction(std::vector<RegisteredFunction>::iterator function) {
  ExcelState& state = State();
  state.functions.erase(function);
  state.positions.clear();
  for (std::size_t i = 0; i < state.functions.size(); ++i) state.positions.emplace(state.functions[i].functionText, i);
}

int GetHwnd(XLOPER* result, int count) {
  const std::optional<std::uintptr_t> handle = Commands::MainWindowHandle();
  if (!handle || result == nullptr || count != 0) return xlretFailed;
  result->val.w = static_cast<short>(static_cast<WORD>(*handle & 0xFFFFu));
  result->xltype = xltypeInt;
  return xlretSuccess;
}

int GetName(XLOPER* result, int count) {
  if (result == nullptr || count != 0) return xlretFailed;
  const std::string& name = Commands::ModuleName();
  const std::size_t length = std::min(name.size(), kMaxCountedLength);
  char* text = new (std::nothrow) char[length + 1];
  if (text == nullptr) return xlretFailed;
  text[0] = static_cast<char>(length);
  std::memcpy(text + 1, name.data(), length);
  Commands::KeepString(text, [](void* kept) { delete[] static_cast<char*>(kept); });
  result->val.str = text;
  result->xltype = xltypeStr;
  return xlretSuccess;
}

// xlCoerce to a 16-bit integer, from a number (truncated toward zero), an
// integer or a boolean. Other conversions are not needed by the add-in.
int Coerce(XLOPER* result, int count, XLOPER* const* arguments) {
  if (result == nullptr || count != 2 || arguments[0] == nullptr || arguments[1] == nullptr) return xlretFailed;
  const XLOPER& wanted = *arguments[1];
  const bool wantsInteger = (BaseType(wanted) == xltypeInt && static_cast<WORD>(wanted.val.w) == xltypeInt) ||
                            (BaseType(wanted) == xltypeNum && wanted.val.num == xltypeInt);
  if (!wantsInteger) return xlretFailed;
  const XLOPER& source = *arguments[0];
  double value = 0;
  switch (BaseType(source)) {
    case xltypeNum: value = std::trunc(source.val.num); break;
    case xltypeInt: value = source.val.w; break;
    case xltypeBool: value = source.val.xbool != 0 ? 1 : 0; break;
    default: return xlretFailed;
  }
  if (!(value >= -32768.0 && value <= 32767.0)) return xlretFailed;
  result->val.w = static_cast<short>(value);
  result->xltype = xltypeInt;
  return xlretSuccess;
}

}  // namespace

namespace Commands {

bool DecodeText(const XLOPER* record, std::string& text) {
  if (record == nullptr || BaseType(*record) != xltypeStr || record->val.str == nullptr) return false;
  const auto length = static_cast<unsigned char>(record->val.str[0]);
  text.assign(record->val.str + 1, length);
  return true;
}

StateMutex& StateLock() {
  static StateMutex mutex;
  return mutex;
}

// What the resolver found stays with the function for its calls; a module
// or procedure it cannot find registers nothing, as in Excel.
std::optional<double> Register(Registration registration) {
  ExcelState& state = State();
  state.registrations.push_back(std::move(registration));
  const auto& texts = state.registrations.back().arguments;
  std::shared_ptr<const Binding> binding = state.resolver ? state.resolver(texts[0], texts[1], texts[2]) : nullptr;
  if (state.resolver && binding == nullptr) return std::nullopt;
  const auto registerId = static_cast<double>(state.registrations.size());
  if (texts.size() >= 4 && !texts[3].empty()) {
    RegisteredFunction function{texts[3], texts[1], texts[2], texts[0], registerId, std::move(binding)};
    const auto existing = FindRegistered(function.functionText);
    if (existing != state.functions.end()) {
      *existing = std::move(function);
    } else {
      state.positions.emplace(function.functionText, state.functions.size());
      state.functions.push_back(std::move(function));
    }
  }
  return registerId;
}

bool Unregister(double registerId) {
  auto& functions = State().functions;
  State().unregisteredIds.push_back(registerId);
  const auto found = std::find_if(functions.begin(), functions.end(),
                                  [&](const RegisteredFunction& f) { return f.registerId == registerId; });
  if (found == functions.end()) return false;
  EraseFunction(found);
  return true;
}

void RemoveName(const std::string& name) {
  State().removedNames.push_back(name);
  const auto found = FindRegistered(name);
  if (found != State().functions.end()) EraseFunction(found);
}

std::optional<std::uintptr_t> MainWindowHandle() {
  if (State().getHwndFails) return std::nullopt;
  return reinterpret_cast<std::uintptr_t>(ExcelMainWindow());
}

const std::string& ModuleName() { return State().moduleName; }

void KeepString(void* text, void (*release)(void* text)) { State().outstandingStrings.emplace(text, release); }

void ReleaseString(void* text) {
  auto& outstanding = State().outstandingStrings;
  const auto found = outstanding.find(text);
  if (found == outstanding.end()) return;
  found->second(found->first);
  outstanding.erase(found);
}

bool AbortQuery(bool retain) {
  ExcelState& state = State();
  ++state.abortQueries;
  const std::chrono::nanoseconds::rep breakAfter = state.breakAfter.load();
  const bool overdue = breakAfter >= 0 && !ThisCall.breakTakenBack &&
                       Clock::now() - ThisCall.callBegan >= std::chrono::nanoseconds(breakAfter);
  const bool broken = BreakKeyDown.load() || overdue;
  if (!retain) {
    BreakKeyDown.store(false);
    ThisCall.breakTakenBack = true;
  }
  return broken;
}

}  // namespace Commands

void SetBreakAfter(std::optional<std::chrono::nanoseconds> delay) {
  State().breakAfter = delay ? std::max(delay->count(), std::chrono::nanoseconds::rep{0}) : -1;
}

void BeginWorksheetCall() {
  ThisCall.callBegan = Clock::now();
  ThisCall.breakTakenBack = false;
}

void PressBreak() { BreakKeyDown.store(true); }
bool BreakPressed() { return BreakKeyDown.load(); }
void ReleaseBreak() { BreakKeyDown.store(false); }
int AbortQueries() { return State().abortQueries.load(); }

void SetGetHwndFails(bool fails) { State().getHwndFails = fails; }

void SetModuleName(const std::string& path) { State().moduleName = path; }

const std::vector<Registration>& Registrations() { return State().registrations; }

const RegisteredFunction* FindFunction(std::string_view functionText) {
  const StateGuard guard(Commands::StateLock());
  const auto found = FindRegistered(functionText);
  return found == State().functions.end() ? nullptr : &*found;
}

const std::vector<RegisteredFunction>& RegisteredFunctions() { return State().functions; }

void SetProcedureResolver(ProcedureResolver resolver) { State().resolver = std::move(resolver); }

const std::vector<double>& UnregisteredIds() { return State().unregisteredIds; }

const std::vector<std::string>& RemovedNames() { return State().removedNames; }

int OutstandingExcelStrings() {
  const StateGuard guard(Commands::StateLock());
  return static_cast<int>(State().outstandingStrings.size());
}

void ClearRecords() {
  State().registrations.clear();
  State().functions.clear();
  State().positions.clear();
  State().unregisteredIds.clear();
  State().removedNames.clear();
  State().abortQueries = 0;
}

int Excel4v(int function, XLOPER* result, int count, XLOPER* const* arguments) {
  return Commands::Run(function, result, count, arguments, GetHwnd, GetName, [&](int command) {
    return command == xlCoerce ? Coerce(result, count, arguments) : xlretFailed;
  });
}

}  // namespace Zq::StandIn
