#include "numerics/stop_request.h"

namespace Zq::Math {

StopRequest::StopRequest(Predicate shouldStop, void* context, Clock::duration askInterval)
    : shouldStop_(shouldStop), context_(context), askInterval_(askInterval), lastAsked_(Clock::now()) {}

StopRequest& StopRequest::Never() {
  static StopRequest never;
  return never;
}

bool StopRequest::AskIfDue() {
  const Clock::time_point now = Clock::now();
  if (now - lastAsked_ < askInterval_) return false;
  lastAsked_ = now;
  stopped_ = shouldStop_(context_);
  return stopped_;
}

}  // namespace Zq::Math
