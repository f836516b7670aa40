// The compiled invokers: one template instantiation per distinct type text
// of the worksheet functions' rows, gathered by the compiler from the rows
// themselves, so a new row or a new type text has its invoker without more.
#include "host/invokers.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

#include "addin/worksheet_function_rows.h"

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

template <TypeText Text, std::size_t... Index>
LPXLOPER InvokeWith(Procedure procedure, const ArgumentValue* arguments, std::index_sequence<Index...>) {
  using Signature = LPXLOPER(ZQ_CALL*)(typename ArgumentLetter<Text.letters[Index + 1]>::Type...);
  return reinterpret_cast<Signature>(procedure)(ArgumentLetter<Text.letters[Index + 1]>::From(arguments[Index])...);
}

template <TypeText Text>
LPXLOPER Invoke(Procedure procedure, const ArgumentValue* arguments) {
  static_assert(Text.letters[0] == 'R', "every worksheet function answers an XLOPER*");
  return InvokeWith<Text>(procedure, arguments, std::make_index_sequence<Text.ArgumentCount()>{});
}

struct InvokerEntry {
  std::string_view typeText;
  Invoker invoke;
};

constexpr std::size_t kRowCount = Addin::kWorksheetFunctionCount;

// The distinct type texts of the worksheet functions' rows, sorted.
struct DistinctTypeTexts {
  std::array<TypeText, kRowCount> texts{};
  std::size_t count = 0;
  std::size_t longest = 0;
};

constexpr DistinctTypeTexts CollectTypeTexts() {
  std::array<std::string_view, kRowCount> all{};
  std::size_t rows = 0;
  for (const Addin::WorksheetFunctionRow& function : Addin::WorksheetFunctionRows) {
    const char* typeText = function.row.typeText;
    all[rows++] = {typeText + 1, static_cast<unsigned char>(typeText[0])};
  }
  std::sort(all.begin(), all.end());
  DistinctTypeTexts distinct;
  for (std::size_t i = 0; i < rows; ++i) {
    if (i > 0 && all[i] == all[i - 1]) continue;
    TypeText& text = distinct.texts[distinct.count++];
    text.size = std::min(all[i].size(), kMaxTypeLetters);
    std::copy_n(all[i].begin(), text.size, text.letters);
    distinct.longest = std::max(distinct.longest, all[i].size());
  }
  return distinct;
}

constexpr DistinctTypeTexts kTypeTexts = CollectTypeTexts();
static_assert(kTypeTexts.longest <= kMaxTypeLetters, "a registered type text is longer than kMaxTypeLetters");

template <std::size_t... Index>
constexpr auto MakeInvokers(std::index_sequence<Index...>) {
  return std::array<InvokerEntry, sizeof...(Index)>{
      InvokerEntry{kTypeTexts.texts[Index].View(), &Invoke<kTypeTexts.texts[Index]>}...};
}

constexpr auto kInvokers = MakeInvokers(std::make_index_sequence<kTypeTexts.count>{});

}  // namespace

Invoker FindInvoker(std::string_view typeText) {
  for (const auto& entry : kInvokers) {
    if (entry.typeText == typeText) return entry.invoke;
  }
  return nullptr;
}

std::vector<std::string_view> InvokerTypeTexts() {
  std::vector<std::string_view> texts;
  for (const auto& entry : kInvokers) texts.push_back(entry.typeText);
  return texts;
}

}  // namespace Zq::Host
