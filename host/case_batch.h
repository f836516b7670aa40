// Runs several conformance cases in one host process, each exactly as a
// separate `zqhost --addin PATH... --quiet [OPTIONS] <CASE` run would (fresh
// load of the add-in, fresh stand-in records), writing its standard output,
// standard error and exit code to files. Where starting a process is
// expensive (a 32-bit host under CPU emulation) one start serves every case.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Zq::Host {

// A further run of every case with more host options, its files named
// <area>.<name>.out and so on.
struct CasePass {
  std::string name;
  std::vector<std::string> options;
};

// For each CASE (a path ending in <area>.zq; OPTIONS are the words of
// <area>.options beside it, if any) opens the add-ins and writes
// <outputDirectory>/<area>.out, <area>.err and <area>.exit, then runs each
// pass. Answers 0 when every file could be read and written, kExitUsage
// otherwise.
int RunCaseBatch(const std::vector<std::string>& addinPaths, const std::vector<CasePass>& passes,
                 const std::vector<std::string>& cases, const std::string& outputDirectory, std::ostream& err);

}  // namespace Zq::Host
