// The Excel 12 flavour's entry points: load (refusal in an Excel older than
// 12, about notice, registration of all the worksheet functions through
// Excel12v with their Excel 12 type texts), unload, the Add-in Manager's
// title, and the release of results Excel has copied.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "addin/about_notice.h"
#include "addin/entry_points12.h"
#include "addin/excel12_type_text.h"
#include "addin/platform.h"
#include "addin/release_result.h"
#include "addin/worksheet_function_rows.h"

namespace Zq::Platform {

std::int64_t PerformanceFrequency = 0;

}  // namespace Zq::Platform

namespace Zq::Addin {
namespace {

constexpr char kTitle[] = "ZqRand Addin for Excel 2007 and later";
constexpr char kNeedsExcel12[] =
    "This ZqRand Addin needs Excel 2007 or later.\n"
    "\n"
    "For an older Excel, open the classic ZqRand Addin (zqrand32.xll) instead.";

// Excel's limit on one registration text.
constexpr std::size_t kMaxRegistrationText = 255;

// A counted wide string: its length first, then its characters, widened
// from the add-in's ASCII texts.
class WideText {
 public:
  explicit WideText(std::string_view text) {
    const std::size_t length = std::min(text.size(), kMaxRegistrationText);
    chars_.reserve(length + 1);
    chars_.push_back(static_cast<XCHAR>(length));
    for (std::size_t i = 0; i < length; ++i) chars_.push_back(static_cast<XCHAR>(static_cast<unsigned char>(text[i])));
  }

  XLOPER12 Record() {
    XLOPER12 record{};
    record.val.str = chars_.data();
    record.xltype = xltypeStr;
    return record;
  }

 private:
  std::u16string chars_;
};

std::string_view CountedView(const char* counted) {
  return {counted + 1, static_cast<unsigned char>(counted[0])};
}

int CallExcel12(int function, XLOPER12* result, std::initializer_list<XLOPER12*> arguments) {
  return Platform::Excel12v(function, result, static_cast<int>(arguments.size()), arguments.begin());
}

// The help text of each argument (the Function Wizard shows them), one
// entry per worksheet function in list order.
struct ArgumentHelp {
  std::string_view symbol;
  std::initializer_list<const char*> texts;
};
inline constexpr ArgumentHelp kArgumentHelp[] = {
#define ZQ_ARGUMENT_HELP(symbol, ...) {#symbol, {__VA_ARGS__}},
#include "addin/worksheet_argument_help.h"
#undef ZQ_ARGUMENT_HELP
};
static_assert(std::size(kArgumentHelp) == std::size(WorksheetFunctionRows), "one argument help entry per function");

constexpr bool ArgumentHelpInListOrder() {
  for (std::size_t i = 0; i < std::size(kArgumentHelp); ++i) {
    const char* procedure = WorksheetFunctionRows[i].row.procedure;
    if (kArgumentHelp[i].symbol != std::string_view(procedure + 1, static_cast<unsigned char>(procedure[0]))) {
      return false;
    }
  }
  return true;
}
static_assert(ArgumentHelpInListOrder(), "the argument help follows the list's order");

std::initializer_list<const char*> ArgumentHelpOf(std::size_t index) { return kArgumentHelp[index].texts; }

// Registers the index-th worksheet function of the list: the texts of its
// row, its Excel 12 type text, and the help of each argument after the
// function's help. Answers Excel's return code.
int RegisterFunction(XLOPER12& module, std::size_t index) {
  const RegistrationRow& row = WorksheetFunctionRows[index].row;
  const Excel12TypeText typeText = ToExcel12TypeText(CountedView(row.typeText));
  const char* const texts[] = {row.procedure, row.functionText, row.argumentText, row.macroType,
                               row.category,  row.shortcutText, row.helpTopic,    row.functionHelp};
  // Procedure, type text, then the row's other texts in order and the
  // argument help; reserved ahead, so no text moves once its record points
  // at it.
  std::vector<WideText> wide;
  wide.reserve(std::size(texts) + 1 + ArgumentHelpOf(index).size());
  wide.emplace_back(CountedView(texts[0]));
  wide.emplace_back(typeText.View());
  for (std::size_t i = 1; i < std::size(texts); ++i) wide.emplace_back(CountedView(texts[i]));
  for (const char* help : ArgumentHelpOf(index)) wide.emplace_back(help);

  std::vector<XLOPER12> records;
  std::vector<XLOPER12*> arguments;
  records.reserve(wide.size());
  arguments.reserve(wide.size() + 1);
  arguments.push_back(&module);
  for (WideText& text : wide) {
    records.push_back(text.Record());
    arguments.push_back(&records.back());
  }
  return Platform::Excel12v(xlfRegister, nullptr, static_cast<int>(arguments.size()), arguments.data());
}

// Whether the process is Excel 2007 or later: XLCallVer answers 12 or
// more, and Excel 12's callback answers.
bool RunningInExcel12(XLOPER12& moduleName) {
  return Platform::XLCallVer() >= kExcel12CallVersion && CallExcel12(xlGetName, &moduleName, {}) == xlretSuccess &&
         (moduleName.xltype & ~static_cast<DWORD>(xlbitXLFree | xlbitDLLFree)) == xltypeStr;
}

}  // namespace
}  // namespace Zq::Addin

