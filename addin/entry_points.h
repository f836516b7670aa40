// The add-in's exported entry points, as Excel calls them.
#pragma once

#include "addin/xlcall.h"

extern "C" {
ZQ_EXPORT int ZQ_CALL xlAutoOpen();
ZQ_EXPORT int ZQ_CALL xlAutoClose();
ZQ_EXPORT LPXLOPER ZQ_CALL xlAddInManagerInfo(LPXLOPER action);
ZQ_EXPORT void ZQ_CALL xlAutoFree(LPXLOPER record);
}
