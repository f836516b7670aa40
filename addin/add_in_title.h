// The Add-in Manager's question to an add-in: its long name.
#pragma once

#include "addin/xlcall.h"

namespace Zq::Addin {

// Action 1 asks for the long name: `answer` becomes `title` as a counted
// string that Excel hands back through xlAutoFree. Any other action, or no
// memory for the copy, answers #VALUE!.
LPXLOPER AnswerAddInManagerInfo(LPXLOPER action, const char* title, XLOPER& answer);

}  // namespace Zq::Addin
