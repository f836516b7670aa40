// Temporary argument records for calls into Excel, cut from one static block
// and released all at once when the call returns.
#pragma once

#include <cstddef>
#include <cstdint>

#include "addin/xlcall.h"

namespace Zq::Addin {

class TempPool {
 public:
  static constexpr int kRecords = 64;
  // 1024 bytes in a 32-bit process, where a record is 16 bytes.
  static constexpr std::size_t kBytes = kRecords * sizeof(XLOPER);

  // Room for `bytes` more, or null (the offset stays) when the block is full.
  static void* Allocate(std::size_t bytes);
  static void Reset();

 private:
  alignas(8) static unsigned char block_[kBytes];
  static std::int32_t offset_;
};

// A temporary string record over an already counted string (not copied).
XLOPER* TempText(char* countedText);
// A temporary 16-bit integer record.
XLOPER* TempInteger(short value);

// Calls Excel with `count` argument records; the pool is emptied afterwards,
// whatever Excel answered.
int CallExcel(int function, XLOPER* result, int count, ...);

}  // namespace Zq::Addin
