// The high-resolution counter: nanoseconds of the steady clock.
#include <chrono>

#include "host/standin/windows_calls.h"

namespace Zq::StandIn {

int QueryPerformanceFrequency(std::int64_t* frequency) {
  if (frequency == nullptr) return 0;
  *frequency = 1'000'000'000;
  return 1;
}

int QueryPerformanceCounter(std::int64_t* counter) {
  if (counter == nullptr) return 0;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  *counter = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
  return 1;
}

}  // namespace Zq::StandIn
