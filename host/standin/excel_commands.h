// What the two callbacks (Excel4v with XLOPER records, Excel12v with
// XLOPER12 records) share: the stand-in's commands on decoded values. Each
// callback decodes its records, takes the state's lock (but for the window
// handle and the break, which need none) and runs one command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "host/standin/standin.h"
#include "host/standin/state_lock.h"

namespace Zq::StandIn::Commands {

// Held by a callback while it runs a command that reads or changes the
// state.
StateMutex& StateLock();

// Records the registration and, when the resolver finds its procedure (or
// there is no resolver), makes it callable: answers its register id;
// nullopt (Excel answers #VALUE!) when the resolver cannot find it.
std::optional<double> Register(Registration registration);

// Whether a function was registered under this id (and is no longer).
bool Unregister(double registerId);

// xlfSetName with the name alone.
void RemoveName(const std::string& name);

// xlGetHwnd: the main window's handle, or nullopt while it is made to fail.
std::optional<std::uintptr_t> MainWindowHandle();

const std::string& ModuleName();

// A string handed to the add-in, to be released by xlFree with `release`.
void KeepString(void* text, void (*release)(void* text));
// Releases it if it was handed out and not yet released.
void ReleaseString(void* text);

// xlAbort: whether the break is pressed for the calling thread's
// worksheet call; with retain false, takes it back.
bool AbortQuery(bool retain);

// The type of a record less its memory bits.
template <class Record>
auto BaseType(const Record& record) {
  return record.xltype & ~static_cast<decltype(record.xltype)>(xlbitXLFree | xlbitDLLFree);
}

// A counted-string record's text as UTF-8; false for any other record.
bool DecodeText(const XLOPER* record, std::string& text);
bool DecodeText(const XLOPER12* record, std::string& text);

// The commands whose records differ only in width, for either callback.

// xlFree: releases the strings handed out; other records are left alone.
template <class Record>
int Free(int count, Record* const* arguments) {
  for (int i = 0; i < count; ++i) {
    Record* record = arguments[i];
    if (record != nullptr && BaseType(*record) == xltypeStr) ReleaseString(record->val.str);
  }
  return xlretSuccess;
}

// xlfRegister: module name, procedure, type text, function text, then the
// optional texts, each a counted string.
template <class Record>
int Register(Record* result, int count, Record* const* arguments) {
  if (count < 3) return xlretFailed;
  Registration registration;
  registration.arguments.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (!DecodeText(arguments[i], registration.arguments[static_cast<std::size_t>(i)])) return xlretFailed;
  }
  const std::optional<double> registerId = Register(std::move(registration));
  if (result != nullptr && registerId) {
    result->val.num = *registerId;
    result->xltype = xltypeNum;
  } else if (result != nullptr) {
    result->val.err = xlerrValue;
    result->xltype = xltypeErr;
  }
  return xlretSuccess;
}

// xlfUnregister with a register id.
template <class Record>
int Unregister(Record* result, int count, Record* const* arguments) {
  if (count != 1 || arguments[0] == nullptr || BaseType(*arguments[0]) != xltypeNum) return xlretFailed;
  const bool known = Unregister(arguments[0]->val.num);
  if (result != nullptr) {
    result->val.xbool = known ? 1 : 0;
    result->xltype = xltypeBool;
  }
  return xlretSuccess;
}

// xlfSetName with the name alone removes that name.
template <class Record>
int SetName(Record* result, int count, Record* const* arguments) {
  std::string name;
  if (count != 1 || !DecodeText(arguments[0], name)) return xlretFailed;
  RemoveName(name);
  if (result != nullptr) {
    result->val.xbool = 1;
    result->xltype = xltypeBool;
  }
  return xlretSuccess;
}

// xlAbort, with an optional logical: FALSE takes the break back.
template <class Record>
int Abort(Record* result, int count, Record* const* arguments) {
  if (count > 1) return xlretFailed;
  bool retain = true;
  if (count == 1) {
    const Record* argument = arguments[0];
    if (argument == nullptr) return xlretFailed;
    switch (BaseType(*argument)) {
      case xltypeBool: retain = argument->val.xbool != 0; break;
      case xltypeNum: retain = argument->val.num != 0; break;
      case xltypeMissing: break;
      default: return xlretFailed;
    }
  }
  const bool broken = AbortQuery(retain);
  if (result != nullptr) {
    result->val.xbool = broken ? 1 : 0;
    result->xltype = xltypeBool;
  }
  return xlretSuccess;
}

// One call of either callback. The window handle and the break read only
// atomics and the calling thread's own clock: worksheet calls on several
// threads ask for them without waiting for one another. Every other command
// holds the state's lock; getName answers xlGetName, and own(function)
// answers the commands of one callback alone (xlretFailed for unknown ones).
template <class Record, class GetHwnd, class GetName, class Own>
int Run(int function, Record* result, int count, Record* const* arguments, GetHwnd&& getHwnd, GetName&& getName,
        Own&& own) {
  if (count < 0 || (count > 0 && arguments == nullptr)) return xlretFailed;
  if (function == xlGetHwnd) return getHwnd(result, count);
  if (function == xlAbort) return Abort(result, count, arguments);
  const StateGuard guard(StateLock());
  switch (function) {
    case xlGetName: return getName(result, count);
    case xlFree: return Free(count, arguments);
    case xlfRegister: return Register(result, count, arguments);
    case xlfUnregister: return Unregister(result, count, arguments);
    case xlfSetName: return SetName(result, count, arguments);
    default: return own(function);
  }
}

}  // namespace Zq::StandIn::Commands
