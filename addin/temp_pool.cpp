#include "addin/temp_pool.h"

#include <cstdarg>

#include "addin/platform.h"

namespace Zq::Addin {

alignas(8) unsigned char TempPool::block_[TempPool::kBytes];
std::int32_t TempPool::offset_ = 0;

void* TempPool::Allocate(std::size_t bytes) {
  if (bytes > kBytes || static_cast<std::size_t>(offset_) + bytes > kBytes) return nullptr;
  void* record = block_ + offset_;
  offset_ += static_cast<std::int32_t>(bytes);
  if (offset_ & 1) ++offset_;  // every record starts at an even offset
  return record;
}

void TempPool::Reset() { offset_ = 0; }

XLOPER* TempText(char* countedText) {
  auto* record = static_cast<XLOPER*>(TempPool::Allocate(sizeof(XLOPER)));
  if (record == nullptr) return nullptr;
  record->val.str = countedText;
  record->xltype = xltypeStr;
  return record;
}

XLOPER* TempInteger(short value) {
  auto* record = static_cast<XLOPER*>(TempPool::Allocate(sizeof(XLOPER)));
  if (record == nullptr) return nullptr;
  record->val.w = value;
  record->xltype = xltypeInt;
  return record;
}

int CallExcel(int function, XLOPER* result, int count, ...) {
  constexpr int kMaxArguments = 30;
  int code = xlretFailed;
  if (count >= 0 && count <= kMaxArguments) {
    XLOPER* arguments[kMaxArguments] = {};
    va_list list;
    va_start(list, count);
    for (int i = 0; i < count; ++i) arguments[i] = va_arg(list, XLOPER*);
    va_end(list);
    code = Platform::Excel4v(function, result, count, arguments);
  }
  TempPool::Reset();
  return code;
}

}  // namespace Zq::Addin
