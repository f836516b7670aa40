// The stand-in's answers to the Excel and Windows calls the add-in makes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/standin/standin.h"
#include "host/standin/windows_calls.h"

namespace Zq::StandIn {
namespace {

constexpr unsigned int kEnglish = 0x0409;
constexpr unsigned int kIgnoreCase = 1;

XLOPER Text(std::string& counted) {
  XLOPER record{};
  record.val.str = counted.data();
  record.xltype = xltypeStr;
  return record;
}

XLOPER Integer(short value) {
  XLOPER record{};
  record.val.w = value;
  record.xltype = xltypeInt;
  return record;
}

XLOPER Number(double value) {
  XLOPER record{};
  record.val.num = value;
  record.xltype = xltypeNum;
  return record;
}

std::string Counted(const std::string& text) { return std::string(1, static_cast<char>(text.size())) + text; }

class StandInTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRecords();
    CloseAllWindows();
    SetGetHwndFails(false);
  }
  void TearDown() override {
    ClearRecords();
    CloseAllWindows();
    SetGetHwndFails(false);
  }

  int Coerce(XLOPER source, XLOPER& result) {
    XLOPER wanted = Integer(xltypeInt);
    XLOPER* arguments[] = {&source, &wanted};
    return Excel4v(xlCoerce, &result, 2, arguments);
  }

  int Register(std::vector<std::string> texts) {
    std::vector<std::string> counted;
    for (const auto& t : texts) counted.push_back(Counted(t));
    std::vector<XLOPER> records;
    for (auto& c : counted) records.push_back(Text(c));
    std::vector<XLOPER*> pointers;
    for (auto& r : records) pointers.push_back(&r);
    return Excel4v(xlfRegister, nullptr, static_cast<int>(pointers.size()), pointers.data());
  }

  int RemoveName(const std::string& name) {
    std::string counted = Counted(name);
    XLOPER record = Text(counted);
    XLOPER* arguments[] = {&record};
    return Excel4v(xlfSetName, nullptr, 1, arguments);
  }
};

TEST_F(StandInTest, GetHwndAnswersTheLow16BitsOfTheMainWindowUnlessToldToFail) {
  XLOPER answer{};
  ASSERT_EQ(Excel4v(xlGetHwnd, &answer, 0, nullptr), xlretSuccess);
  EXPECT_EQ(answer.xltype, xltypeInt);
  EXPECT_EQ(static_cast<WORD>(answer.val.w), reinterpret_cast<std::uintptr_t>(ExcelMainWindow()) & 0xFFFFu);

  SetGetHwndFails(true);
  EXPECT_NE(Excel4v(xlGetHwnd, &answer, 0, nullptr), xlretSuccess);
  EXPECT_NE(Excel4v(xlGetHwnd, nullptr, 0, nullptr), xlretSuccess);
}

TEST_F(StandInTest, GetNameHandsOutACountedCopyThatXlFreeReturns) {
  SetModuleName("/opt/addins/zqrand.so");
  const int before = OutstandingExcelStrings();
  XLOPER name{};
  ASSERT_EQ(Excel4v(xlGetName, &name, 0, nullptr), xlretSuccess);
  ASSERT_EQ(name.xltype, xltypeStr);
  EXPECT_EQ(std::string(name.val.str + 1, static_cast<unsigned char>(name.val.str[0])), "/opt/addins/zqrand.so");
  EXPECT_EQ(OutstandingExcelStrings(), before + 1);

  XLOPER* arguments[] = {&name};
  EXPECT_EQ(Excel4v(xlFree, nullptr, 1, arguments), xlretSuccess);
  EXPECT_EQ(OutstandingExcelStrings(), before);
  // A second xlFree of the same record, or of a string Excel never handed
  // out, releases nothing.
  EXPECT_EQ(Excel4v(xlFree, nullptr, 1, arguments), xlretSuccess);
  std::string mine = Counted("mine");
  XLOPER foreign = Text(mine);
  XLOPER* foreignArguments[] = {&foreign};
  EXPECT_EQ(Excel4v(xlFree, nullptr, 1, foreignArguments), xlretSuccess);
  EXPECT_EQ(OutstandingExcelStrings(), before);
}

