// The stand-in's versions of the Windows calls the add-in makes, behaving as
// the Windows documentation describes for the arguments the add-in passes.
// standin_abi.cpp binds them to the C symbols the add-in imports.
#pragma once

#include <cstdint>

namespace Zq::StandIn {

using EnumWindowsCallback = int (*)(void* window, std::intptr_t context);

// Calls back once per top-level window in creation order until the callback
// answers 0. Answers 0 when stopped that way, 1 when every window was seen.
int EnumWindows(EnumWindowsCallback callback, std::intptr_t context);

// Copies at most capacity - 1 characters of the class name and a NUL;
// answers the number of characters copied (0 for an unknown window).
int GetClassNameA(void* window, char* buffer, int capacity);

// The parent (owner) given when the window was opened; null if none.
void* GetParent(void* window);

// Locale-aware comparison, as far as the add-in needs it: locale 0x0409
// with or without NORM_IGNORECASE. A length of -1 means NUL-terminated,
// any other non-negative length is that many characters. Answers 1, 2 or 3
// (less, equal, greater), or 0 for arguments Windows would reject.
int CompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength, const char* second,
                   int secondLength);

int lstrlenA(const char* text);

// Writes caption and text to standard error unless silenced; answers IDOK.
int MessageBoxA(void* owner, const char* text, const char* caption, unsigned int style);

// A nanosecond counter from the steady clock.
int QueryPerformanceFrequency(std::int64_t* frequency);
int QueryPerformanceCounter(std::int64_t* counter);

}  // namespace Zq::StandIn
