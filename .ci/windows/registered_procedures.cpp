// Prints the procedure name of every row of the add-in's registration table,
// one a line: the names the Windows add-in must export for Excel.
#include <cstdio>

#include "addin/registration.h"

int main() {
  for (const auto* row = Zq::Addin::RegistrationTable; row->procedure != nullptr; ++row) {
    std::printf("%.*s\n", static_cast<unsigned char>(row->procedure[0]), row->procedure + 1);
  }
  return 0;
}
