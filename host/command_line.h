// zqhost's command line:
//   zqhost [--addin PATH]... [--extras] [--json] [--wizard] [--quiet]
//          [--registered-only] [--list [--all] [--argument-help]] [--echo]
//          [--break-after SECONDS] [--threads N] [FORMULA ...]
// --addin may be given once per add-in (the first is the main one), of
// either flavour: classic or Excel 12; --extras also opens the companion
// add-in found beside the first (classic only). --threads evaluates the
// formulas of thread-safe functions on N threads at once and prints every
// result in sheet order, as a serial run does. --break-after
// presses the user's break in every worksheet call that has run SECONDS;
// Ctrl-C presses it in the running call and evaluates no further formula.
// Formulas come from the arguments, or one per line from standard input
// (blank lines and lines starting with # skipped; --echo prints those
// comments and each formula before its result).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Zq::Host {

// Exit codes: every formula evaluated / a formula could not be (syntax
// error, unknown function, too many arguments) / the add-in could not be
// loaded / the command line itself is wrong / Ctrl-C stopped the run.
constexpr int kExitOk = 0;
constexpr int kExitLoadFailed = 1;
constexpr int kExitFormulaError = 2;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

int RunCommandLine(const std::vector<std::string>& arguments, const std::string& defaultAddinPath, std::istream& in,
                   std::ostream& out, std::ostream& err);

}  // namespace Zq::Host
