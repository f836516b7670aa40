// The Excel 12 flavour's exported entry points, as Excel 2007 and later
// call them.
#pragma once

#include "addin/xlcall.h"
#include "addin/xlcall12.h"

extern "C" {
ZQ_EXPORT int ZQ_CALL xlAutoOpen();
ZQ_EXPORT int ZQ_CALL xlAutoClose();
ZQ_EXPORT LPXLOPER12 ZQ_CALL xlAddInManagerInfo12(LPXLOPER12 action);
ZQ_EXPORT void ZQ_CALL xlAutoFree12(LPXLOPER12 record);
}
