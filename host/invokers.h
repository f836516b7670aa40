// Calling a worksheet procedure by its type text. Each type text the add-in
// uses, in either flavour, has an invoker, compiled from the letters, that
// casts the procedure to its exact C signature and passes the marshalled
// arguments.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "addin/xlcall.h"

// Excel 12's records, declared only: this header is also read beside the
// Windows headers, which name the records' DWORD differently.
struct XLOPER12;
struct FP12;

namespace Zq::Host {

// An exported procedure, before it is cast to its signature.
using Procedure = void (*)();

// One marshalled argument; the invoker reads the member its letter needs:
// B number, I and A integer16, J integer32, K array, K% array12.
struct ArgumentValue {
  double number = 0;
  short integer16 = 0;
  std::int32_t integer32 = 0;
  const FP* array = nullptr;
  const FP12* array12 = nullptr;
};

// Calls the procedure with one ArgumentValue per argument letter.
using Invoker = LPXLOPER (*)(Procedure procedure, const ArgumentValue* arguments);
// The same for a function of the Excel 12 flavour (result letter Q).
using Invoker12 = XLOPER12* (*)(Procedure procedure, const ArgumentValue* arguments);

// The invoker for a type text, or null when none is compiled in.
Invoker FindInvoker(std::string_view typeText);
// The invoker for an Excel 12 type text (the thread-safety mark '$' makes
// no difference to the call), or null when none is compiled in.
Invoker12 FindInvoker12(std::string_view typeText);

// Every type text with an invoker.
std::vector<std::string_view> InvokerTypeTexts();

}  // namespace Zq::Host
