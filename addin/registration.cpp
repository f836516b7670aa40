#include "addin/registration.h"

#include "addin/temp_pool.h"

namespace Zq::Addin {

int RegisterRow(XLOPER& module, const RegistrationRow& row, XLOPER* registerId) {
  return CallExcel(xlfRegister, registerId, 10, &module, TempText(row.procedure), TempText(row.typeText),
                   TempText(row.functionText), TempText(row.argumentText), TempText(row.macroType),
                   TempText(row.category), TempText(row.shortcutText), TempText(row.helpTopic),
                   TempText(row.functionHelp));
}

}  // namespace Zq::Addin
