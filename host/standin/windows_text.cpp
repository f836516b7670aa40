// The text calls of the Function Wizard guard: CompareStringA and lstrlenA.
#include <cctype>
#include <cstring>

#include "host/standin/windows_calls.h"

namespace Zq::StandIn {
namespace {

constexpr unsigned int kLocaleEnglishUS = 0x0409;
constexpr unsigned int kNormIgnoreCase = 0x00000001;

// A coarse model of the English word sort: punctuation and symbols before
// digits before letters, letters compared case-insensitively when asked and
// otherwise lower case before upper case of the same letter.
int Weight(unsigned char c, bool ignoreCase) {
  if (std::isalpha(c)) {
    const int letter = std::tolower(c) - 'a';
    if (ignoreCase) return 2000 + 2 * letter;
    return 2000 + 2 * letter + (std::isupper(c) ? 1 : 0);
  }
  if (std::isdigit(c)) return 1000 + (c - '0');
  return c;
}

}  // namespace

int CompareStringA(unsigned int locale, unsigned int flags, const char* first, int firstLength, const char* second,
                   int secondLength) {
  if (locale != kLocaleEnglishUS || (flags & ~kNormIgnoreCase) != 0) return 0;
  if (first == nullptr || second == nullptr || firstLength < -1 || secondLength < -1) return 0;
  const std::size_t a = firstLength == -1 ? std::strlen(first) : static_cast<std::size_t>(firstLength);
  const std::size_t b = secondLength == -1 ? std::strlen(second) : static_cast<std::size_t>(secondLength);
  const bool ignoreCase = (flags & kNormIgnoreCase) != 0;
  for (std::size_t i = 0; i < a && i < b; ++i) {
    const int x = Weight(static_cast<unsigned char>(first[i]), ignoreCase);
    const int y = Weight(static_cast<unsigned char>(second[i]), ignoreCase);
    if (x != y) return x < y ? 1 : 3;
  }
  if (a == b) return 2;
  return a < b ? 1 : 3;
}

int lstrlenA(const char* text) { return text == nullptr ? 0 : static_cast<int>(std::strlen(text)); }

}  // namespace Zq::StandIn
