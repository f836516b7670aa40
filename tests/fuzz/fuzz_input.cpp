#include "tests/fuzz/fuzz_input.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "numerics/special_values.h"

namespace Zq::Fuzz {
namespace {

constexpr std::uint8_t kRawTag = 0xFF;

// Doubles that sit on or next to a boundary somewhere in the add-in: the
// IEEE specials, the 1e-12 parameter floor, probabilities at 0 and 1, the
// limits of the 16- and 32-bit conversions, exp() overflow and underflow.
using Math::kNaN;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSpecialDoubles[] = {
    kNaN, -kNaN, kInf, -kInf, 0.0, -0.0,
    std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::denorm_min(),
    DBL_MIN, -DBL_MIN, DBL_MAX, -DBL_MAX, 1e308, -1e308, 1e300, -1e300, 1e-300, 1e-308,
    1e-12, 1.0000001e-12, 0.99999e-12, 1e-13, -1e-12, 1e-9, 1e-6, 1e-3, 0.01, 0.1,
    0.25, 0.5, 0.75, 0.9, 0.99, 0.999999999999, 1.0 - DBL_EPSILON / 2, 1.0 + DBL_EPSILON, 1.5, 2.5,
    -0.5, -0.999999999999, -1.0 + DBL_EPSILON / 2, 1.0000001, -1.0000001, 3.14159, 6, 12, 37, 38, 40,
    50, 100, 170, 171, 200, 500, 700, 709.78, 710, 745, 746, -700, -745, -746, 1000, 1e4,
    32766, 32767, 32768, 65535, 65536, -32768, -32769, 1e5, 1e6, 1e7, 1e8, 1e9, 2147483647,
    2147483648.0, -2147483648.0, -2147483649.0, 4294967296.0, 1e12, 1e15, 9007199254740992.0,
    9007199254740993.0, 1e16, 1e17, 1e20, 1e50, 1e100, 1e154, 1e155, 1e200, -1e6, -1e15, -1e20,
};
constexpr short kSpecialShorts[] = {0, 1, -1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 20, 31, 32, 64, 100,
                                    127, 128, 255, 256, 1000, 4096, 10000, 16384, 32766, 32767, -32768,
                                    -32767, -2, -3, -100};
constexpr std::int32_t kSpecialInts[] = {0, 1, -1, 2, 3, 4, 5, 7, 10, 12, 16, 20, 32, 50, 64, 100, 128, 170,
                                         171, 255, 256, 1000, 4096, 10000, 32767, 32768, 65535, 65536,
                                         100000, 1000000, 10000000, 100000000, 1000000000, 2147483646,
                                         2147483647, -2147483647 - 1, -2147483647, -2, -100, -65536};
// Array sides: empty, small, square-ish and the 16-bit limit.
constexpr std::uint16_t kSides[] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8, 10, 12, 16,
                                    20, 32, 50, 64, 100, 128, 200, 256, 512, 1000, 4096, 32767, 65535};

template <class T, std::size_t N>
T Pick(const T (&table)[N], std::uint8_t tag) {
  return table[tag % N];
}

// Tags below 0x80 pick a special value, 0x80..0xFE a small integer from
// -16 to 110, 0xFF is followed by the raw value.
double ReadDouble(Reader& reader) {
  const std::uint8_t tag = reader.Byte();
  if (tag == kRawTag) {
    double value;
    reader.Raw(&value, sizeof value);
    return value;
  }
  if (tag >= 0x80) return static_cast<double>(tag - 0x80) - 16.0;
  return Pick(kSpecialDoubles, tag);
}

short ReadShort(Reader& reader) {
  const std::uint8_t tag = reader.Byte();
  if (tag == kRawTag) {
    short value;
    reader.Raw(&value, sizeof value);
    return value;
  }
  return Pick(kSpecialShorts, tag);
}

std::int32_t ReadInt(Reader& reader) {
  const std::uint8_t tag = reader.Byte();
  if (tag == kRawTag) {
    std::int32_t value;
    reader.Raw(&value, sizeof value);
    return value;
  }
  return Pick(kSpecialInts, tag);
}

std::uint16_t ReadSide(Reader& reader, std::uint8_t tag) {
  if (tag == kRawTag) {
    std::uint16_t value;
    reader.Raw(&value, sizeof value);
    return value;
  }
  return Pick(kSides, tag);
}

// Fills: values from the input (cycled once it runs out), one constant,
// a scaled identity, or a matrix with unit diagonal and one off-diagonal
// value (a correlation candidate).
void FillArray(Reader& reader, std::size_t rows, std::size_t columns, double* values) {
  const std::size_t count = rows * columns;
  const std::uint8_t fill = reader.Byte() % 4;
  if (fill == 0) {
    std::size_t read = 0;
    for (; read < count && !reader.Exhausted(); ++read) values[read] = ReadDouble(reader);
    for (std::size_t k = read; k < count; ++k) values[k] = read == 0 ? 0.0 : values[k % read];
    return;
  }
  const double a = ReadDouble(reader);
  const double b = fill == 3 ? ReadDouble(reader) : 0.0;
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < columns; ++c) {
      double& v = values[r * columns + c];
      if (fill == 1) v = a;
      else if (fill == 2) v = r == c ? a : 0.0;
      else v = r == c ? a : b;
    }
  }
}

