// The one thin layer between the add-in and its platform: Excel's callbacks,
// the window calls of the Function Wizard guard, the message box and the
// high-resolution counter. On Windows these are the real imports; elsewhere
// the process that loads the add-in supplies them (see standin_abi.h).
#pragma once

#include <cstdint>

#if !defined(_WIN32)
#include <mutex>
#endif

#include "addin/xlcall.h"
#include "addin/xlcall12.h"

#if defined(_WIN32) && !defined(_WIN64)
#define ZQ_WINAPI __stdcall
#else
#define ZQ_WINAPI
#endif

namespace Zq::Platform {

using WindowHandle = void*;
using EnumWindowsCallback = int(ZQ_WINAPI*)(WindowHandle window, std::intptr_t context);

constexpr unsigned int kNormIgnoreCase = 0x00000001;  // NORM_IGNORECASE
constexpr int kCompareEqual = 2;                      // CSTR_EQUAL
constexpr unsigned int kLocaleEnglishUS = 0x0409;
constexpr unsigned int kIconInformation = 0x00000040;  // MB_ICONINFORMATION
constexpr unsigned int kIconWarning = 0x00000030;      // MB_ICONWARNING
constexpr unsigned int kTopMost = 0x00040000;          // MB_TOPMOST

int Excel4v(int function, XLOPER* result, int count, XLOPER* const* arguments);
// Excel4 without argument records (the Function Wizard guard's xlGetHwnd).
// Calls with records go through Excel4v: Addin::CallExcel gathers them.
int Excel4WithoutArguments(int function, XLOPER* result);

// Excel 12's callback and its version, for the Excel 12 flavour. On Windows
// Excel12v goes to the callback Excel's own process exports (MdCallBack12)
// and answers xlretFailed where there is none (an Excel older than 12);
// XLCallVer is XLCALL32.DLL's, imported by name.
int Excel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments);
int XLCallVer();

bool EnumWindows(EnumWindowsCallback callback, std::intptr_t context);
int GetClassNameA(WindowHandle window, char* buffer, int capacity);
WindowHandle GetParent(WindowHandle window);
int CompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength, const char* second,
                   int secondLength);
int lstrlenA(const char* text);

int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned int style);

bool QueryPerformanceFrequency(std::int64_t* frequency);
bool QueryPerformanceCounter(std::int64_t* counter);

// Ticks per second of the high-resolution counter, read once when the
// add-in loads (xlAutoOpen).
extern std::int64_t PerformanceFrequency;

// A lock for state that calls on several threads share: an SRW lock on
// Windows (the Windows toolchain's standard library has no std::mutex), a
// std::mutex elsewhere. A waiting thread sleeps.
class StateLock {
 public:
  StateLock() = default;
  StateLock(const StateLock&) = delete;
  StateLock& operator=(const StateLock&) = delete;

  void lock();
  void unlock();

 private:
#if defined(_WIN32)
  void* srwLock_ = nullptr;  // SRWLOCK_INIT
#else
  std::mutex mutex_;
#endif
};

}  // namespace Zq::Platform
