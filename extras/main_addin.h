// Where the companion finds the main add-in: the file of its own word size
// in the companion's own folder.
#pragma once

#include <cstddef>

namespace Zq::Extras {

// "zqrand64.xll" or "zqrand32.xll" on Windows, "zqrand.so" elsewhere.
extern const char kMainAddinFileName[];

// Capacity of a counted string: a length byte, up to 255 characters and a
// terminating zero (so the text can also go to the C library).
constexpr std::size_t kCountedCapacity = 257;

// Writes into `main` the counted path of the main add-in in the folder of
// the counted path `own` (the companion's file as Excel names it; either
// slash separates folders). False when `own` has no folder or the result
// would not fit in a counted string.
bool MainAddinBeside(const char* own, char (&main)[kCountedCapacity]);

// Whether a file can be opened for reading at this path.
bool FileExists(const char* path);

// The message shown when the main add-in is missing: names the file and
// where it was looked for. Always zero-terminated, cut to fit.
void MissingMainAddinMessage(const char* mainCounted, char* buffer, std::size_t capacity);

}  // namespace Zq::Extras
