#include "host/parallel_evaluation.h"

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
  std::vector<std::size_t> parallel;
  std::vector<std::size_t> serial;
  for (std::size_t i = 0; i < formulas.size(); ++i) {
    (threads > 1 && host.IsThreadSafe(formulas[i]) ? parallel : serial).push_back(i);
  }
  // Each thread takes the next formula not yet taken: each slot of
  // `evaluations` is written by one thread alone.
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t k = next.fetch_add(1); k < parallel.size() && !StandIn::BreakPressed(); k = next.fetch_add(1)) {
      evaluations[parallel[k]] = host.Evaluate(formulas[parallel[k]]);
    }
  };
#if defined(ZQ_HOST_HAS_THREADS)
  std::vector<std::thread> workers;
  for (unsigned t = 1; t < threads && t < parallel.size(); ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
#else
  // A C++ library without threads: the thread-safe formulas run here too.
  work();
#endif
  for (std::size_t i : serial) {
    if (StandIn::BreakPressed()) break;
    evaluations[i] = host.Evaluate(formulas[i]);
  }
  return evaluations;
}

}  // namespace Zq::Host
