// The host playing Excel 12: the stand-in's Excel12v, an add-in of the
// Excel 12 flavour registered and called through it (J and K% marshalling,
// 32-bit counts, XLOPER12 results, xlAutoFree12), and threaded runs.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "addin/xlcall12.h"
#include "host/arguments.h"
#include "host/command_line.h"
#include "host/host.h"
#include "host/standin/standin.h"
#include "host/standin/wide_text.h"

namespace Zq::Host {
namespace {

XLOPER12 WideText(std::u16string& counted) {
  XLOPER12 record{};
  record.val.str = counted.data();
  record.xltype = xltypeStr;
  return record;
}

std::u16string Counted(const std::u16string& text) { return std::u16string(1, static_cast<char16_t>(text.size())) + text; }

TEST(Excel12StandIn, WideTextRoundTripsAndMalformedTextBecomesReplacementCharacters) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } valid[] = {{"", u""}, {"Zq", u"Zq"}, {"\xc3\xa9\xe2\x82\xac", u"\u00e9\u20ac"}, {"\xf0\x9f\x8e\xb2", u"\U0001F3B2"}};
  for (const auto& c : valid) {
    EXPECT_EQ(StandIn::Utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(StandIn::Utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
  }
  // Overlong, truncated, surrogate-coded and stray bytes; lone surrogates.
  for (const char* bad : {"\xc0\xaf", "\xe2\x82", "\xed\xa0\x80", "\x80", "\xf5\x80\x80\x80"}) {
    const std::u16string wide = StandIn::Utf16FromUtf8(bad);
    EXPECT_FALSE(wide.empty()) << bad;
    for (char16_t unit : wide) EXPECT_EQ(unit, u'\uFFFD') << bad;
  }
  EXPECT_EQ(StandIn::Utf8FromUtf16(std::u16string{u'a', char16_t(0xD800)}), "a\xef\xbf\xbd");
  EXPECT_EQ(StandIn::Utf8FromUtf16(std::u16string{char16_t(0xDC00), u'b'}), "\xef\xbf\xbd" "b");
}

TEST(Excel12StandIn, AnswersTheCommandsWithWideRecords) {
  StandIn::ClearRecords();
  EXPECT_EQ(StandIn::XLCallVer(), 0x0C00);

  XLOPER12 window{};
  ASSERT_EQ(StandIn::Excel12v(xlGetHwnd, &window, 0, nullptr), xlretSuccess);
  EXPECT_EQ(window.xltype, xltypeInt);
  EXPECT_EQ(static_cast<std::uint32_t>(window.val.w), reinterpret_cast<std::uintptr_t>(StandIn::ExcelMainWindow()));

  // The module name leaves as UTF-16 and is freed by xlFree, once.
  StandIn::SetModuleName("/add-ins/zq\xc3\xa9.so");
  XLOPER12 name{};
  ASSERT_EQ(StandIn::Excel12v(xlGetName, &name, 0, nullptr), xlretSuccess);
  EXPECT_EQ(std::u16string(name.val.str + 1, name.val.str[0]), u"/add-ins/zq\u00e9.so");
  EXPECT_EQ(StandIn::OutstandingExcelStrings(), 1);
  XLOPER12* freed[] = {&name, &name};
  EXPECT_EQ(StandIn::Excel12v(xlFree, nullptr, 2, freed), xlretSuccess);
  EXPECT_EQ(StandIn::OutstandingExcelStrings(), 0);

  // Registration keeps every text, the argument help too; xlfSetName removes.
  std::vector<std::u16string> texts;
  for (const char16_t* text : {u"m.so", u"Proc", u"QB$", u"WIDE", u"x", u"1", u"Cat", u"", u"", u"help", u"x help"}) {
    texts.push_back(Counted(text));
  }
  std::vector<XLOPER12> records;
  for (auto& text : texts) records.push_back(WideText(text));
  std::vector<XLOPER12*> arguments;
  for (auto& record : records) arguments.push_back(&record);
  XLOPER12 id{};
  ASSERT_EQ(StandIn::Excel12v(xlfRegister, &id, static_cast<int>(arguments.size()), arguments.data()), xlretSuccess);
  EXPECT_EQ(id.xltype, xltypeNum);
  ASSERT_EQ(StandIn::Registrations().size(), 1u);
  EXPECT_EQ(StandIn::Registrations()[0].arguments.back(), "x help");
  ASSERT_NE(StandIn::FindFunction("wide"), nullptr);
  EXPECT_EQ(StandIn::FindFunction("wide")->typeText, "QB$");
  XLOPER12* removed[] = {&records[3]};
  EXPECT_EQ(StandIn::Excel12v(xlfSetName, nullptr, 1, removed), xlretSuccess);
  EXPECT_EQ(StandIn::FindFunction("WIDE"), nullptr);

  // Records of the wrong kind and numbers Excel 12 is not asked for fail.
  XLOPER12 number{};
  number.xltype = xltypeNum;
  XLOPER12* wrong[] = {&number, &number, &number};
  EXPECT_EQ(StandIn::Excel12v(xlfRegister, nullptr, 3, wrong), xlretFailed);
  EXPECT_EQ(StandIn::Excel12v(xlCoerce, &number, 0, nullptr), xlretFailed);
  EXPECT_EQ(StandIn::Excel12v(xlGetName, &name, -1, nullptr), xlretFailed);
  StandIn::ClearRecords();
}

TEST(Excel12Marshalling, WholeNumbersAndArraysReachTheirLimitsAndNoFurther) {
  const auto array = [](std::size_t rows, std::size_t columns) {
    return FormulaArgument{ArrayConstant{rows, columns, std::vector<double>(rows * columns, 1.0)}};
  };
  struct Case {
    const char* letters;
    FormulaArgument argument;
    bool accepted;
  };
  const Case cases[] = {
      {"J$", 2147483647.9, true},   {"J$", 2147483648.0, false}, {"J$", -2147483648.5, true},
      {"J$", -2147483649.0, false}, {"K%$", array(65536, 1), true}, {"K", array(65536, 1), false},
      {"K%$", array(1048576, 1), true}, {"K%$", array(1048577, 1), false}, {"K%$", array(1, 16384), true},
      {"K%$", array(1, 16385), false},
  };
  for (const Case& c : cases) {
    MarshalledArguments out;
    EXPECT_EQ(Marshal(c.letters, {c.argument}, out), c.accepted) << c.letters;
  }
  MarshalledArguments out;
  ASSERT_TRUE(Marshal("K%JBK%$", {array(70000, 1), 3.9}, out));
  ASSERT_EQ(out.Count(), 4u);
  EXPECT_EQ(ArgumentCount("K%JBK%$"), 4u);
  const FP12* first = out.Values()[0].array12;
  EXPECT_EQ(first->rows, 70000);
  EXPECT_EQ(first->columns, 1);
  EXPECT_EQ(out.Values()[1].integer32, 3);
  const FP12* omitted = out.Values()[3].array12;
  EXPECT_EQ(omitted->rows, 1);
  EXPECT_EQ(FpValues(omitted)[0], 0.0);
  EXPECT_FALSE(Marshal("B$", {1.0, 2.0}, out));
}

struct HostRun {
  int code = 0;
  std::string out;
  std::string err;
};

HostRun RunZqHost(std::vector<std::string> arguments, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  StandIn::ClearRecords();
  const int code = RunCommandLine(arguments, "", in, out, err);
  return {code, out.str(), err.str()};
}

using Counter = long (*)();

class FakeAddin12 : public ::testing::Test {
 protected:
  void SetUp() override {
    StandIn::ClearRecords();
    std::string error;
    ASSERT_TRUE(host_.Open(ZQ_FAKE_ADDIN12_PATH, false, error)) << error;
    // Opened by the host already: this only finds the counters.
    library_ = dlopen(ZQ_FAKE_ADDIN12_PATH, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library_, nullptr);
    outstanding_ = reinterpret_cast<Counter>(dlsym(library_, "FakeOutstandingArrays"));
    autoFrees_ = reinterpret_cast<Counter>(dlsym(library_, "FakeAutoFreeCalls"));
    ASSERT_NE(outstanding_, nullptr);
    ASSERT_NE(autoFrees_, nullptr);
  }
  void TearDown() override {
    if (library_ != nullptr) dlclose(library_);
    host_.Close();
    StandIn::ClearRecords();
  }

  Host host_;
  void* library_ = nullptr;
  Counter outstanding_ = nullptr;
  Counter autoFrees_ = nullptr;
};

TEST_F(FakeAddin12, IsTheExcel12FlavourAndRegistersWithArgumentHelp) {
  EXPECT_TRUE(host_.IsExcel12(ZQ_FAKE_ADDIN12_PATH));
  EXPECT_FALSE(host_.IsExcel12(ZQ_ADDIN_PATH));
  ASSERT_EQ(host_.Registrations(false).size(), 3u);
  const auto& fill = host_.Registrations(false)[0].arguments;
  ASSERT_EQ(fill.size(), 13u);
  EXPECT_EQ(fill[0], host_.Registrations(false)[2].arguments[0]);  // the module, from xlGetName
  EXPECT_EQ(fill[2], "QJBA$");
  EXPECT_EQ(fill[12], "Whether the add-in owns the array");
  EXPECT_EQ(host_.Registrations(false)[2].arguments[10], "The value \xc3\xa9");
  EXPECT_EQ(StandIn::OutstandingExcelStrings(), 0);
  EXPECT_TRUE(host_.EvaluateThreadSafe("FAKEFILL(1,2)"));
  EXPECT_FALSE(host_.EvaluateThreadSafe("FAKEMAIN(1)"));
  EXPECT_FALSE(host_.EvaluateThreadSafe("NOSUCH(1)"));
  EXPECT_FALSE(host_.EvaluateThreadSafe("FAKEFILL(1,"));
}

TEST_F(FakeAddin12, ResultsWith32BitCountsComeBackAndEachOwnedArrayIsFreedOnce) {
  const long freesBefore = autoFrees_();
  const Evaluation owned = host_.Evaluate("FAKEFILL(70000,2.5,TRUE)");
  ASSERT_TRUE(owned.ok && owned.value);
  EXPECT_EQ(owned.value->rows, 70000u);
  EXPECT_EQ(owned.value->columns, 1u);
  EXPECT_EQ(std::get<double>(owned.value->cells.back()), 2.5);
  EXPECT_EQ(autoFrees_() - freesBefore, 1);
  EXPECT_EQ(outstanding_(), 0);

  const Evaluation kept = host_.Evaluate("FAKEFILL(3,1,FALSE)");
  ASSERT_TRUE(kept.ok && kept.value);
  EXPECT_EQ(kept.value->rows, 3u);
  EXPECT_EQ(autoFrees_() - freesBefore, 1);  // not marked xlbitDLLFree: not handed back

  const Evaluation shape = host_.Evaluate("FAKESHAPE({1,2,3;4,5,6},7)");
  ASSERT_TRUE(shape.ok && shape.value);
  ASSERT_EQ(shape.value->cells.size(), 3u);
  EXPECT_EQ(std::get<double>(shape.value->cells[0]), 2);
  EXPECT_EQ(std::get<double>(shape.value->cells[1]), 3);
  EXPECT_EQ(std::get<double>(shape.value->cells[2]), 28);

  // Out of J's range: #VALUE! without a call; in range, the function's own check.
  for (const char* formula : {"FAKEFILL(2147483648,1)", "FAKEFILL(-2147483649,1)"}) {
    const Evaluation refused = host_.Evaluate(formula);
    ASSERT_TRUE(refused.ok && refused.value) << formula;
    EXPECT_EQ(std::get<ErrorValue>(refused.value->cells[0]).code, xlerrValue) << formula;
  }
  const Evaluation checked = host_.Evaluate("FAKEFILL(2147483647,1)");
  ASSERT_TRUE(checked.ok && checked.value);
  EXPECT_EQ(std::get<ErrorValue>(checked.value->cells[0]).code, 36);
  EXPECT_FALSE(host_.Evaluate("FAKEMAIN(1,2)").ok);
}

// A sheet mixing thread-safe calls (owned arrays freed on the worker that
// made them), calls that must stay on the main thread, and errors.
std::string MixedSheet() {
  std::string sheet = "# mixed\n";
  for (int i = 1; i <= 60; ++i) {
    sheet += "FAKEFILL(" + std::to_string(i * 7) + "," + std::to_string(i) + ",TRUE)\n";
    sheet += "FAKEMAIN(" + std::to_string(i) + ")\n";
    if (i % 20 == 0) sheet += "\nNOSUCH(1)\nFAKESHAPE({1,2;3,4}," + std::to_string(i) + ")\n";
  }
  return sheet;
}

TEST(ThreadedRun, ThreadSafeCallsSpreadAndPrintExactlyTheSerialOutput) {
  // Held open across the runs, so that its counters outlive each run's host.
  void* library = dlopen(ZQ_FAKE_ADDIN12_PATH, RTLD_NOW);
  ASSERT_NE(library, nullptr);
  const auto outstanding = reinterpret_cast<Counter>(dlsym(library, "FakeOutstandingArrays"));
  ASSERT_NE(outstanding, nullptr);
  const std::string sheet = MixedSheet();
  const HostRun serial = RunZqHost({"--addin", ZQ_FAKE_ADDIN12_PATH, "--quiet", "--echo"}, sheet);
  EXPECT_EQ(serial.code, kExitFormulaError);
  EXPECT_EQ(serial.out.find("#N/A"), std::string::npos);
  for (const char* threads : {"2", "8"}) {
    for (int repeat = 0; repeat < 3; ++repeat) {
      const HostRun threaded =
          RunZqHost({"--addin", ZQ_FAKE_ADDIN12_PATH, "--quiet", "--echo", "--threads", threads}, sheet);
      EXPECT_EQ(threaded.code, serial.code);
      // Compared whole: a line diff of outputs this long would not fit in memory.
      EXPECT_TRUE(threaded.out == serial.out) << threads << " threads";
      EXPECT_EQ(threaded.err, serial.err) << threads << " threads";
    }
  }
  EXPECT_EQ(outstanding(), 0);
  dlclose(library);
}

TEST(ThreadedRun, TheClassicAddinRunsSeriallyWithTheSameOutput) {
  const std::string sheet = "ZQRAND(5,0,1,2)\n# c\nZQBETADIST(0.5,2,3,TRUE)\nZQNOPE(1)\n\nZQRAND(3,0,1,7)\n";
  const HostRun serial = RunZqHost({"--addin", ZQ_ADDIN_PATH, "--quiet", "--echo"}, sheet);
  const HostRun threaded = RunZqHost({"--addin", ZQ_ADDIN_PATH, "--quiet", "--echo", "--threads", "4"}, sheet);
  EXPECT_EQ(serial.code, kExitFormulaError);
  EXPECT_EQ(threaded.code, serial.code);
  EXPECT_EQ(threaded.out, serial.out);
  EXPECT_EQ(threaded.err, serial.err);
}

TEST(ThreadedRun, OptionsAreCheckedAndExtrasRefusedForTheExcel12Flavour) {
  for (const char* threads : {"0", "x", "1025", "-2"}) {
    const HostRun run = RunZqHost({"--addin", ZQ_ADDIN_PATH, "--threads", threads, "ZQRAND(1)"});
    EXPECT_EQ(run.code, kExitUsage) << threads;
    EXPECT_NE(run.err.find("--threads needs"), std::string::npos) << threads;
  }
  EXPECT_EQ(RunZqHost({"--addin", ZQ_ADDIN_PATH, "--argument-help"}).code, kExitUsage);
  const HostRun extras = RunZqHost({"--addin", ZQ_FAKE_ADDIN12_PATH, "--extras", "FAKEMAIN(1)"});
  EXPECT_EQ(extras.code, kExitUsage);
  EXPECT_NE(extras.err.find("--extras does not go with the Excel 12 add-in"), std::string::npos);
  const HostRun listed = RunZqHost({"--addin", ZQ_FAKE_ADDIN12_PATH, "--list", "--argument-help"});
  EXPECT_EQ(listed.code, kExitOk);
  EXPECT_NE(listed.out.find("A column\tHow many rows\tThe value\tWhether the add-in owns the array\n"),
            std::string::npos);
  const HostRun classic = RunZqHost({"--addin", ZQ_FAKE_ADDIN12_PATH, "--list"});
  EXPECT_EQ(classic.out.find("How many rows"), std::string::npos);
}

}  // namespace
}  // namespace Zq::Host