TEST_F(StandInTest, GetNameOfAVeryLongPathStaysACountedString) {
  SetModuleName(std::string(400, 'x'));
  XLOPER name{};
  ASSERT_EQ(Excel4v(xlGetName, &name, 0, nullptr), xlretSuccess);
  EXPECT_EQ(static_cast<unsigned char>(name.val.str[0]), 255);
  XLOPER* arguments[] = {&name};
  Excel4v(xlFree, nullptr, 1, arguments);
}

TEST_F(StandInTest, RegisterRecordsAllTenTextsAndMakesTheFunctionCallable) {
  ASSERT_EQ(Register({"/x/zqrand.so", "ZqRand", "RIIJJ", "ZQRAND", "Size, Algorithm", "1", "ZqRand", "", "",
                      "Returns uniform numbers"}),
            xlretSuccess);
  ASSERT_EQ(Registrations().size(), 1u);
  EXPECT_EQ(Registrations()[0].arguments,
            (std::vector<std::string>{"/x/zqrand.so", "ZqRand", "RIIJJ", "ZQRAND", "Size, Algorithm", "1", "ZqRand",
                                      "", "", "Returns uniform numbers"}));
  const RegisteredFunction* found = FindFunction("zqRand");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->procedure, "ZqRand");
  EXPECT_EQ(found->typeText, "RIIJJ");
  EXPECT_EQ(FindFunction("ZQRANDX"), nullptr);
}

TEST_F(StandInTest, SetNameWithOneArgumentRemovesExactlyThatName) {
  Register({"m", "ZqRand", "RIIJJ", "ZQRAND", "", "1", "ZqRand", "", "", ""});
  Register({"m", "ZqNormInv", "RB", "ZQNORMINV", "", "1", "ZqRand", "", "", ""});
  ASSERT_EQ(RemoveName("ZQRAND"), xlretSuccess);
  EXPECT_EQ(RemovedNames(), std::vector<std::string>{"ZQRAND"});
  EXPECT_EQ(FindFunction("ZQRAND"), nullptr);
  EXPECT_NE(FindFunction("ZQNORMINV"), nullptr);
  EXPECT_EQ(RegisteredFunctions().size(), 1u);
}

// Functions are found by name through an index: every removal (by name or
// by id) and every re-registration must leave each other name findable, in
// any case, with its own procedure and the binding its resolver answered.
TEST_F(StandInTest, RemovalsAndReRegistrationsKeepEveryOtherNameFindable) {
  std::vector<const Binding*> bound;
  SetProcedureResolver([&](const std::string&, const std::string&, const std::string&) {
    auto binding = std::make_shared<const Binding>();
    bound.push_back(binding.get());
    return binding;
  });
  const std::vector<std::string> names = {"ZqA", "ZqB", "ZqC", "ZqD", "ZqE"};
  for (const auto& name : names) Register({"m", name, "R", name, "", "1", "ZqRand", "", "", ""});
  ASSERT_EQ(RemoveName("ZQA"), xlretSuccess);
  XLOPER id = Number(FindFunction("zqc")->registerId);
  XLOPER* idArgument[] = {&id};
  ASSERT_EQ(Excel4v(xlfUnregister, nullptr, 1, idArgument), xlretSuccess);
  Register({"m", "ZqE2", "R", "zqe", "", "1", "ZqRand", "", "", ""});  // the same name again
  SetProcedureResolver(nullptr);
  const struct {
    const char* name;
    const char* procedure;  // null: not registered
    int binding;            // which registration's binding
  } expected[] = {{"zqa", nullptr, 0}, {"ZQB", "ZqB", 1}, {"zQc", nullptr, 0}, {"zqd", "ZqD", 3}, {"ZQE", "ZqE2", 5}};
  for (const auto& entry : expected) {
    const RegisteredFunction* found = FindFunction(entry.name);
    if (entry.procedure == nullptr) {
      EXPECT_EQ(found, nullptr) << entry.name;
      continue;
    }
    ASSERT_NE(found, nullptr) << entry.name;
    EXPECT_EQ(found->procedure, entry.procedure);
    EXPECT_EQ(found->binding.get(), bound[static_cast<std::size_t>(entry.binding)]) << entry.name;
  }
  EXPECT_EQ(RegisteredFunctions().size(), 3u);
}

