// Registration with Excel: the form of a row of the registration table and
// the counter frequency read at load.
#pragma once

#include <cstdint>

#include "addin/worksheet_layer.h"

namespace Zq::Addin {

constexpr int kRegisteredFunctionCount = 88;

// Nine counted strings per row, in the order xlfRegister takes them after
// the module name. The table (addin/registration_table.h) ends with a row of
// null pointers.
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

// Ticks per second of the high-resolution counter, read in xlAutoOpen.
extern std::int64_t PerformanceFrequency;

}  // namespace Zq::Addin
