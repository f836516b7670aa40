// The Function Wizard's argument help against the one list of worksheet
// functions: an entry for every function in list order, one text for each
// argument name, and every text as Excel takes it (1 to 255 characters,
// plain ASCII for the wide strings, ending with a period).
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

struct ListedFunction {
  std::string_view symbol;
  std::string_view argumentText;
};

constexpr ListedFunction kListed[] = {
#define ZQ_FUNCTION(owner, symbol, parameters, typeText, argumentText, help) {#symbol, argumentText},
#include "addin/worksheet_function_list.h"
#undef ZQ_FUNCTION
};

struct ArgumentHelp {
  std::string_view symbol;
  std::vector<std::string_view> texts;
};

const ArgumentHelp kHelp[] = {
#define ZQ_ARGUMENT_HELP(symbol, ...) {#symbol, {__VA_ARGS__}},
#include "addin/worksheet_argument_help.h"
#undef ZQ_ARGUMENT_HELP
};

std::size_t ArgumentNames(std::string_view argumentText) {
  if (argumentText.empty()) return 0;
  std::size_t names = 1;
  for (std::size_t at = argumentText.find(", "); at != std::string_view::npos; at = argumentText.find(", ", at + 2)) {
    ++names;
  }
  return names;
}

TEST(ArgumentHelp, OneEntryPerListedFunctionInListOrder) {
  ASSERT_EQ(std::size(kHelp), std::size(kListed));
  for (std::size_t i = 0; i < std::size(kListed); ++i) EXPECT_EQ(kHelp[i].symbol, kListed[i].symbol) << "entry " << i;
}

TEST(ArgumentHelp, OneTextPerArgumentName) {
  ASSERT_EQ(std::size(kHelp), std::size(kListed));
  for (std::size_t i = 0; i < std::size(kListed); ++i) {
    EXPECT_EQ(kHelp[i].texts.size(), ArgumentNames(kListed[i].argumentText))
        << kListed[i].symbol << ": \"" << kListed[i].argumentText << "\"";
  }
}

TEST(ArgumentHelp, EveryTextFitsTheWizard) {
  for (const ArgumentHelp& entry : kHelp) {
    for (std::size_t k = 0; k < entry.texts.size(); ++k) {
      const std::string_view text = entry.texts[k];
      SCOPED_TRACE(testing::Message() << entry.symbol << ", argument " << k + 1 << ": \"" << text << "\"");
      ASSERT_FALSE(text.empty());
      EXPECT_LE(text.size(), 255u);
      EXPECT_EQ(text.back(), '.');
      EXPECT_NE(text.front(), ' ');
      for (char c : text) EXPECT_TRUE(c >= 0x20 && c <= 0x7e) << "character " << static_cast<int>(c);
    }
  }
}

}  // namespace
