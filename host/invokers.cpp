// The compiled invokers: one template instantiation per distinct type text
// of the worksheet functions' rows, and one per distinct Excel 12 type text
// derived from them, gathered by the compiler from the rows themselves, so a
// new row or a new type text has its invoker without more.
#include "host/invokers.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

#include "addin/excel12_type_text.h"
#include "addin/worksheet_function_rows.h"
#include "addin/xlcall12.h"

namespace Zq::Host {
namespace {

// Longer than any type text the add-in registers.
constexpr std::size_t kMaxTypeLetters = 32;

// A type text as a template argument: its letters, result letter first.
struct TypeText {
  char letters[kMaxTypeLetters]{};
  std::size_t size = 0;

  constexpr std::string_view View() const { return {letters, size}; }
  constexpr std::size_t ArgumentCount() const { return size - 1; }  // less the result letter
};

template <char Letter>
struct ArgumentLetter;
template <>
struct ArgumentLetter<'B'> {
  using Type = double;
  static Type From(const ArgumentValue& v) { return v.number; }
};
template <>
struct ArgumentLetter<'I'> {
  using Type = short;
  static Type From(const ArgumentValue& v) { return v.integer16; }
};
template <>
struct ArgumentLetter<'A'> {
  using Type = short;
  static Type From(const ArgumentValue& v) { return v.integer16; }
};
template <>
struct ArgumentLetter<'J'> {
  using Type = std::int32_t;
  static Type From(const ArgumentValue& v) { return v.integer32; }
};
template <>
struct ArgumentLetter<'K'> {
  using Type = const FP*;
  static Type From(const ArgumentValue& v) { return v.array; }
};

// 'k' stands for K%, the array with 32-bit counts (see CallLetters).
template <>
struct ArgumentLetter<'k'> {
  using Type = const FP12*;
  static Type From(const ArgumentValue& v) { return v.array12; }
};

template <class Result, TypeText Text, std::size_t... Index>
Result InvokeWith(Procedure procedure, const ArgumentValue* arguments, std::index_sequence<Index...>) {
  using Signature = Result(ZQ_CALL*)(typename ArgumentLetter<Text.letters[Index + 1]>::Type...);
  return reinterpret_cast<Signature>(procedure)(ArgumentLetter<Text.letters[Index + 1]>::From(arguments[Index])...);
}

template <TypeText Text>
LPXLOPER Invoke(Procedure procedure, const ArgumentValue* arguments) {
  static_assert(Text.letters[0] == 'R', "every worksheet function answers an XLOPER*");
  return InvokeWith<LPXLOPER, Text>(procedure, arguments, std::make_index_sequence<Text.ArgumentCount()>{});
}

template <TypeText Text>
XLOPER12* Invoke12(Procedure procedure, const ArgumentValue* arguments) {
  static_assert(Text.letters[0] == 'Q', "every Excel 12 worksheet function answers an XLOPER12*");
  return InvokeWith<XLOPER12*, Text>(procedure, arguments, std::make_index_sequence<Text.ArgumentCount()>{});
}

// The letters of an Excel 12 type text that decide how it is called: one
// per argument, K% as 'k', the thread-safety mark '$' left out.
constexpr TypeText CallLetters(std::string_view typeText) {
  TypeText call;
  for (std::size_t i = 0; i < typeText.size() && call.size < kMaxTypeLetters; ++i) {
    const char letter = typeText[i];
    if (letter == '$') continue;
    const bool wide = letter == 'K' && i + 1 < typeText.size() && typeText[i + 1] == '%';
    call.letters[call.size++] = wide ? 'k' : letter;
    if (wide) ++i;
  }
  return call;
}
static_assert(CallLetters("QJK%BA$").View() == "QJkBA");

template <class Function>
struct InvokerEntry {
  std::string_view typeText;
  Function invoke;
};

constexpr std::size_t kRowCount = Addin::kWorksheetFunctionCount;

// The distinct type texts of the worksheet functions' rows, sorted.
struct DistinctTypeTexts {
  std::array<TypeText, kRowCount> texts{};
  std::size_t count = 0;
  std::size_t longest = 0;
};

// Classic rows' type texts are counted strings; `call` turns a row's
// text into the letters its invoker is compiled from.
template <class CallText>
constexpr DistinctTypeTexts CollectTypeTexts(CallText call) {
  std::array<TypeText, kRowCount> texts{};
  std::array<std::string_view, kRowCount> all{};
  std::size_t rows = 0;
  DistinctTypeTexts distinct;
  for (const Addin::WorksheetFunctionRow& function : Addin::WorksheetFunctionRows) {
    const std::string_view typeText(function.row.typeText + 1, static_cast<unsigned char>(function.row.typeText[0]));
    distinct.longest = std::max(distinct.longest, typeText.size());
    texts[rows] = call(typeText);
    all[rows] = texts[rows].View();
    ++rows;
  }
  std::sort(all.begin(), all.end());
  for (std::size_t i = 0; i < rows; ++i) {
    if (i > 0 && all[i] == all[i - 1]) continue;
    TypeText& text = distinct.texts[distinct.count++];
    text.size = std::min(all[i].size(), kMaxTypeLetters);
    std::copy_n(all[i].begin(), text.size, text.letters);
  }
  return distinct;
}

constexpr TypeText Unchanged(std::string_view typeText) {
  TypeText text;
  text.size = std::min(typeText.size(), kMaxTypeLetters);
  std::copy_n(typeText.begin(), text.size, text.letters);
  return text;
}

constexpr TypeText Excel12CallLetters(std::string_view classic) {
  return CallLetters(Addin::ToExcel12TypeText(classic).View());
}

constexpr DistinctTypeTexts kTypeTexts = CollectTypeTexts(Unchanged);
static_assert(kTypeTexts.longest <= kMaxTypeLetters, "a registered type text is longer than kMaxTypeLetters");
constexpr DistinctTypeTexts kTypeTexts12 = CollectTypeTexts(Excel12CallLetters);

template <std::size_t... Index>
constexpr auto MakeInvokers(std::index_sequence<Index...>) {
  return std::array<InvokerEntry<Invoker>, sizeof...(Index)>{
      InvokerEntry<Invoker>{kTypeTexts.texts[Index].View(), &Invoke<kTypeTexts.texts[Index]>}...};
}

template <std::size_t... Index>
constexpr auto MakeInvokers12(std::index_sequence<Index...>) {
  return std::array<InvokerEntry<Invoker12>, sizeof...(Index)>{
      InvokerEntry<Invoker12>{kTypeTexts12.texts[Index].View(), &Invoke12<kTypeTexts12.texts[Index]>}...};
}

constexpr auto kInvokers = MakeInvokers(std::make_index_sequence<kTypeTexts.count>{});
constexpr auto kInvokers12 = MakeInvokers12(std::make_index_sequence<kTypeTexts12.count>{});

template <class Function, std::size_t Count>
Function Find(const std::array<InvokerEntry<Function>, Count>& invokers, std::string_view typeText) {
  for (const auto& entry : invokers) {
    if (entry.typeText == typeText) return entry.invoke;
  }
  return nullptr;
}

}  // namespace

Invoker FindInvoker(std::string_view typeText) { return Find(kInvokers, typeText); }

Invoker12 FindInvoker12(std::string_view typeText) {
  if (typeText.size() > kMaxTypeLetters) return nullptr;
  return Find(kInvokers12, CallLetters(typeText).View());
}

std::vector<std::string_view> InvokerTypeTexts() {
  std::vector<std::string_view> texts;
  for (const auto& entry : kInvokers) texts.push_back(entry.typeText);
  return texts;
}

}  // namespace Zq::Host
