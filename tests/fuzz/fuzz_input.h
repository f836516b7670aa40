// The harness's input format: two bytes choose the worksheet function, then
// each argument letter of its type text reads one encoded value. A tag byte
// picks a hostile value from a table (NaN, infinities, signed zeros,
// subnormals, limits, thresholds, small integers) or announces raw bytes;
// K reads a shape (0 x 0 up to 65535 x 1) and a fill, and its count always
// matches the doubles supplied, as Excel guarantees. Reads past the end of
// the input give zeros, so every input decodes to a call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/invokers.h"

namespace Zq::Fuzz {

// Most doubles one K argument may hold (1 MiB).
constexpr std::size_t kMaxArrayElements = std::size_t{1} << 17;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
  std::uint8_t Byte();
  void Raw(void* target, std::size_t size);
  bool Exhausted() const { return position_ >= data_.size(); }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

// One call's arguments, with the storage of their K arrays.
struct DecodedCall {
  std::vector<Host::ArgumentValue> values;
  std::vector<std::unique_ptr<double[]>> arrays;
};

// The function index, reduced modulo functionCount.
std::size_t DecodeFunction(Reader& reader, std::size_t functionCount);

// One value per argument letter (the type text without its result letter).
DecodedCall DecodeArguments(Reader& reader, std::string_view letters);

// The input that decodes to exactly this call.
std::vector<std::uint8_t> EncodeCall(std::uint16_t function, std::string_view letters,
                                     const Host::ArgumentValue* values);

// The call as a formula, arrays shown by their shape, numbers round-trip.
std::string DescribeCall(std::string_view name, std::string_view letters, const DecodedCall& call);

}  // namespace Zq::Fuzz
