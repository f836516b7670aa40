#include "host/arguments.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

namespace Zq::Host {
namespace {

// K records count rows and columns in 16 bits.
constexpr std::size_t kMaxArrayDimension = 65535;

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

// Lays out a K record: the two 16-bit counts in the first 8 bytes, then
// the values. One double of header keeps the values 8-byte aligned.
std::unique_ptr<double[]> MakeArray(std::size_t rows, std::size_t columns, const double* values) {
  std::unique_ptr<double[]> storage(new (std::nothrow) double[1 + rows * columns]);
  if (!storage) return storage;
  const WORD counts[4] = {static_cast<WORD>(rows), static_cast<WORD>(columns), 0, 0};
  static_assert(sizeof(counts) == sizeof(double));
  std::memcpy(storage.get(), counts, sizeof(counts));
  std::memcpy(storage.get() + 1, values, rows * columns * sizeof(double));
  return storage;
}

}  // namespace

bool Marshal(std::string_view letters, const std::vector<FormulaArgument>& arguments, MarshalledArguments& out) {
  out.values_.clear();
  out.arrays_.clear();
  if (arguments.size() > letters.size()) return false;
  static const FormulaArgument kOmitted = Omitted{};
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const FormulaArgument& argument = i < arguments.size() ? arguments[i] : kOmitted;
    ArgumentValue value;
    double whole = 0;
    switch (letters[i]) {
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
      case 'K': {
        std::unique_ptr<double[]> storage;
        if (const auto* array = std::get_if<ArrayConstant>(&argument)) {
          if (array->rows > kMaxArrayDimension || array->columns > kMaxArrayDimension ||
              array->values.size() != array->rows * array->columns) {
            return false;
          }
          storage = MakeArray(array->rows, array->columns, array->values.data());
        } else {
          const double single = ScalarOf(argument);
          storage = MakeArray(1, 1, &single);
        }
        if (!storage) return false;
        value.array = reinterpret_cast<const FP*>(storage.get());
        out.arrays_.push_back(std::move(storage));
        break;
      }
      default:
        return false;
    }
    out.values_.push_back(value);
  }
  return true;
}

}  // namespace Zq::Host
