#include "host/arguments.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

#include "addin/xlcall12.h"

namespace Zq::Host {
namespace {

// K records count rows and columns in 16 bits; K% records in 32 bits, and
// Excel 12 passes no array larger than its grid.
constexpr std::size_t kMaxArrayDimension = 65535;
constexpr std::size_t kMaxArrayRows12 = kExcel12Rows;
constexpr std::size_t kMaxArrayColumns12 = kExcel12Columns;

double ScalarOf(const FormulaArgument& argument) {
  if (const auto* number = std::get_if<double>(&argument)) return *number;
  if (const auto* boolean = std::get_if<bool>(&argument)) return *boolean ? 1.0 : 0.0;
  if (const auto* array = std::get_if<ArrayConstant>(&argument)) return array->values.empty() ? 0.0 : array->values[0];
  return 0.0;
}

bool WholeNumber(double value, double lowest, double highest, double& whole) {
  whole = std::trunc(value);
  return whole >= lowest && whole <= highest;
}

// Lays out a K or K% record: the two counts (16 or 32 bits each) in the
// first 8 bytes, then the values. One double of header keeps the values
// 8-byte aligned.
template <class Count>
std::unique_ptr<double[]> MakeArray(std::size_t rows, std::size_t columns, const double* values) {
  std::unique_ptr<double[]> storage(new (std::nothrow) double[1 + rows * columns]);
  if (!storage) return storage;
  const Count counts[sizeof(double) / sizeof(Count)] = {static_cast<Count>(rows), static_cast<Count>(columns)};
  static_assert(sizeof(counts) == sizeof(double));
  std::memcpy(storage.get(), counts, sizeof(counts));
  std::memcpy(storage.get() + 1, values, rows * columns * sizeof(double));
  return storage;
}

// The K or K% record of one argument (Count: the counts' type), held in
// `arrays`; null when the array is too large or memory runs out.
template <class Count>
const double* ArrayRecord(const FormulaArgument& argument, std::size_t maxRows, std::size_t maxColumns,
                          std::vector<std::unique_ptr<double[]>>& arrays) {
  std::unique_ptr<double[]> storage;
  if (const auto* array = std::get_if<ArrayConstant>(&argument)) {
    if (array->rows > maxRows || array->columns > maxColumns || array->values.size() != array->rows * array->columns) {
      return nullptr;
    }
    storage = MakeArray<Count>(array->rows, array->columns, array->values.data());
  } else {
    const double single = ScalarOf(argument);
    storage = MakeArray<Count>(1, 1, &single);
  }
  if (!storage) return nullptr;
  arrays.push_back(std::move(storage));
  return arrays.back().get();
}

}  // namespace

bool Marshal(std::string_view letters, const std::vector<FormulaArgument>& arguments, MarshalledArguments& out) {
  out.values_.clear();
  out.arrays_.clear();
  if (arguments.size() > ArgumentCount(letters)) return false;
  // A call's result is a value only once the call is evaluated.
  for (const FormulaArgument& argument : arguments) {
    if (std::holds_alternative<NestedCall>(argument)) return false;
  }
  static const FormulaArgument kOmitted = Omitted{};
  for (std::size_t letter = 0; letter < letters.size(); ++letter) {
    if (letters[letter] == '$') continue;
    const std::size_t i = out.values_.size();
    const FormulaArgument& argument = i < arguments.size() ? arguments[i] : kOmitted;
    ArgumentValue value;
    double whole = 0;
    switch (letters[letter]) {
      case 'B':
        value.number = ScalarOf(argument);
        break;
      case 'I':
        if (!WholeNumber(ScalarOf(argument), -32768.0, 32767.0, whole)) return false;
        value.integer16 = static_cast<short>(whole);
        break;
      case 'J':
        if (!WholeNumber(ScalarOf(argument), -2147483648.0, 2147483647.0, whole)) return false;
        value.integer32 = static_cast<std::int32_t>(whole);
        break;
      case 'A':
        value.integer16 = ScalarOf(argument) != 0.0 ? 1 : 0;
        break;
      case 'K':
        if (letter + 1 < letters.size() && letters[letter + 1] == '%') {
          ++letter;
          const double* record = ArrayRecord<std::int32_t>(argument, kMaxArrayRows12, kMaxArrayColumns12, out.arrays_);
          if (record == nullptr) return false;
          value.array12 = reinterpret_cast<const FP12*>(record);
        } else {
          const double* record = ArrayRecord<WORD>(argument, kMaxArrayDimension, kMaxArrayDimension, out.arrays_);
          if (record == nullptr) return false;
          value.array = reinterpret_cast<const FP*>(record);
        }
        break;
      default:
        return false;
    }
    out.values_.push_back(value);
  }
  return true;
}

std::size_t ArgumentCount(std::string_view letters) {
  std::size_t count = 0;
  for (char letter : letters) count += letter == '%' || letter == '$' ? 0 : 1;
  return count;
}

}  // namespace Zq::Host
