// The companion's table of the 30 exported-only functions, within what
// Excel accepts, and where the companion looks for the main add-in.
#include "extras/extras_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "addin/registration_table.h"
#include "extras/main_addin.h"

namespace {

using Zq::Addin::RegistrationRow;

// Excel's limits for registration texts and worksheet function arguments.
constexpr std::size_t kMaxText = 255;
constexpr std::size_t kMaxArguments = 30;

std::string Counted(const char* text) { return std::string(text + 1, static_cast<unsigned char>(text[0])); }

std::size_t ArgumentNames(const std::string& argumentText) {
  std::size_t names = 1;
  for (std::size_t at = argumentText.find(", "); at != std::string::npos; at = argumentText.find(", ", at + 2)) {
    ++names;
  }
  return names;
}

TEST(ExtrasTable, ThirtyRowsOfCountedStringsWithinExcelsLimits) {
  int rows = 0;
  for (const RegistrationRow* row = Zq::Extras::ExtrasTable; row->procedure != nullptr; ++row, ++rows) {
    const std::string procedure = Counted(row->procedure);
    for (const char* field : {row->procedure, row->typeText, row->functionText, row->argumentText, row->macroType,
                              row->category, row->shortcutText, row->helpTopic, row->functionHelp}) {
      ASSERT_NE(field, nullptr) << procedure;
      const std::size_t length = std::strlen(field + 1);
      EXPECT_EQ(length, static_cast<unsigned char>(field[0])) << procedure;
      EXPECT_LE(length, kMaxText) << procedure;
    }
    std::string upper = procedure;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(Counted(row->functionText), upper);
    EXPECT_EQ(Counted(row->macroType), "1");
    EXPECT_EQ(Counted(row->category), "ZqRand");
    EXPECT_EQ(Counted(row->shortcutText), "");
    EXPECT_EQ(Counted(row->helpTopic), "");
    EXPECT_FALSE(Counted(row->functionHelp).empty()) << procedure;
  }
  EXPECT_EQ(rows, Zq::Extras::kExtrasFunctionCount);
  EXPECT_EQ(Zq::Extras::ExtrasTable[Zq::Extras::kExtrasFunctionCount].functionHelp, nullptr);
}

TEST(ExtrasTable, OneArgumentNamePerTypeLetterAndNoMoreThanExcelTakes) {
  for (const RegistrationRow* row = Zq::Extras::ExtrasTable; row->procedure != nullptr; ++row) {
    const std::string typeText = Counted(row->typeText);
    ASSERT_FALSE(typeText.empty());
    EXPECT_EQ(typeText[0], 'R') << Counted(row->procedure);
    const std::string letters = typeText.substr(1);
    EXPECT_EQ(letters.find_first_not_of("BIJAK"), std::string::npos) << Counted(row->procedure);
    EXPECT_LE(letters.size(), kMaxArguments);
    EXPECT_EQ(ArgumentNames(Counted(row->argumentText)), letters.size()) << Counted(row->procedure);
  }
}

TEST(ExtrasTable, NamesNoFunctionOfTheMainTableAndNoneTwice) {
  std::set<std::string> registered;
  for (const RegistrationRow* row = Zq::Addin::RegistrationTable; row->procedure != nullptr; ++row) {
    registered.insert(Counted(row->procedure));
  }
  std::set<std::string> extras;
  for (const RegistrationRow* row = Zq::Extras::ExtrasTable; row->procedure != nullptr; ++row) {
    EXPECT_EQ(registered.count(Counted(row->procedure)), 0u) << Counted(row->procedure);
    EXPECT_TRUE(extras.insert(Counted(row->procedure)).second) << Counted(row->procedure);
  }
  EXPECT_EQ(registered.size() + extras.size(), 118u);
}

std::string Beside(const std::string& own) {
  const std::string counted = std::string(1, static_cast<char>(own.size())) + own;
  char main[Zq::Extras::kCountedCapacity];
  if (!Zq::Extras::MainAddinBeside(counted.c_str(), main)) return "(none)";
  EXPECT_EQ(main[1 + static_cast<unsigned char>(main[0])], '\0');  // also a C string
  return Counted(main);
}

TEST(MainAddinBeside, TheMainFileInTheCompanionsFolderWithEitherSeparator) {
  const std::string name = Zq::Extras::kMainAddinFileName;
  EXPECT_EQ(Beside("/opt/zq/zqextras.so"), "/opt/zq/" + name);
  EXPECT_EQ(Beside("C:\\Add-ins\\zqextras64.xll"), "C:\\Add-ins\\" + name);
  EXPECT_EQ(Beside("Z:\\work\\build/zqextras64.xll"), "Z:\\work\\build/" + name);
  EXPECT_EQ(Beside("zqextras.so"), "(none)");  // no folder to look in
  EXPECT_EQ(Beside(""), "(none)");
}

TEST(MainAddinBeside, APathThatWouldNotFitACountedStringIsRefused) {
  const std::string name = Zq::Extras::kMainAddinFileName;
  const std::string fits = std::string(1, '/').append(255 - name.size() - 2, 'd').append(1, '/');
  EXPECT_EQ(Beside(fits + "x.so"), fits + name);
  EXPECT_EQ(Beside(std::string(1, '/').append(fits).append("x.so")), "(none)");
  char main[Zq::Extras::kCountedCapacity];
  EXPECT_FALSE(Zq::Extras::MainAddinBeside(nullptr, main));
}

TEST(MissingMainAddinMessage, NamesThePathAndTheFileAndFitsTheBuffer) {
  const std::string path = "/opt/zq/" + std::string(Zq::Extras::kMainAddinFileName);
  const std::string counted = std::string(1, static_cast<char>(path.size())) + path;
  char message[640];
  Zq::Extras::MissingMainAddinMessage(counted.c_str(), message, sizeof(message));
  EXPECT_NE(std::string(message).find(path), std::string::npos);
  EXPECT_NE(std::string(message).find("No functions were registered"), std::string::npos);
  char small[12];
  std::memset(small, 'x', sizeof(small));
  Zq::Extras::MissingMainAddinMessage(counted.c_str(), small, sizeof(small));
  EXPECT_EQ(std::string(small), "ZqRand Extr");
}

}  // namespace
