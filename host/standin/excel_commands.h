// What the two callbacks (Excel4v with XLOPER records, Excel12v with
// XLOPER12 records) share: the stand-in's commands on decoded values. Each
// callback decodes its records, takes the state's lock and runs one command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/standin/standin.h"
#include "host/standin/state_lock.h"

namespace Zq::StandIn::Commands {

// Held by a callback while it runs a command.
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

}  // namespace Zq::StandIn::Commands
