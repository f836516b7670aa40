// Registration with Excel: the form of a registration row, which add-in
// registers it, and the one call that registers a row.
#pragma once

#include "addin/worksheet_layer.h"
#include "addin/xlcall.h"

namespace Zq::Addin {

// Nine counted strings per row, in the order xlfRegister takes them after
// the module name. A table of rows ends with a row of null pointers.
struct RegistrationRow {
  char* procedure;
  char* typeText;
  char* functionText;
  char* argumentText;
  char* macroType;
  char* category;
  char* shortcutText;
  char* helpTopic;
  char* functionHelp;
};

// The add-in that registers a worksheet function: the main add-in itself,
// or its companion (against the main add-in's file, which exports them all).
enum class Owner { Main, Companion };

// Registers one row (xlfRegister) as a function of `module`, the counted
// file name of the library that exports its procedure, through `excel4v`:
// the add-ins' call into Excel, or the host's into its stand-in when it
// registers functions itself. `registerId`, when given, receives Excel's
// answer: the register id, or an error. Answers Excel's return code.
template <class Excel4v>
int RegisterRow(Excel4v&& excel4v, XLOPER& module, const RegistrationRow& row, XLOPER* registerId) {
  char* const texts[] = {row.procedure, row.typeText,     row.functionText, row.argumentText, row.macroType,
                         row.category,  row.shortcutText, row.helpTopic,    row.functionHelp};
  constexpr int kTexts = sizeof texts / sizeof texts[0];
  XLOPER records[kTexts];
  XLOPER* arguments[kTexts + 1] = {&module};
  for (int i = 0; i < kTexts; ++i) {
    records[i].val.str = texts[i];
    records[i].xltype = xltypeStr;
    arguments[i + 1] = &records[i];
  }
  return excel4v(xlfRegister, registerId, kTexts + 1, arguments);
}

// RegisterRow through the platform layer's call into Excel.
int RegisterRow(XLOPER& module, const RegistrationRow& row, XLOPER* registerId);

}  // namespace Zq::Addin
