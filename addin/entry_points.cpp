// The add-in's entry points: load (about notice, registration), unload, the
// Add-in Manager's title, and the release of results Excel has copied.

#include <cstdint>

#include "addin/about_notice.h"
#include "addin/add_in_title.h"
#include "addin/entry_points.h"
#include "addin/platform.h"
#include "addin/release_result.h"
#include "addin/registration.h"
#include "addin/registration_table.h"
#include "addin/temp_pool.h"

namespace Zq::Platform {

std::int64_t PerformanceFrequency = 0;

}  // namespace Zq::Platform

namespace Zq::Addin {
namespace {

XLOPER ModuleName;
XLOPER AddInTitle;
constexpr char kTitle[] = "ZqRand Addin";

}  // namespace
}  // namespace Zq::Addin

using namespace Zq::Addin;

int ZQ_CALL xlAutoOpen() {
  Zq::Platform::MessageBoxA(nullptr, kAboutText, kAboutCaption,
                            Zq::Platform::kIconInformation | Zq::Platform::kTopMost);
  CallExcel(xlGetName, &ModuleName, 0);
  for (const RegistrationRow* row = RegistrationTable; row->procedure != nullptr; ++row) {
    RegisterRow(ModuleName, *row, nullptr);
  }
  CallExcel(xlFree, nullptr, 1, &ModuleName);
  Zq::Platform::QueryPerformanceFrequency(&Zq::Platform::PerformanceFrequency);
  return 1;
}

int ZQ_CALL xlAutoClose() {
  for (const RegistrationRow* row = RegistrationTable; row->procedure != nullptr; ++row) {
    CallExcel(xlfSetName, nullptr, 1, TempText(row->functionText));
  }
  return 1;
}

LPXLOPER ZQ_CALL xlAddInManagerInfo(LPXLOPER action) { return AnswerAddInManagerInfo(action, kTitle, AddInTitle); }

void ZQ_CALL xlAutoFree(LPXLOPER record) { ReleaseResult(record); }

#if defined(_WIN32)
extern "C" int ZQ_WINAPI DllMain(void*, unsigned long, void*) { return 1; }
#endif
