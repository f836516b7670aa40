// The worksheet functions that the main add-in exports without registering
// them: the companion's rows of the one list (addin/worksheet_function_rows.h),
// in list order and ending with a row of null pointers, like the main table.
// This one table serves the companion add-in (which registers them against
// the main add-in's file), the host's own fallback registration and the
// check of the Windows add-in's exports.
#pragma once

#include "addin/worksheet_function_rows.h"

namespace Zq::Extras {

inline constexpr int kExtrasFunctionCount = Addin::RowCount(Addin::Owner::Companion);

inline constexpr const Addin::RegistrationRow (&ExtrasTable)[kExtrasFunctionCount + 1] =
    Addin::OwnedTable<Addin::Owner::Companion>::rows;

}  // namespace Zq::Extras
