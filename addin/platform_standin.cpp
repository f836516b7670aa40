// Platform layer outside Windows: every call goes to the stand-in that the
// host process (or a test) links in.
#include "addin/flavour.h"
#include "addin/platform.h"
#include "addin/standin_abi.h"

namespace Zq::Platform {

// Each flavour calls its own Excel API only.
#if ZQ_EXCEL12
int Excel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments) {
  return ZqStandInExcel12v(function, result, count, arguments);
}

int XLCallVer() { return ZqStandInXLCallVer(); }
#else
int Excel4v(int function, XLOPER* result, int count, XLOPER* const* arguments) {
  return ZqStandInExcel4v(function, result, count, arguments);
}

int Excel4WithoutArguments(int function, XLOPER* result) { return ZqStandInExcel4v(function, result, 0, nullptr); }
#endif

bool EnumWindows(EnumWindowsCallback callback, std::intptr_t context) {
  return ZqStandInEnumWindows(callback, context) != 0;
}

int GetClassNameA(WindowHandle window, char* buffer, int capacity) {
  return ZqStandInGetClassNameA(window, buffer, capacity);
}

WindowHandle GetParent(WindowHandle window) { return ZqStandInGetParent(window); }

int CompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength, const char* second,
                   int secondLength) {
  return ZqStandInCompareStringA(locale, flags, first, firstLength, second, secondLength);
}

int lstrlenA(const char* text) { return ZqStandInLstrlenA(text); }

int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned int style) {
  return ZqStandInMessageBoxA(owner, text, caption, style);
}

bool QueryPerformanceFrequency(std::int64_t* frequency) { return ZqStandInQueryPerformanceFrequency(frequency) != 0; }

bool QueryPerformanceCounter(std::int64_t* counter) { return ZqStandInQueryPerformanceCounter(counter) != 0; }

void StateLock::lock() { mutex_.lock(); }
void StateLock::unlock() { mutex_.unlock(); }

}  // namespace Zq::Platform
