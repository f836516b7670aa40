// The locks that guard the stand-in's shared state: worksheet functions
// running on several threads at once call back into it (xlGetHwnd, xlFree,
// the window calls of the Function Wizard guard) and the host looks up
// their functions. Lookups far outnumber changes, so readers share the
// lock and never wait for one another. A standard shared mutex where the
// C++ library has threads; where it has none (a MinGW toolchain built with
// Windows threads) a spin lock that readers take alone too, which the
// stand-in's few short critical sections afford.
#pragma once

#include <atomic>
#if defined(_GLIBCXX_HAS_GTHREADS) || !defined(__GLIBCXX__)
#include <shared_mutex>
#endif

namespace Zq::StandIn {

#if defined(_GLIBCXX_HAS_GTHREADS) || !defined(__GLIBCXX__)
using StateMutex = std::shared_mutex;
#else
class StateMutex {
 public:
  void lock() {
    while (locked_.test_and_set(std::memory_order_acquire)) {
    }
  }
  void unlock() { locked_.clear(std::memory_order_release); }
  void lock_shared() { lock(); }
  void unlock_shared() { unlock(); }

 private:
  std::atomic_flag locked_ = ATOMIC_FLAG_INIT;
};
#endif

// Holds a StateMutex for its scope: alone, to change the state.
class StateGuard {
 public:
  explicit StateGuard(StateMutex& mutex) : mutex_(mutex) { mutex_.lock(); }
  ~StateGuard() { mutex_.unlock(); }
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  StateMutex& mutex_;
};

// Holds a StateMutex for its scope, shared with other readers.
class ReadGuard {
 public:
  explicit ReadGuard(StateMutex& mutex) : mutex_(mutex) { mutex_.lock_shared(); }
  ~ReadGuard() { mutex_.unlock_shared(); }
  ReadGuard(const ReadGuard&) = delete;
  ReadGuard& operator=(const ReadGuard&) = delete;

 private:
  StateMutex& mutex_;
};

}  // namespace Zq::StandIn
