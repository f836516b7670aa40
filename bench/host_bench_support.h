// The host of the benchmarks that call through it: opened once on the add-in
// at `path`, quietly, and kept for the whole run.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/host.h"
#include "host/standin/standin.h"

namespace Zq::Bench {

// registerExportedOnly as Host::Open takes it: the classic add-in's
// exported-only functions registered by the host itself.
inline Host::Host& OpenHost(const char* path, bool registerExportedOnly) {
  static Host::Host& host = [&]() -> Host::Host& {
    // The stand-in's records come first so that they outlive the host,
    // which takes its registrations back when it closes at exit.
    StandIn::ClearRecords();
    StandIn::SetMessageBoxQuiet(true);
    static Host::Host opened;
    std::string error;
    if (!opened.Open(path, registerExportedOnly, error)) {
      std::fprintf(stderr, "benchmark host: %s\n", error.c_str());
      std::exit(1);
    }
    return opened;
  }();
  return host;
}

}  // namespace Zq::Bench
