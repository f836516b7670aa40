// Excel's C API records and constants, as far as the add-in uses them.
// Written from Excel's published record layout: an 8-byte value part
// followed by a 16-bit type word (16 bytes in a 32-bit process).
#pragma once

#include <cstddef>
#include <cstdint>

#include "addin/worksheet_layer.h"

#if defined(_WIN32) && !defined(_WIN64)
#define ZQ_CALL __stdcall
#else
#define ZQ_CALL
#endif

#if defined(_WIN32)
#define ZQ_EXPORT __declspec(dllexport)
#else
#define ZQ_EXPORT __attribute__((visibility("default")))
#endif

using WORD = std::uint16_t;

struct XLOPER {
  // The value part is 8-byte aligned even where the platform aligns doubles
  // to 4 bytes (32-bit Linux), so the layout matches Excel's on every build.
  union alignas(8) Value {
    double num;
    char* str;  // counted string: length byte, then the characters
    WORD xbool;
    WORD err;
    short w;
    struct {
      XLOPER* lparray;
      WORD rows;
      WORD columns;
    } array;
  } val;
  WORD xltype;
};
using LPXLOPER = XLOPER*;

#if !defined(_WIN64) && (UINTPTR_MAX == 0xFFFFFFFFu)
static_assert(sizeof(XLOPER) == 16, "32-bit XLOPER is 16 bytes");
static_assert(offsetof(XLOPER, xltype) == 8, "32-bit XLOPER type word at 8");
#endif

// Floating-point array argument (type letter K): 16-bit row and column
// counts, then rows x columns doubles row by row from byte offset 8.
struct FP {
  WORD rows;
  WORD columns;
  alignas(8) double array[1];
};
static_assert(offsetof(FP, array) == 8, "K array values start at offset 8");

// The doubles of a K argument; there are rows x columns of them.
inline const double* FpValues(const FP* fp) {
  return reinterpret_cast<const double*>(reinterpret_cast<const unsigned char*>(fp) + offsetof(FP, array));
}

// Type words.
constexpr WORD xltypeNum = 0x0001;
constexpr WORD xltypeStr = 0x0002;
constexpr WORD xltypeBool = 0x0004;
constexpr WORD xltypeErr = 0x0010;
constexpr WORD xltypeMulti = 0x0040;
constexpr WORD xltypeMissing = 0x0080;
constexpr WORD xltypeNil = 0x0100;
constexpr WORD xltypeInt = 0x0800;
constexpr WORD xlbitXLFree = 0x1000;
constexpr WORD xlbitDLLFree = 0x4000;

// Error codes.
constexpr WORD xlerrNull = 0;
constexpr WORD xlerrValue = 15;

// Return codes of Excel4/Excel4v.
constexpr int xlretSuccess = 0;
constexpr int xlretFailed = 32;

// Function numbers.
constexpr int xlFree = 0 | 0x4000;
constexpr int xlAbort = 1 | 0x4000;
constexpr int xlCoerce = 2 | 0x4000;
constexpr int xlGetHwnd = 8 | 0x4000;
constexpr int xlGetName = 9 | 0x4000;
constexpr int xlfSetName = 88;
constexpr int xlfRegister = 149;
constexpr int xlfUnregister = 201;
