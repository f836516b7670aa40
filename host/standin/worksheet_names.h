// Worksheet names compare without regard to letter case, as Excel's do.
// Names are ASCII, so the folding is ASCII's, without the C library's
// locale calls on every letter of every look-up.
#pragma once

#include <algorithm>
#include <string_view>

namespace Zq::StandIn {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

}  // namespace Zq::StandIn
