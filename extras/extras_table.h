// The 25 worksheet functions that the main add-in exports without
// registering them, one row each in the form of the main registration
// table. This one table serves the companion add-in (which registers them
// against the main add-in's file), the host's own fallback registration and
// the check of the Windows add-in's exports.
#pragma once

#include "addin/registration.h"

namespace Zq::Extras {

constexpr int kExtrasFunctionCount = 25;

// Ends with a row of null pointers, like the main table.
extern const Addin::RegistrationRow ExtrasTable[kExtrasFunctionCount + 1];

}  // namespace Zq::Extras