TEST_F(StandInTest, RegisterAnswersAnIdThatUnregisterTakesBack) {
  std::vector<std::string> texts = {"/x/zqrand.so", "ZqPCA", "RK", "ZQPCA", "", "1", "ZqRand", "", "", ""};
  std::vector<std::string> counted;
  for (const auto& t : texts) counted.push_back(Counted(t));
  std::vector<XLOPER> records;
  for (auto& c : counted) records.push_back(Text(c));
  std::vector<XLOPER*> pointers;
  for (auto& r : records) pointers.push_back(&r);
  XLOPER id{};
  ASSERT_EQ(Excel4v(xlfRegister, &id, 10, pointers.data()), xlretSuccess);
  ASSERT_EQ(id.xltype, xltypeNum);
  ASSERT_NE(FindFunction("ZQPCA"), nullptr);
  EXPECT_EQ(FindFunction("ZQPCA")->module, "/x/zqrand.so");
  EXPECT_EQ(FindFunction("ZQPCA")->registerId, id.val.num);

  XLOPER unknown = Number(id.val.num + 1);
  XLOPER* unknownArgument[] = {&unknown};
  XLOPER answer{};
  ASSERT_EQ(Excel4v(xlfUnregister, &answer, 1, unknownArgument), xlretSuccess);
  EXPECT_EQ(answer.xltype, xltypeBool);
  EXPECT_EQ(answer.val.xbool, 0);
  EXPECT_NE(FindFunction("ZQPCA"), nullptr);
  XLOPER* idArgument[] = {&id};
  ASSERT_EQ(Excel4v(xlfUnregister, &answer, 1, idArgument), xlretSuccess);
  EXPECT_EQ(answer.val.xbool, 1);
  EXPECT_EQ(FindFunction("ZQPCA"), nullptr);
  EXPECT_EQ(UnregisteredIds(), (std::vector<double>{id.val.num + 1, id.val.num}));
  XLOPER text = Text(counted[3]);
  XLOPER* textArgument[] = {&text};
  EXPECT_EQ(Excel4v(xlfUnregister, nullptr, 1, textArgument), xlretFailed);
}

TEST_F(StandInTest, ARegistrationTheResolverRefusesAnswersValueAndRegistersNothing) {
  std::vector<std::string> asked;
  SetProcedureResolver([&](const std::string& module, const std::string& procedure, const std::string& typeText) {
    asked.push_back(module + ":" + procedure + ":" + typeText);
    return procedure != "ZqMissing" ? std::make_shared<const Binding>() : nullptr;
  });
  EXPECT_EQ(Register({"/x/zqrand.so", "ZqMissing", "RB", "ZQMISSING", "", "1", "ZqRand", "", "", ""}), xlretSuccess);
  EXPECT_EQ(Register({"/x/zqrand.so", "ZqNormInv", "RB", "ZQNORMINV", "", "1", "ZqRand", "", "", ""}), xlretSuccess);
  SetProcedureResolver(nullptr);
  EXPECT_EQ(asked, (std::vector<std::string>{"/x/zqrand.so:ZqMissing:RB", "/x/zqrand.so:ZqNormInv:RB"}));
  EXPECT_EQ(Registrations().size(), 2u);  // both calls are on record
  EXPECT_EQ(FindFunction("ZQMISSING"), nullptr);
  EXPECT_NE(FindFunction("ZQNORMINV"), nullptr);
}

