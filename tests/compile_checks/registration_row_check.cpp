// Compiled by ctest twice: with a type text that fits ZqWeibullMean (the
// build must succeed) and with one that does not (it must fail).
#include "addin/registration_row.h"

const Zq::Addin::RegistrationRow kRow = ZQ_ROW(ZqWeibullMean, ZQ_TYPE_TEXT, "Alpha, Beta", "Mean");
