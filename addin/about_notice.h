// The notice both flavours of the add-in show when Excel loads them.
#pragma once

#include "addin/worksheet_layer.h"

namespace Zq::Addin {

inline constexpr char kAboutCaption[] = "The ZqRand project";
inline constexpr char kAboutText[] =
    "ZqRand Addin, version 3.0\n"
    "Released 7 December 2026\n"
    "\n"
    "Copyright (c) 2026 The ZqRand project. All rights reserved.\n"
    "\n"
    "The ZqRand project - zqrand@example.org - https://zqrand.example.org";

}  // namespace Zq::Addin
