// Prints the procedure name of every row of a registration table, one a
// line: the add-in's own table, or with --extras the table of the 30
// functions it exports without registering. Together they are the worksheet
// functions the Windows add-in must export for Excel.
#include <cstdio>
#include <cstring>

#include "addin/registration_table.h"
#include "extras/extras_table.h"

int main(int argc, char** argv) {
  const bool extras = argc > 1 && std::strcmp(argv[1], "--extras") == 0;
  const auto* row = extras ? Zq::Extras::ExtrasTable : Zq::Addin::RegistrationTable;
  for (; row->procedure != nullptr; ++row) {
    std::printf("%.*s\n", static_cast<unsigned char>(row->procedure[0]), row->procedure + 1);
  }
  return 0;
}
