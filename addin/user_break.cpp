#include "addin/user_break.h"

#include "addin/temp_pool.h"
#include "addin/xlcall.h"

namespace Zq::Addin {

bool UserBroke() {
  XLOPER answer{};
  if (CallExcel(xlAbort, &answer, 0) != xlretSuccess) return false;
  const WORD type = answer.xltype & static_cast<WORD>(~(xlbitXLFree | xlbitDLLFree));
  return type == xltypeBool && answer.val.xbool != 0;
}

Math::StopRequest BreakOnEsc() {
  return Math::StopRequest([](void*) { return UserBroke(); }, nullptr);
}

}  // namespace Zq::Addin
