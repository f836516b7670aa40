// Excel 12 hands text over as counted strings of UTF-16 code units; the
// host keeps and prints text as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace Zq::StandIn {

// A lone surrogate becomes U+FFFD, as any text that is not UTF-16.
std::string Utf8FromUtf16(std::u16string_view text);

// Bytes that are not UTF-8 become U+FFFD each.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace Zq::StandIn
