// A caller's way to stop a long computation part-way. Kernels whose work
// grows with their arguments count their work as they go; about every
// 100 ms of it they ask the caller's predicate, and once it answers true
// they give up, answering as for any failure (false or NaN), and every
// later poll answers true at once. Polling changes no arithmetic: a
// computation that is not stopped gives the same bits as without a request.
#pragma once

#include <chrono>
#include <cstdint>

namespace Zq::Math {

class StopRequest {
 public:
  using Predicate = bool (*)(void* context);
  using Clock = std::chrono::steady_clock;

  static constexpr std::chrono::milliseconds kAskInterval{100};
  // Work units (about one arithmetic operation each) between two readings
  // of the clock: tens of microseconds, so reading it costs nothing.
  static constexpr std::uint64_t kWorkPerClockReading = std::uint64_t{1} << 16;

  // A request that never stops and never reads the clock.
  StopRequest() = default;
  // Asks shouldStop(context) once askInterval has passed since the last
  // question (or since construction).
  StopRequest(Predicate shouldStop, void* context, Clock::duration askInterval = kAskInterval);

  // The request of callers that never stop; polling it writes nothing.
  static StopRequest& Never();

  // Counts `work` units; true when the computation should stop.
  bool Poll(std::uint64_t work) {
    if (stopped_) return true;
    if (shouldStop_ == nullptr) return false;
    pending_ += work;
    if (pending_ < kWorkPerClockReading) return false;
    pending_ = 0;
    return AskIfDue();
  }

  bool Stopped() const { return stopped_; }

 private:
  bool AskIfDue();

  Predicate shouldStop_ = nullptr;
  void* context_ = nullptr;
  Clock::duration askInterval_{};
  Clock::time_point lastAsked_{};
  std::uint64_t pending_ = 0;
  bool stopped_ = false;
};

}  // namespace Zq::Math
