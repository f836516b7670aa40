// The Function Wizard guard: while Excel's Function Wizard dialog (a window
// whose class begins with "bosa_sdm_XL", owned by this Excel's main window)
// is open, worksheet functions compute nothing. Excel answers xlGetHwnd on
// any thread, so the Excel 12 flavour asks from its worker threads too.
#include "addin/call_frame.h"
#include "addin/platform.h"

namespace Zq::Addin {
namespace {

// The part of Excel's window handle that xlGetHwnd answers: the low word in
// the classic API, the whole 32-bit handle in Excel 12's.
#if ZQ_EXCEL12
using WindowWord = std::uint32_t;
#else
using WindowWord = std::uint16_t;
#endif

struct WizardSearch {
  std::int32_t found;
  WindowWord excelWindow;
};

constexpr char kWizardClass[] = "bosa_sdm_XL";
constexpr int kWizardClassLength = sizeof(kWizardClass) - 1;
constexpr int kClassNameCapacity = 50;

int ZQ_WINAPI InspectWindow(Platform::WindowHandle window, std::intptr_t context) {
  auto* search = reinterpret_cast<WizardSearch*>(context);
  char className[kClassNameCapacity + 1] = {};
  Platform::GetClassNameA(window, className, kClassNameCapacity);
  const int length = Platform::lstrlenA(className) > kWizardClassLength ? kWizardClassLength : -1;
  if (Platform::CompareStringA(Platform::kLocaleEnglishUS, Platform::kNormIgnoreCase, className, length,
                               kWizardClass, -1) == Platform::kCompareEqual) {
    const auto parent = reinterpret_cast<std::uintptr_t>(Platform::GetParent(window));
    if (static_cast<WindowWord>(parent) == search->excelWindow) {
      search->found = 1;
      return 0;
    }
  }
  return 1;
}

}  // namespace

bool FunctionWizardActive() {
#if ZQ_EXCEL12
  XLOPER12 answer{};
  if (Platform::Excel12v(xlGetHwnd, &answer, 0, nullptr) != xlretSuccess) return false;
#else
  XLOPER answer{};
  if (Platform::Excel4WithoutArguments(xlGetHwnd, &answer) != xlretSuccess) return false;
#endif
  WizardSearch search{0, static_cast<WindowWord>(answer.val.w)};
  Platform::EnumWindows(InspectWindow, reinterpret_cast<std::intptr_t>(&search));
  return search.found != 0;
}

}  // namespace Zq::Addin
