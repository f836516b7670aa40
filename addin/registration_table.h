// The main add-in's registration table: the rows of the worksheet functions
// it registers itself, in list order (addin/worksheet_function_rows.h),
// ending with a row of null pointers.
#pragma once

#include "addin/worksheet_function_rows.h"

namespace Zq::Addin {

inline constexpr int kRegisteredFunctionCount = RowCount(Owner::Main);

inline constexpr const RegistrationRow (&RegistrationTable)[kRegisteredFunctionCount + 1] =
    OwnedTable<Owner::Main>::rows;

}  // namespace Zq::Addin
