// The platform layer on Windows: Excel's callbacks imported by ordinal from
// XLCALL32.DLL (2 is Excel4, 3 is Excel4v), the window calls of the
// Function Wizard guard and the message box from user32, the counter from
// kernel32.
#include "addin/platform.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Excel's call library. Excel4 takes its argument records as C varargs;
// Excel4v takes them as an array and uses the Windows calling convention.
extern "C" {
__declspec(dllimport) int __cdecl Excel4(int function, LPXLOPER result, int count, ...);
__declspec(dllimport) int WINAPI Excel4v(int function, LPXLOPER result, int count, LPXLOPER arguments[]);
}

namespace Zq::Platform {

int Excel4v(int function, XLOPER* result, int count, XLOPER* const* arguments) {
  return ::Excel4v(function, result, count, const_cast<LPXLOPER*>(arguments));
}

int Excel4WithoutArguments(int function, XLOPER* result) { return ::Excel4(function, result, 0); }

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

}  // namespace Zq::Platform
