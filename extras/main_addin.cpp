#include "extras/main_addin.h"

#include <cstdio>
#include <cstring>

namespace Zq::Extras {

#if defined(_WIN64)
const char kMainAddinFileName[] = "zqrand64.xll";
#elif defined(_WIN32)
const char kMainAddinFileName[] = "zqrand32.xll";
#else
const char kMainAddinFileName[] = "zqrand.so";
#endif

bool MainAddinBeside(const char* own, char (&main)[kCountedCapacity]) {
  main[0] = 0;
  main[1] = 0;
  if (own == nullptr) return false;
  const std::size_t length = static_cast<unsigned char>(own[0]);
  std::size_t folder = 0;  // characters up to and including the last separator
  for (std::size_t i = 1; i <= length; ++i) {
    if (own[i] == '\\' || own[i] == '/') folder = i;
  }
  const std::size_t name = sizeof(kMainAddinFileName) - 1;
  if (folder == 0 || folder + name > 255) return false;
  std::memcpy(main + 1, own + 1, folder);
  std::memcpy(main + 1 + folder, kMainAddinFileName, name);
  main[0] = static_cast<char>(folder + name);
  main[1 + folder + name] = 0;
  return true;
}

bool FileExists(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

void MissingMainAddinMessage(const char* mainCounted, char* buffer, std::size_t capacity) {
  if (capacity == 0) return;
  const char* path = "(unknown)";
  std::size_t pathLength = std::strlen(path);
  if (mainCounted != nullptr && mainCounted[0] != 0) {
    path = mainCounted + 1;
    pathLength = static_cast<unsigned char>(mainCounted[0]);
  }
  const char* parts[] = {"ZqRand Extras needs the main ZqRand add-in beside it, and cannot find\n\n", nullptr,
                         "\n\nCopy ", kMainAddinFileName,
                         " into the folder of ZqRand Extras and load ZqRand Extras again. No functions were "
                         "registered."};
  std::size_t used = 0;
  for (const char* part : parts) {
    const std::size_t length = part == nullptr ? pathLength : std::strlen(part);
    const std::size_t room = capacity - 1 - used;
    const std::size_t copied = length < room ? length : room;
    std::memcpy(buffer + used, part == nullptr ? path : part, copied);
    used += copied;
  }
  buffer[used] = 0;
}

}  // namespace Zq::Extras
