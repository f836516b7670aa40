// Excel's side of the Excel12v callback: the commands of Excel4v, with
// XLOPER12 records. Texts arrive and leave as counted UTF-16 strings.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "addin/xlcall12.h"
#include "host/standin/excel_commands.h"
#include "host/standin/standin.h"
#include "host/standin/wide_text.h"

namespace Zq::StandIn {
namespace {

using Commands::BaseType;

int GetHwnd(XLOPER12* result, int count) {
  const std::optional<std::uintptr_t> handle = Commands::MainWindowHandle();
  if (!handle || result == nullptr || count != 0) return xlretFailed;
  // Window handles fit in 32 bits, in 64-bit processes too.
  result->val.w = static_cast<std::int32_t>(static_cast<std::uint32_t>(*handle));
  result->xltype = xltypeInt;
  return xlretSuccess;
}

// Counted strings of Excel 12 carry their length in one 16-bit unit; Excel
// itself keeps texts to 32,767 characters.
constexpr std::size_t kMaxWideLength = 32767;

int GetName(XLOPER12* result, int count) {
  if (result == nullptr || count != 0) return xlretFailed;
  const std::u16string name = Utf16FromUtf8(Commands::ModuleName());
  const std::size_t length = std::min(name.size(), kMaxWideLength);
  XCHAR* text = new (std::nothrow) XCHAR[length + 1];
  if (text == nullptr) return xlretFailed;
  text[0] = static_cast<XCHAR>(length);
  std::memcpy(text + 1, name.data(), length * sizeof(XCHAR));
  Commands::KeepString(text, [](void* kept) { delete[] static_cast<XCHAR*>(kept); });
  result->val.str = text;
  result->xltype = xltypeStr;
  return xlretSuccess;
}

}  // namespace

bool Commands::DecodeText(const XLOPER12* record, std::string& text) {
  if (record == nullptr || BaseType(*record) != xltypeStr || record->val.str == nullptr) return false;
  text = Utf8FromUtf16(std::u16string_view(record->val.str + 1, record->val.str[0]));
  return true;
}

int Excel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments) {
  return Commands::Run(function, result, count, arguments, GetHwnd, GetName, [](int) { return xlretFailed; });
}

int XLCallVer() { return kExcel12CallVersion; }

}  // namespace Zq::StandIn
