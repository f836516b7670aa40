#include "host/parallel_evaluation.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#if defined(_GLIBCXX_HAS_GTHREADS) || !defined(__GLIBCXX__)
#include <thread>
#define ZQ_HOST_HAS_THREADS 1
#endif

#include "host/standin/standin.h"

namespace Zq::Host {

std::vector<std::optional<Evaluation>> EvaluateAll(Host& host, const std::vector<std::string_view>& formulas,
                                                   unsigned threads) {
  std::vector<std::optional<Evaluation>> evaluations(formulas.size());
  if (threads <= 1) {
    for (std::size_t i = 0; i < formulas.size() && !StandIn::BreakPressed(); ++i) evaluations[i] = host.Evaluate(formulas[i]);
    return evaluations;
  }
  // Each thread takes the next run of formulas not yet taken and evaluates
  // those whose functions are thread-safe, leaving the others to the main
  // thread: each slot of `evaluations` and `deferred` is written by one
  // thread alone, and runs keep the threads off each other's slots.
  constexpr std::size_t kRun = 16;
  std::vector<char> deferred(formulas.size(), 0);
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t begin = next.fetch_add(kRun); begin < formulas.size(); begin = next.fetch_add(kRun)) {
      for (std::size_t i = begin; i < std::min(begin + kRun, formulas.size()); ++i) {
        if (StandIn::BreakPressed()) return;
        evaluations[i] = host.EvaluateThreadSafe(formulas[i]);
        if (!evaluations[i]) deferred[i] = 1;
      }
    }
  };
#if defined(ZQ_HOST_HAS_THREADS)
  std::vector<std::thread> workers;
  for (unsigned t = 1; t < threads && t < formulas.size(); ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
#else
  // A C++ library without threads: the thread-safe formulas run here too.
  work();
#endif
  for (std::size_t i = 0; i < formulas.size() && !StandIn::BreakPressed(); ++i) {
    if (deferred[i] != 0) evaluations[i] = host.Evaluate(formulas[i]);
  }
  return evaluations;
}

}  // namespace Zq::Host
