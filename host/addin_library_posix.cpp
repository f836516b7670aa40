#include <dlfcn.h>

#include "host/addin_library.h"

namespace Zq::Host {

const char* const kAddinFileName = "zqrand.so";
const char* const kExtrasFileName = "zqextras.so";

bool AddinLibrary::Open(const std::string& path, std::string& error) {
  Close();
  // Every symbol now: an add-in that cannot resolve its imports fails here,
  // not in the middle of a call.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    error = reason != nullptr ? reason : "cannot load " + path;
    return false;
  }
  return true;
}

Procedure AddinLibrary::Find(const std::string& name) const {
  if (handle_ == nullptr) return nullptr;
  // POSIX guarantees that dlsym's object pointer converts to a function pointer.
  return reinterpret_cast<Procedure>(dlsym(handle_, name.c_str()));
}

void AddinLibrary::Close() {
  if (handle_ != nullptr) dlclose(handle_);
  handle_ = nullptr;
}

}  // namespace Zq::Host
