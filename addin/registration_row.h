// One registration row, written from the worksheet function's own symbol:
//
//   ZQ_ROW(ZqWeibullMean, "RBB", "Alpha, Beta", "Returns mean of ...")
//
// The compiler writes the counted strings (length byte first), the
// procedure name and the upper-case function text, and checks every letter
// of the type text against the function's C++ result and parameter types.
// Equal texts are one object, so rows share their common strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "addin/excel12_type_text.h"
#include "addin/flavour.h"
#include "addin/registration.h"
#include "addin/worksheet_functions.h"

namespace Zq::Addin {

template <std::size_t N>
struct CountedText {
  static_assert(N - 1 <= 255, "Excel's counted strings hold at most 255 characters");
  char text[N + 1]{};

  constexpr CountedText(const char (&literal)[N]) {
    text[0] = static_cast<char>(N - 1);
    for (std::size_t i = 0; i < N; ++i) text[i + 1] = literal[i];
  }

  constexpr std::string_view View() const { return {text + 1, N - 1}; }

  constexpr CountedText UpperCase() const {
    CountedText upper = *this;
    for (std::size_t i = 1; i < N; ++i) {
      if (upper.text[i] >= 'a' && upper.text[i] <= 'z') upper.text[i] = static_cast<char>(upper.text[i] - 'a' + 'A');
    }
    return upper;
  }
};

// Registration texts are handed to Excel as char*; Excel never writes them.
template <CountedText Text>
constexpr char* Counted() {
  return const_cast<char*>(Text.text);
}

// The type letter of each C++ type a worksheet function takes or returns.
template <class T>
inline constexpr char kTypeLetter = '?';
template <>
inline constexpr char kTypeLetter<LPXLOPER> = 'R';
template <>
inline constexpr char kTypeLetter<LPXLOPER12> = 'Q';
template <>
inline constexpr char kTypeLetter<double> = 'B';
// A short is a whole number (I) in the classic flavour; in the Excel 12
// flavour, where whole numbers are 32-bit (J), only a Boolean (A).
template <>
inline constexpr char kTypeLetter<short> = kExcel12 ? 'A' : 'I';
template <>
inline constexpr char kTypeLetter<std::int32_t> = 'J';
template <>
inline constexpr char kTypeLetter<const FP*> = 'K';
template <>
inline constexpr char kTypeLetter<const FP12*> = 'K';  // K% in the Excel 12 type text

// A Boolean ('A') arrives as a short, like an integer ('I').
constexpr bool LetterFits(char letter, char typeLetter) {
  return letter == typeLetter || (letter == 'A' && typeLetter == 'I');
}

template <class Function>
struct WorksheetSignature;

// The classic type text is checked as written; in the Excel 12 flavour its
// derived text is, letter by letter (K% as one), up to the closing '$'.
template <class Result, class... Parameters>
struct WorksheetSignature<Result ZQ_CALL(Parameters...)> {
  static constexpr bool Fits(std::string_view typeText) {
    constexpr char letters[] = {kTypeLetter<Result>, kTypeLetter<Parameters>...};
    if constexpr (kExcel12) {
      const Excel12TypeText derived = ToExcel12TypeText(typeText);
      const std::string_view text = derived.View();
      std::size_t at = 0;
      for (const char letter : letters) {
        if (at >= text.size() || text[at++] != letter) return false;
        if (letter == 'K' && (at >= text.size() || text[at++] != '%')) return false;
      }
      return text.substr(at) == "$";
    } else {
      if (typeText.size() != sizeof letters) return false;
      for (std::size_t i = 0; i < sizeof letters; ++i) {
        if (!LetterFits(typeText[i], letters[i])) return false;
      }
      return true;
    }
  }
};

template <class Function, CountedText TypeText>
constexpr char* CheckedTypeText() {
  static_assert(WorksheetSignature<Function>::Fits(TypeText.View()),
                "the type text does not match the worksheet function's C++ types");
  return Counted<TypeText>();
}

}  // namespace Zq::Addin

#define ZQ_ROW(symbol, typeText, argumentText, help)                                                           \
  ::Zq::Addin::RegistrationRow {                                                                               \
    ::Zq::Addin::Counted<#symbol>(), ::Zq::Addin::CheckedTypeText<decltype(symbol), typeText>(),               \
        ::Zq::Addin::Counted<::Zq::Addin::CountedText(#symbol).UpperCase()>(),                                 \
        ::Zq::Addin::Counted<argumentText>(), ::Zq::Addin::Counted<"1">(), ::Zq::Addin::Counted<"ZqRand">(),   \
        ::Zq::Addin::Counted<"">(), ::Zq::Addin::Counted<"">(), ::Zq::Addin::Counted<help>()                   \
  }
