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

// Registers one row with Excel (xlfRegister) as a function of `module`, the
// counted file name of the library that exports its procedure. `registerId`,
// when given, receives Excel's answer: the register id, or an error.
// Answers Excel's return code.
int RegisterRow(XLOPER& module, const RegistrationRow& row, XLOPER* registerId);

}  // namespace Zq::Addin
