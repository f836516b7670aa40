// The companion add-in's entry points. On load it finds the main add-in
// beside itself and registers the 25 worksheet functions that the main
// add-in exports without registering, with the main add-in's file as their
// module, so that Excel calls straight into the main library. It shows no
// notice of its own unless the main add-in is missing.

#include <cstddef>

#include "addin/add_in_title.h"
#include "addin/entry_points.h"
#include "addin/platform.h"
#include "addin/registration.h"
#include "addin/temp_pool.h"
#include "extras/extras_table.h"
#include "extras/main_addin.h"

namespace Zq::Extras {
namespace {

using Addin::AnswerAddInManagerInfo;
using Addin::CallExcel;
using Addin::TempText;

XLOPER OwnName;
XLOPER AddInTitle;
char MainAddinPath[kCountedCapacity];
// Which rows Excel accepted, and the register id it answered for each:
// what xlAutoClose takes back.
bool Registered[kExtrasFunctionCount];
double RegisterId[kExtrasFunctionCount];

constexpr char kTitle[] = "ZqRand Extras";
constexpr std::size_t kMessageCapacity = 640;

bool FindMainAddin() {
  OwnName.xltype = xltypeNil;
  if (CallExcel(xlGetName, &OwnName, 0) != xlretSuccess) return false;
  const bool found = (OwnName.xltype & xltypeStr) != 0 && MainAddinBeside(OwnName.val.str, MainAddinPath) &&
                     FileExists(MainAddinPath + 1);
  CallExcel(xlFree, nullptr, 1, &OwnName);
  return found;
}

void Register(int index, XLOPER& module) {
  XLOPER id;
  id.xltype = xltypeNil;
  const int code = Addin::RegisterRow(module, ExtrasTable[index], &id);
  Registered[index] = code == xlretSuccess && id.xltype == xltypeNum;
  RegisterId[index] = Registered[index] ? id.val.num : 0;
}

}  // namespace
}  // namespace Zq::Extras

using namespace Zq::Extras;

int ZQ_CALL xlAutoOpen() {
  if (!FindMainAddin()) {
    char message[kMessageCapacity];
    MissingMainAddinMessage(MainAddinPath, message, sizeof(message));
    Zq::Platform::MessageBoxA(nullptr, message, kTitle, Zq::Platform::kIconWarning | Zq::Platform::kTopMost);
    return 1;
  }
  XLOPER module;
  module.val.str = MainAddinPath;
  module.xltype = xltypeStr;
  for (int i = 0; i < kExtrasFunctionCount; ++i) {
    if (!Registered[i]) Register(i, module);
  }
  return 1;
}

// Unregisters each function by the id Excel gave it, then removes its name,
// which unregistering alone leaves behind.
int ZQ_CALL xlAutoClose() {
  for (int i = 0; i < kExtrasFunctionCount; ++i) {
    if (!Registered[i]) continue;
    XLOPER id;
    id.val.num = RegisterId[i];
    id.xltype = xltypeNum;
    CallExcel(xlfUnregister, nullptr, 1, &id);
    CallExcel(xlfSetName, nullptr, 1, TempText(ExtrasTable[i].functionText));
    Registered[i] = false;
  }
  return 1;
}

LPXLOPER ZQ_CALL xlAddInManagerInfo(LPXLOPER action) { return AnswerAddInManagerInfo(action, kTitle, AddInTitle); }

// The only record the companion hands out for release is its title.
void ZQ_CALL xlAutoFree(LPXLOPER record) {
  if (record == nullptr || !(record->xltype & xltypeStr)) return;
  delete[] record->val.str;
  record->val.str = nullptr;
}

#if defined(_WIN32)
extern "C" int ZQ_WINAPI DllMain(void*, unsigned long, void*) { return 1; }
#endif
