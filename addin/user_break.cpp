#include "addin/user_break.h"

#include "addin/flavour.h"
#include "addin/platform.h"
#include "addin/temp_pool.h"

namespace Zq::Addin {

// The Excel 12 flavour asks Excel 12 directly, from whichever thread the
// call runs on (Excel answers xlAbort on worker threads), without the
// temporary pool of the classic calls.
bool UserBroke() {
#if ZQ_EXCEL12
  XLOPER12 answer{};
  if (Platform::Excel12v(xlAbort, &answer, 0, nullptr) != xlretSuccess) return false;
#else
  XLOPER answer{};
  if (CallExcel(xlAbort, &answer, 0) != xlretSuccess) return false;
#endif
  using TypeWord = decltype(answer.xltype);
  const TypeWord type = answer.xltype & static_cast<TypeWord>(~(xlbitXLFree | xlbitDLLFree));
  return type == xltypeBool && answer.val.xbool != 0;
}

Math::StopRequest BreakOnEsc() {
  return Math::StopRequest([](void*) { return UserBroke(); }, nullptr);
}

}  // namespace Zq::Addin
