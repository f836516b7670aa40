// How the command line prints results: a tab-separated grid, or one JSON
// object per formula.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/result.h"

namespace Zq::Host {

// How error lines quote a formula: its first 200 characters, then "..."
// when there are more (never cutting a UTF-8 character in two).
constexpr std::size_t kQuotedFormulaLength = 200;
std::string QuotedExcerpt(std::string_view text);

// Shortest text that reads back as the same double (at most 17 digits).
std::string FormatNumber(double value);

// Excel's display of an error code: #VALUE!, #NULL!, #DIV/0!, ...
std::string ErrorName(WORD code);

std::string FormatCell(const Cell& cell);

// One line per row, cells separated by tabs; a null result is "#NULL!".
std::string FormatGrid(const std::optional<Grid>& grid);

// {"formula": "...", "value": [[...], ...]} on one line (with its newline);
// "value" is null for a null result, errors are strings.
std::string FormatJson(std::string_view formula, const std::optional<Grid>& grid);

}  // namespace Zq::Host