const FP* ReadArray(Reader& reader, std::vector<std::unique_ptr<double[]>>& arrays) {
  const std::uint8_t rowTag = reader.Byte();
  const std::size_t rows = ReadSide(reader, rowTag);
  const std::uint8_t columnTag = reader.Byte();
  std::size_t columns = ReadSide(reader, columnTag);
  // Keep the counts honest and the block bounded: shrink the columns.
  if (rows > 0 && rows * columns > kMaxArrayElements) columns = kMaxArrayElements / rows;
  const std::size_t count = rows * columns;
  // Exactly the header and the doubles: a read past them is caught.
  std::unique_ptr<double[]> storage(new double[1 + count]);
  const WORD counts[4] = {static_cast<WORD>(rows), static_cast<WORD>(columns), 0, 0};
  std::memcpy(storage.get(), counts, sizeof counts);
  FillArray(reader, rows, columns, storage.get() + 1);
  arrays.push_back(std::move(storage));
  return reinterpret_cast<const FP*>(arrays.back().get());
}

void Append(std::vector<std::uint8_t>& out, const void* bytes, std::size_t size) {
  const std::size_t end = out.size();
  out.resize(end + size);
  std::memcpy(out.data() + end, bytes, size);
}

template <class T>
void AppendRaw(std::vector<std::uint8_t>& out, T value) {
  out.push_back(kRawTag);
  Append(out, &value, sizeof value);
}

void AppendNumber(std::string& text, double value) {
  char buffer[32];
  const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
  text.append(buffer, result.ptr);
}

}  // namespace

std::uint8_t Reader::Byte() { return position_ < data_.size() ? data_[position_++] : 0; }

void Reader::Raw(void* target, std::size_t size) {
  auto* bytes = static_cast<std::uint8_t*>(target);
  for (std::size_t k = 0; k < size; ++k) bytes[k] = Byte();
}

std::size_t DecodeFunction(Reader& reader, std::size_t functionCount) {
  std::uint16_t index;
  reader.Raw(&index, sizeof index);
  return functionCount == 0 ? 0 : index % functionCount;
}

DecodedCall DecodeArguments(Reader& reader, std::string_view letters) {
  DecodedCall call;
  call.values.resize(letters.size());
  for (std::size_t k = 0; k < letters.size(); ++k) {
    Host::ArgumentValue& value = call.values[k];
    switch (letters[k]) {
      case 'B': value.number = ReadDouble(reader); break;
      case 'I':
      case 'A': value.integer16 = ReadShort(reader); break;
      case 'J': value.integer32 = ReadInt(reader); break;
      case 'K': value.array = ReadArray(reader, call.arrays); break;
      default: break;
    }
  }
  return call;
}

std::vector<std::uint8_t> EncodeCall(std::uint16_t function, std::string_view letters,
                                     const Host::ArgumentValue* values) {
  std::vector<std::uint8_t> out;
  Append(out, &function, sizeof function);
  for (std::size_t k = 0; k < letters.size(); ++k) {
    const Host::ArgumentValue& value = values[k];
    switch (letters[k]) {
      case 'B': AppendRaw(out, value.number); break;
      case 'I':
      case 'A': AppendRaw(out, value.integer16); break;
      case 'J': AppendRaw(out, value.integer32); break;
      case 'K': {
        AppendRaw(out, value.array->rows);
        AppendRaw(out, value.array->columns);
        out.push_back(0);  // values from the input
        const double* doubles = FpValues(value.array);
        const std::size_t count = std::size_t{value.array->rows} * value.array->columns;
        for (std::size_t e = 0; e < count; ++e) AppendRaw(out, doubles[e]);
        break;
      }
      default: break;
    }
  }
  return out;
}

std::string DescribeCall(std::string_view name, std::string_view letters, const DecodedCall& call) {
  std::string text(name);
  text += '(';
  for (std::size_t k = 0; k < letters.size(); ++k) {
    if (k > 0) text += ',';
    const Host::ArgumentValue& value = call.values[k];
    switch (letters[k]) {
      case 'B': AppendNumber(text, value.number); break;
      case 'I':
      case 'A': text += std::to_string(value.integer16); break;
      case 'J': text += std::to_string(value.integer32); break;
      case 'K': {
        const std::size_t count = std::size_t{value.array->rows} * value.array->columns;
        text += '{' + std::to_string(value.array->rows) + 'x' + std::to_string(value.array->columns);
        const double* doubles = FpValues(value.array);
        for (std::size_t e = 0; e < count && e < 16; ++e) {
          text += e == 0 ? ':' : ' ';
          AppendNumber(text, doubles[e]);
        }
        if (count > 16) text += " ...";
        text += '}';
        break;
      }
      default: break;
    }
  }
  return text + ')';
}

}  // namespace Zq::Fuzz
