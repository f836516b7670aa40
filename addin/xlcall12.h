// Excel 12's C API records, as far as the add-in's Excel 12 flavour uses
// them. Written from Excel's published record layout: 32-bit counts,
// counted strings of 16-bit characters, and a 32-bit type word after a value
// part of 24 bytes (the largest member is the single-area reference), so a
// record is 32 bytes in 32- and 64-bit processes alike.
#pragma once

#include <cstddef>
#include <cstdint>

#include "addin/xlcall.h"

using XCHAR = char16_t;  // WCHAR on Windows: a UTF-16 code unit
using RW = std::int32_t;
using COL = std::int32_t;
#if defined(_WIN32)
using DWORD = unsigned long;  // as windows.h declares it: 32 bits there
#else
using DWORD = std::uint32_t;
#endif

struct XLOPER12 {
  union alignas(8) Value {
    double num;
    XCHAR* str;  // counted string: length in str[0], then the characters
    std::int32_t xbool;
    std::int32_t err;
    std::int32_t w;
    struct {
      XLOPER12* lparray;
      RW rows;
      COL columns;
    } array;
    // The single-area reference: the largest member, which fixes the size.
    struct {
      WORD count;
      struct {
        RW rwFirst;
        RW rwLast;
        COL colFirst;
        COL colLast;
      } ref;
    } sref;
  } val;
  DWORD xltype;
};
using LPXLOPER12 = XLOPER12*;

static_assert(sizeof(XLOPER12) == 32, "an XLOPER12 is 32 bytes");
static_assert(offsetof(XLOPER12, xltype) == 24, "the XLOPER12 type word is at 24");

// Floating-point array argument (type letters K%): 32-bit row and column
// counts, then rows x columns doubles row by row from byte offset 8.
struct FP12 {
  RW rows;
  COL columns;
  alignas(8) double array[1];
};
static_assert(offsetof(FP12, array) == 8, "K% array values start at offset 8");

inline const double* FpValues(const FP12* fp) {
  return reinterpret_cast<const double*>(reinterpret_cast<const unsigned char*>(fp) + offsetof(FP12, array));
}

// The version XLCallVer answers from Excel 2007 on.
constexpr int kExcel12CallVersion = 0x0C00;

// The largest sheet: rows and columns of a result.
constexpr std::int32_t kExcel12Rows = 1048576;
constexpr std::int32_t kExcel12Columns = 16384;
