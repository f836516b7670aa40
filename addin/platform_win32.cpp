// The platform layer on Windows: Excel's callbacks imported by ordinal from
// XLCALL32.DLL (2 is Excel4, 3 is Excel4v), the window calls of the
// Function Wizard guard and the message box from user32, the counter from
// kernel32. The Excel 12 flavour calls Excel 12's callback, which the Excel
// process itself exports, and imports XLCallVer from XLCALL32.DLL by name.
#include "addin/flavour.h"
#include "addin/platform.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Excel's call library. Excel4 takes its argument records as C varargs;
// Excel4v takes them as an array and uses the Windows calling convention.
// Each flavour imports and calls its own Excel API only.
extern "C" {
#if ZQ_EXCEL12
__declspec(dllimport) int WINAPI XLCallVer();
#else
__declspec(dllimport) int __cdecl Excel4(int function, LPXLOPER result, int count, ...);
__declspec(dllimport) int WINAPI Excel4v(int function, LPXLOPER result, int count, LPXLOPER arguments[]);
#endif
}

#if ZQ_EXCEL12
namespace {

// Excel 12's callback; note the order: the arguments before the result.
using ExcelCallback12 = int(WINAPI*)(int function, int count, LPXLOPER12* arguments, LPXLOPER12 result);

ExcelCallback12 FindExcelCallback12() {
  const FARPROC found = ::GetProcAddress(::GetModuleHandleW(nullptr), "MdCallBack12");
  return reinterpret_cast<ExcelCallback12>(reinterpret_cast<void (*)()>(found));
}

// Looked up once, when the add-in is loaded into the process, and only read
// afterwards, from whichever thread calls.
const ExcelCallback12 ExcelCallback12InProcess = FindExcelCallback12();

}  // namespace
#endif

namespace Zq::Platform {

#if ZQ_EXCEL12
int Excel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments) {
  if (ExcelCallback12InProcess == nullptr) return xlretFailed;
  return ExcelCallback12InProcess(function, count, const_cast<LPXLOPER12*>(arguments), result);
}

int XLCallVer() { return ::XLCallVer(); }
#else
int Excel4v(int function, XLOPER* result, int count, XLOPER* const* arguments) {
  return ::Excel4v(function, result, count, const_cast<LPXLOPER*>(arguments));
}

int Excel4WithoutArguments(int function, XLOPER* result) { return ::Excel4(function, result, 0); }
#endif

bool EnumWindows(EnumWindowsCallback callback, std::intptr_t context) {
  return ::EnumWindows(reinterpret_cast<WNDENUMPROC>(callback), static_cast<LPARAM>(context)) != FALSE;
}

int GetClassNameA(WindowHandle window, char* buffer, int capacity) {
  return ::GetClassNameA(static_cast<HWND>(window), buffer, capacity);
}

WindowHandle GetParent(WindowHandle window) { return ::GetParent(static_cast<HWND>(window)); }

int CompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength, const char* second,
                   int secondLength) {
  return ::CompareStringA(static_cast<LCID>(locale), static_cast<DWORD>(flags), first, firstLength, second,
                          secondLength);
}

int lstrlenA(const char* text) { return ::lstrlenA(text); }

int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned int style) {
  return ::MessageBoxA(static_cast<HWND>(owner), text, caption, static_cast<UINT>(style));
}

bool QueryPerformanceFrequency(std::int64_t* frequency) {
  LARGE_INTEGER value;
  if (!::QueryPerformanceFrequency(&value)) return false;
  *frequency = value.QuadPart;
  return true;
}

bool QueryPerformanceCounter(std::int64_t* counter) {
  LARGE_INTEGER value;
  if (!::QueryPerformanceCounter(&value)) return false;
  *counter = value.QuadPart;
  return true;
}

static_assert(sizeof(SRWLOCK) == sizeof(void*), "an SRW lock is one pointer");

void StateLock::lock() { ::AcquireSRWLockExclusive(reinterpret_cast<PSRWLOCK>(&srwLock_)); }
void StateLock::unlock() { ::ReleaseSRWLockExclusive(reinterpret_cast<PSRWLOCK>(&srwLock_)); }

}  // namespace Zq::Platform