TEST_F(StandInTest, MalformedRegistrationsAreRefusedAndNotRecorded) {
  XLOPER number = Number(1);
  XLOPER* arguments[] = {&number, &number, &number};
  EXPECT_NE(Excel4v(xlfRegister, nullptr, 3, arguments), xlretSuccess);
  XLOPER* nulls[] = {nullptr, nullptr, nullptr};
  EXPECT_NE(Excel4v(xlfRegister, nullptr, 3, nulls), xlretSuccess);
  EXPECT_NE(Excel4v(xlfRegister, nullptr, 3, nullptr), xlretSuccess);
  EXPECT_TRUE(Registrations().empty());
}

TEST_F(StandInTest, CoerceToIntegerFromNumberIntegerAndBoolean) {
  XLOPER result{};
  ASSERT_EQ(Coerce(Number(1.0), result), xlretSuccess);
  EXPECT_EQ(result.xltype, xltypeInt);
  EXPECT_EQ(result.val.w, 1);
  ASSERT_EQ(Coerce(Number(-2.9), result), xlretSuccess);
  EXPECT_EQ(result.val.w, -2);
  ASSERT_EQ(Coerce(Integer(2), result), xlretSuccess);
  EXPECT_EQ(result.val.w, 2);
  XLOPER boolean{};
  boolean.val.xbool = 1;
  boolean.xltype = xltypeBool;
  ASSERT_EQ(Coerce(boolean, result), xlretSuccess);
  EXPECT_EQ(result.val.w, 1);
}

TEST_F(StandInTest, CoerceRefusesWhatDoesNotFitOrIsNotAsked) {
  XLOPER result{};
  EXPECT_NE(Coerce(Number(40000), result), xlretSuccess);
  EXPECT_NE(Coerce(Number(-32769), result), xlretSuccess);
  std::string text = Counted("1");
  EXPECT_NE(Coerce(Text(text), result), xlretSuccess);
  XLOPER source = Number(1);
  XLOPER toNumber = Integer(xltypeNum);
  XLOPER* arguments[] = {&source, &toNumber};
  EXPECT_NE(Excel4v(xlCoerce, &result, 2, arguments), xlretSuccess);
  EXPECT_NE(Excel4v(xlCoerce, nullptr, 2, arguments), xlretSuccess);
}

TEST_F(StandInTest, UnknownFunctionNumbersFail) {
  XLOPER result{};
  EXPECT_NE(Excel4v(12345, &result, 0, nullptr), xlretSuccess);
  EXPECT_NE(Excel4v(xlGetName, &result, -1, nullptr), xlretSuccess);
}

struct Seen {
  std::vector<void*> windows;
  std::size_t stopAfter = 1000;
};

int Collect(void* window, std::intptr_t context) {
  auto* seen = reinterpret_cast<Seen*>(context);
  seen->windows.push_back(window);
  return seen->windows.size() < seen->stopAfter ? 1 : 0;
}

TEST_F(StandInTest, EnumWindowsVisitsTopLevelWindowsInCreationOrderAndStopsWhenAsked) {
  Window first = OpenWindow("First", nullptr);
  Window wizard = OpenFunctionWizard();
  Window third = OpenWindow("Third", first);
  Seen all;
  EXPECT_EQ(EnumWindows(&Collect, reinterpret_cast<std::intptr_t>(&all)), 1);
  EXPECT_EQ(all.windows, (std::vector<void*>{ExcelMainWindow(), first, wizard, third}));

  Seen two;
  two.stopAfter = 2;
  EXPECT_EQ(EnumWindows(&Collect, reinterpret_cast<std::intptr_t>(&two)), 0);
  EXPECT_EQ(two.windows.size(), 2u);

  CloseWindow(wizard);
  CloseWindow(ExcelMainWindow());  // Excel's own window stays
  Seen after;
  EnumWindows(&Collect, reinterpret_cast<std::intptr_t>(&after));
  EXPECT_EQ(after.windows, (std::vector<void*>{ExcelMainWindow(), first, third}));
}

