#include "addin/add_in_title.h"

#include <cstring>
#include <new>

#include "addin/temp_pool.h"

namespace Zq::Addin {

LPXLOPER AnswerAddInManagerInfo(LPXLOPER action, const char* title, XLOPER& answer) {
  static XLOPER converted;
  converted.xltype = xltypeErr;
  converted.val.err = xlerrValue;
  CallExcel(xlCoerce, &converted, 2, action, TempInteger(static_cast<short>(xltypeInt)));
  if (converted.xltype == xltypeInt && converted.val.w == 1) {
    const std::size_t length = std::strlen(title);
    char* text = new (std::nothrow) char[length + 1];
    if (text != nullptr) {
      text[0] = static_cast<char>(length);
      std::memcpy(text + 1, title, length);
      answer.val.str = text;
      answer.xltype = xltypeStr | xlbitDLLFree;
      return &answer;
    }
  }
  answer.val.err = xlerrValue;
  answer.xltype = xltypeErr;
  return &answer;
}

}  // namespace Zq::Addin
