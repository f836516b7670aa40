// The host's side of the stub XLCALL32.DLL: the one function that routes
// Excel4 and Excel4v calls of the add-in into the host's stand-in for Excel.
#pragma once

#include "addin/xlcall.h"

#if defined(ZQ_BUILDING_XLCALL32_STUB)
#define ZQ_STUB_API
#else
#define ZQ_STUB_API __declspec(dllimport)
#endif

extern "C" {
using ZqExcelHandler = int (*)(int function, XLOPER* result, int count, XLOPER* const* arguments);
ZQ_STUB_API void ZqInstallExcelHandler(ZqExcelHandler handler);
}
