// The lock that serialises the stand-in's shared state: worksheet functions
// running on several threads at once call back into it (xlFree, the window
// calls of the Function Wizard guard) and the host looks up their
// functions. A standard mutex where the C++ library has threads; where it has
// none (a MinGW toolchain built with Windows threads) a spin lock, which the
// stand-in's few short critical sections afford.
#pragma once

#include <atomic>
#if defined(_GLIBCXX_HAS_GTHREADS) || !defined(__GLIBCXX__)
#include <mutex>
#endif

namespace Zq::StandIn {

#if defined(_GLIBCXX_HAS_GTHREADS) || !defined(__GLIBCXX__)
using StateMutex = std::mutex;
#else
class StateMutex {
 public:
  void lock() {
    while (locked_.test_and_set(std::memory_order_acquire)) {
    }
  }
  void unlock() { locked_.clear(std::memory_order_release); }

 private:
  std::atomic_flag locked_ = ATOMIC_FLAG_INIT;
};
#endif

// Holds a StateMutex for its scope.
class StateGuard {
 public:
  explicit StateGuard(StateMutex& mutex) : mutex_(mutex) { mutex_.lock(); }
  ~StateGuard() { mutex_.unlock(); }
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  StateMutex& mutex_;
};

}  // namespace Zq::StandIn
