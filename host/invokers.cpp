// The compiled invokers: one template instantiation per type text.
#include "host/invokers.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace Zq::Host {
namespace {

template <std::size_t N>
struct TypeText {
  char letters[N]{};
  constexpr TypeText(const char (&text)[N]) { std::copy_n(text, N, letters); }
  constexpr std::size_t ArgumentCount() const { return N - 2; }  // less the result letter and the NUL
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

#define ZQ_INVOKER(text) \
  InvokerEntry { text, &Invoke<text> }

// The type texts of the registration table and of the exported-only functions.
constexpr InvokerEntry kInvokers[] = {
    ZQ_INVOKER("R"),
    ZQ_INVOKER("RB"),
    ZQ_INVOKER("RBA"),
    ZQ_INVOKER("RBB"),
    ZQ_INVOKER("RBBB"),
    ZQ_INVOKER("RBBBA"),
    ZQ_INVOKER("RBBBB"),
    ZQ_INVOKER("RBBBBA"),
    ZQ_INVOKER("RBBBBB"),
    ZQ_INVOKER("RBBBBBA"),
    ZQ_INVOKER("RBBBBBB"),
    ZQ_INVOKER("RBBBBBBBBB"),
    ZQ_INVOKER("RIBBBBBBBBIJJAAAA"),
    ZQ_INVOKER("RIBBBBBBI"),
    ZQ_INVOKER("RIBBBBBI"),
    ZQ_INVOKER("RIBBBBIJJ"),
    ZQ_INVOKER("RIBBBBIJJAAA"),
    ZQ_INVOKER("RIBBBIJJ"),
    ZQ_INVOKER("RIBBIJJ"),
    ZQ_INVOKER("RIBIJJ"),
    ZQ_INVOKER("RIIJJ"),
    ZQ_INVOKER("RIIJJAAA"),
    ZQ_INVOKER("RIKKIJJAAA"),
    ZQ_INVOKER("RJBA"),
    ZQ_INVOKER("RK"),
    ZQ_INVOKER("RKA"),
    ZQ_INVOKER("RKAA"),
    ZQ_INVOKER("RKBBB"),
    ZQ_INVOKER("RKBBBJJJJAAAI"),
    ZQ_INVOKER("RKK"),
};

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
