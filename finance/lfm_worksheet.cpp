// ZqMonteCarloLFM: validates in a fixed order, times the selected scheme
// with the high-resolution counter and answers mean, deviation, standard
// error and elapsed seconds as a column (or a row).
#include <cmath>
#include <cstdint>
#include <mutex>
#include <optional>

#include "addin/call_frame.h"
#include "addin/platform.h"
#include "addin/user_break.h"
#include "finance/lfm_simulation.h"

namespace {

// The second scheme's generator: its table and cached normal live as long
// as the library, so a call continues where the previous one stopped. Calls
// on several threads take turns with it, each a whole simulation at a time,
// so every call sees the sequence a series of calls would.
struct LegacyGeneratorState {
  Zq::Platform::StateLock lock;
  Zq::Math::ShuffledMinimalStandard generator;
};

LegacyGeneratorState& LegacyGenerator() {
  static LegacyGeneratorState state;
  return state;
}

Zq::Math::LfmStatistics SimulateLegacy(const Zq::Math::LfmInputs& inputs, std::int32_t seed,
                                       Zq::Math::StopRequest& userBreak) {
  LegacyGeneratorState& state = LegacyGenerator();
  const std::lock_guard<Zq::Platform::StateLock> turn(state.lock);
  return Zq::Math::SimulateLfmLegacy(inputs, seed, state.generator, userBreak);
}

}  // namespace

ZQ_WORKSHEET ZqMonteCarloLFM(const Zq::Addin::ArrayArgument* correlation, double initialRate, double strike, double horizon,
                             std::int32_t paths, std::int32_t steps, std::int32_t numeraire, std::int32_t seed,
                             short inversion, short antithetic, short asRow, Zq::Addin::WholeNumber scheme) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (correlation == nullptr || correlation->rows != correlation->columns) return out.Error();
    const std::optional<Zq::Math::LfmScheme> chosen = Zq::Math::LfmSchemeOf(scheme);
    if (!chosen) return out.Error();
    if (!(std::isfinite(horizon) && horizon > 0)) return out.Error();
    if (steps < 1) return out.Error();
    const int n = correlation->rows;
    if (numeraire < 1 || numeraire > n) return out.Error();

    const Zq::Math::LfmInputs inputs{FpValues(correlation), n, initialRate, strike, horizon, paths, steps, numeraire};
    Zq::Math::StopRequest userBreak = Zq::Addin::BreakOnEsc();
    std::int64_t start = 0, stop = 0;
    Zq::Platform::QueryPerformanceCounter(&start);
    const Zq::Math::LfmStatistics statistics =
        *chosen == Zq::Math::LfmScheme::Legacy ? SimulateLegacy(inputs, seed, userBreak)
                    : Zq::Math::SimulateLfmMersenne(inputs, seed, inversion != 0, antithetic != 0, userBreak);
    if (userBreak.Stopped()) return out.Error();
    Zq::Platform::QueryPerformanceCounter(&stop);
    const double elapsed =
        static_cast<double>(stop - start) / static_cast<double>(Zq::Platform::PerformanceFrequency);
    const double cells[4] = {statistics.mean, statistics.deviation, statistics.standardError, elapsed};
    int next = 0;
    return out.Values(4, [&] { return cells[next++]; }, asRow != 0);
  });
}