using namespace Zq::Addin;

int ZQ_CALL xlAutoOpen() {
  XLOPER12 moduleName{};
  if (!RunningInExcel12(moduleName)) {
    Zq::Platform::MessageBoxA(nullptr, kNeedsExcel12, kAboutCaption,
                              Zq::Platform::kIconWarning | Zq::Platform::kTopMost);
    return 0;
  }
  Zq::Platform::MessageBoxA(nullptr, kAboutText, kAboutCaption,
                            Zq::Platform::kIconInformation | Zq::Platform::kTopMost);
  for (std::size_t i = 0; i < std::size(WorksheetFunctionRows); ++i) RegisterFunction(moduleName, i);
  CallExcel12(xlFree, nullptr, {&moduleName});
  Zq::Platform::QueryPerformanceFrequency(&Zq::Platform::PerformanceFrequency);
  return 1;
}

int ZQ_CALL xlAutoClose() {
  for (const WorksheetFunctionRow& function : WorksheetFunctionRows) {
    WideText name(CountedView(function.row.functionText));
    XLOPER12 record = name.Record();
    CallExcel12(xlfSetName, nullptr, {&record});
  }
  FreeKeptCells();
  return 1;
}

// Action 1 asks for the long name: a wide counted string that Excel hands
// back through xlAutoFree12. Any other action, or no memory, is #VALUE!.
LPXLOPER12 ZQ_CALL xlAddInManagerInfo12(LPXLOPER12 action) {
  static XLOPER12 answer;
  XLOPER12 integerType{};
  integerType.val.w = xltypeInt;
  integerType.xltype = xltypeInt;
  XLOPER12 converted{};
  converted.xltype = xltypeErr;
  const bool asksName = CallExcel12(xlCoerce, &converted, {action, &integerType}) == xlretSuccess &&
                        converted.xltype == xltypeInt && converted.val.w == 1;
  constexpr std::size_t kLength = sizeof kTitle - 1;
  XCHAR* text = asksName ? new (std::nothrow) XCHAR[kLength + 1] : nullptr;
  if (text == nullptr) {
    answer.val.err = xlerrValue;
    answer.xltype = xltypeErr;
    return &answer;
  }
  text[0] = static_cast<XCHAR>(kLength);
  for (std::size_t i = 0; i < kLength; ++i) text[i + 1] = static_cast<XCHAR>(kTitle[i]);
  answer.val.str = text;
  answer.xltype = xltypeStr | xlbitDLLFree;
  return &answer;
}

void ZQ_CALL xlAutoFree12(LPXLOPER12 record) { ReleaseResult(record); }

#if defined(_WIN32)
extern "C" int ZQ_WINAPI DllMain(void*, unsigned long, void*) { return 1; }
#endif
