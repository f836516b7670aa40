// A minimal Excel 12 for the Excel 12 flavour's tests: it answers the
// version, the module name and xlGetHwnd, records every registration, counts
// message boxes, and has no windows (so the Function Wizard is never open).
#include "tests/worksheet12/excel12_standin.h"

#include <mutex>

#include "addin/standin_abi.h"

namespace Zq::Test {

Excel12StandIn& StandIn() {
  static Excel12StandIn standIn;
  return standIn;
}

namespace {

std::mutex registrationsLock;
char16_t moduleName[] = {4, u'z', u'q', u'1', u'2'};

std::u16string Text(const XLOPER12* record) {
  if (record == nullptr || (record->xltype & 0xFFF) != xltypeStr) return {};
  return std::u16string(record->val.str + 1, record->val.str[0]);
}

}  // namespace
}  // namespace Zq::Test

extern "C" {
int ZqStandInXLCallVer() { return Zq::Test::StandIn().version; }

int ZqStandInExcel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments) {
  auto& standIn = Zq::Test::StandIn();
  switch (function) {
    case xlGetName:
      result->val.str = Zq::Test::moduleName;
      result->xltype = xltypeStr;
      return xlretSuccess;
    case xlGetHwnd:
      result->val.w = 7;
      result->xltype = xltypeInt;
      return xlretSuccess;
    case xlfRegister: {
      std::vector<std::u16string> texts;
      for (int i = 0; i < count; ++i) texts.push_back(Zq::Test::Text(arguments[i]));
      const std::lock_guard<std::mutex> lock(Zq::Test::registrationsLock);
      standIn.registrations.push_back(std::move(texts));
      return xlretSuccess;
    }
    case xlFree:
    case xlAbort:
      if (result != nullptr) result->xltype = xltypeBool, result->val.xbool = 0;
      return xlretSuccess;
    default:
      return xlretFailed;
  }
}

int ZqStandInEnumWindows(int (*)(void*, std::intptr_t), std::intptr_t) { return 1; }
int ZqStandInGetClassNameA(void*, char*, int) { return 0; }
void* ZqStandInGetParent(void*) { return nullptr; }
int ZqStandInCompareStringA(unsigned int, unsigned int, const char*, int, const char*, int) { return 1; }
int ZqStandInLstrlenA(const char*) { return 0; }
int ZqStandInMessageBoxA(void*, const char*, const char*, unsigned int) {
  ++Zq::Test::StandIn().messageBoxes;
  return 1;
}
int ZqStandInQueryPerformanceFrequency(std::int64_t* frequency) {
  *frequency = 1000;
  return 1;
}
int ZqStandInQueryPerformanceCounter(std::int64_t* counter) {
  *counter = 0;
  return 1;
}
}
