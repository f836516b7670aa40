// libFuzzer harness: each input calls one worksheet function through the
// host's compiled invokers with hostile arguments (see fuzz_input.h), checks
// the record it answers, and hands it back to xlAutoFree. At exit it prints
// the calls made per function and each function's slowest call.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

struct Tally {
  std::uint64_t calls = 0;
  std::uint64_t overBudget = 0;
  double slowestSeconds = 0;
  std::string slowestCall;
};

// Opened once and never closed: the add-in stays loaded for the process.
Zq::Fuzz::LoadedAddin* addin = nullptr;
std::vector<Tally>* tallies = nullptr;

// A slow call is reported as it happens, not only at exit.
constexpr double kSlowSeconds = 1.0;

// Calls whose work grows with a count or a dimension without bound: a few
// of them would take the whole run, so those above a budget of elementary
// steps (about a microsecond each here) are counted but not made. The
// worst cases are known time bombs (README.md).
constexpr double kWorkBudget = 2e5;

double Count(const Zq::Host::ArgumentValue& value) { return value.integer32 > 0 ? value.integer32 : 0; }

// A square matrix costs d³; any other shape is refused at once.
double Cubic(const FP* array) {
  return static_cast<double>(array->rows) * array->columns * std::min(array->rows, array->columns);
}

double EstimatedWork(const std::string& name, const Zq::Fuzz::DecodedCall& call) {
  const auto& v = call.values;
  // A data table: every pair of columns over every row.
  if (name == "ZQMULTICORREL" || name == "ZQMULTICOVARP") {
    return static_cast<double>(v[0].array->rows) * v[0].array->columns * v[0].array->columns;
  }
  // Scores and their correlation over every pair of columns, two sorts of
  // each column, and the target's factors.
  if (name == "ZQRANKCORREL") {
    const double cells = static_cast<double>(v[0].array->rows) * v[0].array->columns;
    return cells * (v[0].array->columns + 40) + Cubic(v[1].array);
  }
  // A sort of every column, then every pair of columns (Kendall: a merge
  // sort of the pair's rows).
  if (name == "ZQSPEARMAN" || name == "ZQKENDALL") {
    const double rows = v[0].array->rows;
    const double columns = v[0].array->columns;
    return rows * columns * (columns * (name == "ZQKENDALL" ? std::log2(rows + 1) : 1) + 20);
  }
  // One value per cell of a Size x Dimensions result.
  if (name == "ZQRANDLHS" || name == "ZQSOBOL") return static_cast<double>(std::max<short>(v[0].integer16, 0)) * std::max<short>(v[1].integer16, 0);
  if (name == "ZQPCA" || name == "ZQCOV2COR") return Cubic(v[0].array);
  if (name == "ZQCOR2COV") return Cubic(v[1].array);
  if (name == "ZQRANDMULTINORM") {
    const double d = std::min(v[1].array->rows, v[1].array->columns);
    return Cubic(v[1].array) + (v[0].integer16 > 0 ? v[0].integer16 : 0) * d * d;
  }
  // Paths x steps x the n x n drift of an n x n correlation.
  if (name == "ZQMONTECARLOLFM") {
    const double n = std::min(v[0].array->rows, v[0].array->columns);
    return Count(v[4]) * Count(v[5]) * (n * n + 1);
  }
  return 0;
}

bool CellIsSound(const XLOPER& cell) {
  if (cell.xltype == xltypeNum) return std::isfinite(cell.val.num);
  return cell.xltype == xltypeErr && cell.val.err == xlerrValue;
}

// What is wrong with a worksheet function's answer, or null when nothing.
const char* RecordFault(const XLOPER* record) {
  if (record == nullptr) return "a null result outside the Function Wizard";
  if (record->xltype == (xltypeMulti | xlbitDLLFree)) {
    const auto& array = record->val.array;
    if (array.rows < 1 || array.columns < 1) return "an array with no cells";
    if (array.lparray == nullptr) return "an array without cells";
    const std::size_t count = std::size_t{array.rows} * array.columns;
    for (std::size_t k = 0; k < count; ++k) {
      if (!CellIsSound(array.lparray[k])) return "an array cell neither a finite number nor #VALUE!";
    }
    return nullptr;
  }
  if (record->xltype & xlbitDLLFree) return "xlbitDLLFree on a record that is not an array";
  if (!CellIsSound(*record)) return "a record neither a finite number, #VALUE! nor an array";
  return nullptr;
}

void PrintTallies() {
  if (addin == nullptr) return;
  std::uint64_t total = 0;
  std::uint64_t overBudget = 0;
  std::fprintf(stderr, "zqfuzz: calls per function, calls over the work budget, slowest call\n");
  for (std::size_t k = 0; k < addin->targets.size(); ++k) {
    const Tally& tally = (*tallies)[k];
    total += tally.calls;
    overBudget += tally.overBudget;
    std::fprintf(stderr, "  %-24s %10llu %6llu  %9.6f s  %s\n", addin->targets[k].name.c_str(),
                 static_cast<unsigned long long>(tally.calls), static_cast<unsigned long long>(tally.overBudget),
                 tally.slowestSeconds, tally.slowestCall.c_str());
  }
  std::fprintf(stderr, "zqfuzz: %llu calls, %llu over the work budget\n", static_cast<unsigned long long>(total),
               static_cast<unsigned long long>(overBudget));
}

}  // namespace

// Memory that cannot be had is part of the hostile input: a request above
// 1 GiB fails as it would in a 32-bit Excel, and the add-in must answer
// #VALUE! rather than crash.
extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1:max_allocation_size_mb=1024:detect_leaks=1";
}

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* path = std::getenv("ZQ_FUZZ_ADDIN");
  addin = new Zq::Fuzz::LoadedAddin;
  std::string error;
  if (!Zq::Fuzz::LoadAddin(path != nullptr ? path : ZQ_ADDIN_PATH, *addin, error)) {
    std::fprintf(stderr, "zqfuzz: %s\n", error.c_str());
    std::exit(1);
  }
  tallies = new std::vector<Tally>(addin->targets.size());
  std::atexit(PrintTallies);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Zq::Fuzz::Reader reader({data, size});
  const std::size_t index = Zq::Fuzz::DecodeFunction(reader, addin->targets.size());
  const Zq::Fuzz::Target& target = addin->targets[index];
  const Zq::Fuzz::DecodedCall call = Zq::Fuzz::DecodeArguments(reader, target.letters);
  Tally& tally = (*tallies)[index];
  if (EstimatedWork(target.name, call) > kWorkBudget) {
    ++tally.overBudget;
    return 0;
  }

  const auto start = std::chrono::steady_clock::now();
  XLOPER* record = target.invoke(target.procedure, call.values.data());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  if (const char* fault = RecordFault(record)) {
    std::fprintf(stderr, "zqfuzz: %s answered %s\n",
                 Zq::Fuzz::DescribeCall(target.name, target.letters, call).c_str(), fault);
    std::abort();
  }
  if (record->xltype & xlbitDLLFree) addin->autoFree(record);

  ++tally.calls;
  if (seconds > tally.slowestSeconds) {
    tally.slowestSeconds = seconds;
    tally.slowestCall = Zq::Fuzz::DescribeCall(target.name, target.letters, call);
    if (seconds >= kSlowSeconds) std::fprintf(stderr, "zqfuzz: slow call, %.2f s: %s\n", seconds, tally.slowestCall.c_str());
  }
  return 0;
}
