#include "host/output.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace Zq::Host {
namespace {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned int>(static_cast<unsigned char>(c)));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

// A cell as JSON: numbers bare, everything else as its displayed text.
std::string JsonCell(const Cell& cell) {
  if (const auto* number = std::get_if<double>(&cell); number != nullptr && std::isfinite(*number)) {
    return FormatNumber(*number);
  }
  return JsonString(FormatCell(cell));
}

}  // namespace

std::string QuotedExcerpt(std::string_view text) {
  if (text.size() <= kQuotedFormulaLength) return std::string(text);
  std::size_t cut = kQuotedFormulaLength;
  // Back to the first byte of the character at the cut.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "...";
}

std::string FormatNumber(double value) {
  if (!std::isfinite(value)) return "#NUM!";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string ErrorName(WORD code) {
  switch (code) {
    case 0: return "#NULL!";
    case 7: return "#DIV/0!";
    case 15: return "#VALUE!";
    case 23: return "#REF!";
    case 29: return "#NAME?";
    case 36: return "#NUM!";
    case 42: return "#N/A";
    default: return "#ERROR(" + std::to_string(code) + ")";
  }
}

std::string FormatCell(const Cell& cell) {
  if (const auto* number = std::get_if<double>(&cell)) return FormatNumber(*number);
  if (const auto* boolean = std::get_if<bool>(&cell)) return *boolean ? "TRUE" : "FALSE";
  if (const auto* text = std::get_if<Text>(&cell)) return **text;
  return ErrorName(std::get<ErrorValue>(cell).code);
}

std::string FormatGrid(const std::optional<Grid>& grid) {
  if (!grid) return "#NULL!\n";
  std::string out;
  for (std::size_t row = 0; row < grid->rows; ++row) {
    for (std::size_t column = 0; column < grid->columns; ++column) {
      if (column > 0) out += '\t';
      out += FormatCell(grid->cells[row * grid->columns + column]);
    }
    out += '\n';
  }
  return out;
}

std::string FormatJson(std::string_view formula, const std::optional<Grid>& grid) {
  std::string out = "{\"formula\": " + JsonString(formula) + ", \"value\": ";
  if (!grid) {
    out += "null";
  } else {
    out += '[';
    for (std::size_t row = 0; row < grid->rows; ++row) {
      if (row > 0) out += ", ";
      out += '[';
      for (std::size_t column = 0; column < grid->columns; ++column) {
        if (column > 0) out += ", ";
        out += JsonCell(grid->cells[row * grid->columns + column]);
      }
      out += ']';
    }
    out += ']';
  }
  return out + "}\n";
}

}  // namespace Zq::Host
