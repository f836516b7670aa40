// A small recursive-descent parser for the host's formula syntax.
#include "host/formula.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <system_error>

#include "host/standin/worksheet_names.h"

namespace Zq::Host {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  ParsedFormula Parse() {
    ParsedFormula result;
    SkipSpaces();
    if (Peek() == '=') {
      ++position_;
      SkipSpaces();
    }
    if (!ParseCall(result.formula, 1)) {
      result.error = error_;
      return result;
    }
    SkipSpaces();
    if (position_ != text_.size()) {
      result.error = Fail("unexpected text after ')'");
      return result;
    }
    result.ok = true;
    return result;
  }

 private:
  char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }
  bool AtEnd() const { return position_ >= text_.size(); }

  void SkipSpaces() {
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(text_[position_]))) ++position_;
  }

  static bool IsLetter(char c) { return StandIn::UpperAscii(c) >= 'A' && StandIn::UpperAscii(c) <= 'Z'; }
  static bool IsNameChar(char c) { return IsLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '.'; }

  // Records the first error with its column (counted from 1).
  std::string Fail(const std::string& what) {
    if (error_.empty()) {
      error_ = what + " at column " + std::to_string(position_ + 1);
    }
    return error_;
  }

  bool Expect(char c) {
    SkipSpaces();
    if (Peek() != c) {
      Fail(std::string("expected '") + c + "'" + (AtEnd() ? " (formula ended)" : ""));
      return false;
    }
    ++position_;
    return true;
  }

  bool ParseName(std::string& name) {
    if (!IsLetter(Peek())) {
      Fail("expected a function name");
      return false;
    }
    const std::size_t start = position_;
    while (IsNameChar(Peek())) ++position_;
    name.assign(text_.substr(start, position_ - start));
    return true;
  }

  // NAME(arg, ...) at nesting level `level` (the formula's own call is 1).
  bool ParseCall(Formula& call, std::size_t level) {
    if (level > kMaxNestingLevels) {
      Fail("functions nested more than " + std::to_string(kMaxNestingLevels) + " levels deep");
      return false;
    }
    if (++calls_ > kMaxCallsInFormula) {
      Fail("more than " + std::to_string(kMaxCallsInFormula) + " function calls in one formula");
      return false;
    }
    return ParseName(call.name) && Expect('(') && ParseArguments(call.arguments, level) && Expect(')');
  }

  bool ParseArguments(std::vector<FormulaArgument>& arguments, std::size_t level) {
    SkipSpaces();
    if (Peek() == ')') return true;  // NAME(): no arguments
    while (true) {
      SkipSpaces();
      if (Peek() == ',' || Peek() == ')') {
        arguments.emplace_back(Omitted{});
      } else {
        FormulaArgument argument;
        if (!ParseArgument(argument, level)) return false;
        arguments.push_back(std::move(argument));
      }
      SkipSpaces();
      if (Peek() != ',') return true;
      ++position_;
    }
  }

  bool ParseArgument(FormulaArgument& argument, std::size_t level) {
    if (Peek() == '{') {
      ArrayConstant array;
      if (!ParseArray(array)) return false;
      argument = std::move(array);
      return true;
    }
    bool negative = false;
    bool signed_ = false;
    if (!ParseSigns(negative, signed_)) return false;
    std::optional<bool> boolean = ParseBoolean();
    if (boolean) {
      // A sign turns a logical value into a number, as in Excel.
      if (signed_) {
        argument = (negative ? -1.0 : 1.0) * (*boolean ? 1.0 : 0.0);
      } else {
        argument = *boolean;
      }
      return true;
    }
    if (IsLetter(Peek())) {
      if (signed_) {
        Fail("a sign before a function call is not supported");
        return false;
      }
      auto call = std::make_shared<Formula>();
      if (!ParseCall(*call, level + 1)) return false;
      argument = NestedCall(std::move(call));
      return true;
    }
    double number = 0;
    if (!ParseNumber(number)) return false;
    argument = negative ? -number : number;
    return true;
  }

  bool ParseSigns(bool& negative, bool& signed_) {
    while (true) {
      SkipSpaces();
      const char c = Peek();
      if (c != '-' && c != '+') return true;
      signed_ = true;
      if (c == '-') negative = !negative;
      ++position_;
    }
  }

  std::optional<bool> ParseBoolean() {
    for (const auto& [word, value] : {std::pair<std::string_view, bool>{"TRUE", true}, {"FALSE", false}}) {
      if (text_.size() - position_ < word.size()) continue;
      const bool same = StandIn::SameName(text_.substr(position_, word.size()), word);
      const std::size_t end = position_ + word.size();
      if (same && (end == text_.size() || !IsNameChar(text_[end]))) {
        position_ = end;
        return value;
      }
    }
    return std::nullopt;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  // Whether a number out of a double's range is too small rather than too
  // large: its leading digit stands below the units place, where no double
  // overflows. The exponent's value saturates, so any length of it is read.
  static bool Underflows(std::string_view number) {
    constexpr long long kSaturated = 1'000'000'000;
    long long leading = 0;  // power of ten of the leading non-zero digit
    bool seen = false, fraction = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
      if (number[i] == '.') {
        fraction = true;
      } else if (!seen && number[i] != '0') {
        seen = true;
        if (fraction) --leading;
      } else if (seen && !fraction) {
        ++leading;
      } else if (!seen && fraction) {
        --leading;
      }
    }
    long long exponent = 0;
    bool negative = false;
    if (i < number.size()) {
      ++i;
      if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
      for (; i < number.size(); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), kSaturated);
    }
    return leading + (negative ? -exponent : exponent) < 0;
  }

  // digits [. digits] or . digits, then an optional exponent.
  bool ParseNumber(double& number) {
    const std::size_t start = position_;
    std::size_t digits = 0;
    while (IsDigit(Peek())) ++position_, ++digits;
    if (Peek() == '.') {
      ++position_;
      while (IsDigit(Peek())) ++position_, ++digits;
    }
    if (digits == 0) {
      position_ = start;
      if (IsNameChar(Peek())) {
        Fail("names are not supported; expected a number, TRUE, FALSE, {array} or a function call");
      } else {
        Fail("expected a number, TRUE, FALSE or {array}");
      }
      return false;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++position_;
      if (Peek() == '+' || Peek() == '-') ++position_;
      if (!IsDigit(Peek())) {
        Fail("expected the digits of an exponent");
        return false;
      }
      while (IsDigit(Peek())) ++position_;
    }
    const char* first = text_.data() + start;
    const char* last = text_.data() + position_;
    auto [end, error] = std::from_chars(first, last, number);
    // Too small for a double, as Excel reads it: zero.
    if (error == std::errc::result_out_of_range && Underflows(std::string_view(first, last - first))) {
      number = 0;
      error = std::errc();
    }
    if (error == std::errc::result_out_of_range || !std::isfinite(number)) {
      position_ = start;
      Fail("number out of range");
      return false;
    }
    if (error != std::errc() || end != last) {
      position_ = start;
      Fail("malformed number");
      return false;
    }
    if (IsNameChar(Peek())) {
      Fail("unexpected character after a number");
      return false;
    }
    return true;
  }

  // An array element: a signed number or TRUE/FALSE (1 or 0).
  bool ParseElement(double& value) {
    bool negative = false;
    bool signed_ = false;
    if (!ParseSigns(negative, signed_)) return false;
    if (std::optional<bool> boolean = ParseBoolean()) {
      value = *boolean ? 1.0 : 0.0;
    } else if (!ParseNumber(value)) {
      return false;
    }
    if (negative) value = -value;
    return true;
  }

  bool ParseArray(ArrayConstant& array) {
    ++position_;  // '{'
    std::size_t columnsInRow = 0;
    while (true) {
      double value = 0;
      SkipSpaces();
      if (!ParseElement(value)) return false;
      array.values.push_back(value);
      ++columnsInRow;
      SkipSpaces();
      const char c = Peek();
      if (c == ',') {
        ++position_;
        continue;
      }
      if (c != ';' && c != '}') {
        Fail("expected ',', ';' or '}' in an array constant");
        return false;
      }
      if (array.rows == 0) {
        array.columns = columnsInRow;
      } else if (columnsInRow != array.columns) {
        Fail("array rows must all have " + std::to_string(array.columns) + " values");
        return false;
      }
      ++array.rows;
      columnsInRow = 0;
      ++position_;
      if (c == '}') return true;
    }
  }

  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t calls_ = 0;
  std::string error_;
};

}  // namespace

ParsedFormula ParseFormula(std::string_view text) { return Parser(text).Parse(); }

}  // namespace Zq::Host
