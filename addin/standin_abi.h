// What a non-Windows process that loads the add-in must define: C functions
// that play Excel's callbacks and the few Windows calls the add-in makes.
// The add-in leaves these symbols undefined; the loader resolves them from
// the host process (which links the stand-in with exported symbols).
#pragma once

#include <cstdint>

#include "addin/xlcall.h"
#include "addin/xlcall12.h"

extern "C" {
int ZqStandInExcel4v(int function, XLOPER* result, int count, XLOPER* const* arguments);
int ZqStandInExcel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments);
int ZqStandInXLCallVer();
int ZqStandInEnumWindows(int (*callback)(void* window, std::intptr_t context), std::intptr_t context);
int ZqStandInGetClassNameA(void* window, char* buffer, int capacity);
void* ZqStandInGetParent(void* window);
int ZqStandInCompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength,
                            const char* second, int secondLength);
int ZqStandInLstrlenA(const char* text);
int ZqStandInMessageBoxA(void* owner, const char* text, const char* caption, unsigned int style);
int ZqStandInQueryPerformanceFrequency(std::int64_t* frequency);
int ZqStandInQueryPerformanceCounter(std::int64_t* counter);
}
