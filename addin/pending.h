// Exported worksheet functions whose computation is not built yet: the
// entry exists (so every registered name resolves) and answers #VALUE!.
#pragma once

#include "addin/call_frame.h"

#define ZQ_PENDING(Name, ...) \
  ZQ_WORKSHEET Name(__VA_ARGS__) { return ZQ_FRAME([](::Zq::Addin::Result& out) { return out.Error(); }); }