TEST_F(StandInTest, ClassNameAndParentOfSimulatedWindows) {
  Window wizard = OpenFunctionWizard();
  char buffer[50];
  EXPECT_EQ(GetClassNameA(wizard, buffer, sizeof buffer), 12);
  EXPECT_STREQ(buffer, "bosa_sdm_XL9");
  EXPECT_EQ(GetParent(wizard), ExcelMainWindow());
  EXPECT_EQ(GetParent(ExcelMainWindow()), nullptr);
  EXPECT_EQ(GetParent(reinterpret_cast<void*>(0x1234)), nullptr);
  EXPECT_EQ(GetClassNameA(reinterpret_cast<void*>(0x1234), buffer, sizeof buffer), 0);
}

TEST_F(StandInTest, ClassNameIsCutToTheBufferWithItsTerminator) {
  Window window = OpenWindow(std::string(80, 'c'), nullptr);
  char buffer[8];
  std::memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(GetClassNameA(window, buffer, 5), 4);
  EXPECT_STREQ(buffer, "cccc");
  EXPECT_EQ(buffer[5], 'z');
  EXPECT_EQ(GetClassNameA(window, buffer, 1), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(GetClassNameA(window, buffer, 0), 0);
  EXPECT_EQ(GetClassNameA(window, nullptr, 8), 0);
}

TEST_F(StandInTest, CompareStringIgnoresCaseAndHonoursLengths) {
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "BOSA_SDM_XL9", 11, "bosa_sdm_XL", -1), 2);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "BOSA_SDM_XL9", -1, "bosa_sdm_XL", -1), 3);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "bosa_sdm", -1, "bosa_sdm_XL", -1), 1);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "abc", 0, "", -1), 2);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "Apple", -1, "banana", -1), 1);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "b", -1, "Apple", -1), 3);
  // Case counts without NORM_IGNORECASE; letters stay in alphabetical order.
  EXPECT_NE(CompareStringA(kEnglish, 0, "ABC", -1, "abc", -1), 2);
  EXPECT_EQ(CompareStringA(kEnglish, 0, "Zebra", -1, "apple", -1), 3);
  // Punctuation sorts before digits, digits before letters.
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "_", -1, "1", -1), 1);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "9", -1, "a", -1), 1);
}

TEST_F(StandInTest, CompareStringRejectsWhatWindowsRejects) {
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, nullptr, -1, "a", -1), 0);
  EXPECT_EQ(CompareStringA(kEnglish, kIgnoreCase, "a", -2, "a", -1), 0);
  EXPECT_EQ(CompareStringA(0x0407, kIgnoreCase, "a", -1, "a", -1), 0);
  EXPECT_EQ(CompareStringA(kEnglish, 0x1000, "a", -1, "a", -1), 0);
}

TEST_F(StandInTest, LengthMessageBoxAndCounter) {
  EXPECT_EQ(lstrlenA("bosa_sdm_XL"), 11);
  EXPECT_EQ(lstrlenA(nullptr), 0);

  SetMessageBoxQuiet(true);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", 0x40040), 1);
  EXPECT_EQ(LastMessageBoxText(), "text");
  EXPECT_EQ(LastMessageBoxCaption(), "caption");
  EXPECT_EQ(LastMessageBoxStyle(), 0x40040u);

  std::int64_t frequency = 0;
  std::int64_t first = 0;
  std::int64_t second = 0;
  EXPECT_NE(QueryPerformanceFrequency(&frequency), 0);
  EXPECT_EQ(frequency, 1'000'000'000);
  EXPECT_NE(QueryPerformanceCounter(&first), 0);
  EXPECT_NE(QueryPerformanceCounter(&second), 0);
  EXPECT_GE(second, first);
  EXPECT_EQ(QueryPerformanceCounter(nullptr), 0);
}

}  // namespace
}  // namespace Zq::StandIn
