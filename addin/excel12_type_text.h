// The Excel 12 flavour's type text of a worksheet function, derived from
// its classic one: the result as an XLOPER12 (Q), arrays with 32-bit counts
// (K%), whole numbers as 32-bit integers (J), and the function registered
// thread-safe ($). Numbers (B), Booleans (A) and 32-bit integers (J) stay.
#pragma once

#include <cstddef>
#include <string_view>

#include "addin/worksheet_layer.h"

namespace Zq::Addin {

// Type texts are short; this holds the longest with room to spare.
inline constexpr std::size_t kMaxExcel12TypeText = 40;

struct Excel12TypeText {
  char text[kMaxExcel12TypeText + 1]{};
  std::size_t length = 0;

  constexpr std::string_view View() const { return {text, length}; }
};

constexpr Excel12TypeText ToExcel12TypeText(std::string_view classic) {
  Excel12TypeText out;
  const auto put = [&out](char c) {
    if (out.length < kMaxExcel12TypeText) out.text[out.length++] = c;
  };
  for (const char letter : classic) {
    switch (letter) {
      case 'R': put('Q'); break;
      case 'K': put('K'); put('%'); break;
      case 'I': put('J'); break;
      default: put(letter); break;
    }
  }
  put('$');
  return out;
}

static_assert(ToExcel12TypeText("RIKKIJJAAA").View() == "QJK%K%JJJAAA$");
static_assert(ToExcel12TypeText("R").View() == "Q$");

}  // namespace Zq::Addin
