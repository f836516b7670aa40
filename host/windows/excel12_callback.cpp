// Excel 12's callback as Excel's own process offers it: an add-in of the
// Excel 12 flavour finds MdCallBack12 among the exports of the process that
// loaded it and calls it for every Excel12v; here it goes to the stand-in.
// The Windows headers stay out: they name the records' DWORD differently.
#include "addin/xlcall12.h"
#include "host/standin/standin.h"

extern "C" __declspec(dllexport) int __stdcall MdCallBack12(int function, int count, XLOPER12** arguments,
                                                            XLOPER12* result) {
  return Zq::StandIn::Excel12v(function, result, count, arguments);
}
