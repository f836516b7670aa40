// Loading the add-in as a shared library: dlopen elsewhere, LoadLibrary on
// Windows (one source file per system).
#pragma once

#include <string>

#include "host/invokers.h"

namespace Zq::Host {

// The add-in's file name next to the host executable.
extern const char* const kAddinFileName;
// The companion add-in's file name, beside the main add-in.
extern const char* const kExtrasFileName;

class AddinLibrary {
 public:
  AddinLibrary() = default;
  AddinLibrary(const AddinLibrary&) = delete;
  AddinLibrary& operator=(const AddinLibrary&) = delete;
  ~AddinLibrary() { Close(); }

  // Loads the library; on failure answers false with the system's reason.
  bool Open(const std::string& path, std::string& error);
  // The exported symbol, or null.
  Procedure Find(const std::string& name) const;
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace Zq::Host
