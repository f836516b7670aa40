// The C symbols the add-in imports when it is not built for Windows. They
// are exported from the loading process, where the dynamic loader finds them.
#include "host/standin/standin.h"
#include "host/standin/windows_calls.h"

// Declared and defined with default visibility, whatever the build's preset.
#pragma GCC visibility push(default)
#include "addin/standin_abi.h"

extern "C" {

int ZqStandInExcel4v(int function, XLOPER* result, int count, XLOPER* const* arguments) {
  return Zq::StandIn::Excel4v(function, result, count, arguments);
}

int ZqStandInExcel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments) {
  return Zq::StandIn::Excel12v(function, result, count, arguments);
}

int ZqStandInXLCallVer() { return Zq::StandIn::XLCallVer(); }

int ZqStandInEnumWindows(int (*callback)(void* window, std::intptr_t context), std::intptr_t context) {
  return Zq::StandIn::EnumWindows(callback, context);
}

int ZqStandInGetClassNameA(void* window, char* buffer, int capacity) {
  return Zq::StandIn::GetClassNameA(window, buffer, capacity);
}

void* ZqStandInGetParent(void* window) { return Zq::StandIn::GetParent(window); }

int ZqStandInCompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength,
                            const char* second, int secondLength) {
  return Zq::StandIn::CompareStringA(locale, flags, first, firstLength, second, secondLength);
}

int ZqStandInLstrlenA(const char* text) { return Zq::StandIn::lstrlenA(text); }

int ZqStandInMessageBoxA(void* owner, const char* text, const char* caption, unsigned int style) {
  return Zq::StandIn::MessageBoxA(owner, text, caption, style);
}

int ZqStandInQueryPerformanceFrequency(std::int64_t* frequency) {
  return Zq::StandIn::QueryPerformanceFrequency(frequency);
}

int ZqStandInQueryPerformanceCounter(std::int64_t* counter) { return Zq::StandIn::QueryPerformanceCounter(counter); }

}
#pragma GCC visibility pop
