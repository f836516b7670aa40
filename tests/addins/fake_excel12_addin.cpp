// A small add-in of the Excel 12 flavour for the host's tests: registers
// three functions through Excel12v with XLOPER12 records and answers
// XLOPER12 results, so that the host's Excel 12 path (registration,
// J and K% marshalling, 32-bit counts, xlAutoFree12, worker threads) is
// tested on its own. Its type texts are among those the host compiles.
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "addin/standin_abi.h"
#include "addin/xlcall12.h"

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr std::int32_t kErrorNum = 36;  // #NUM!
constexpr std::int32_t kErrorNA = 42;   // #N/A

std::atomic<long> OutstandingArrays{0};
std::atomic<long> AutoFreeCalls{0};
std::thread::id MainThread;

std::u16string Counted(const std::u16string& text) { return std::u16string(1, static_cast<char16_t>(text.size())) + text; }

XLOPER12 Text(std::u16string& counted) {
  XLOPER12 record{};
  record.val.str = counted.data();
  record.xltype = xltypeStr;
  return record;
}

XLOPER12* Error(std::int32_t code) {
  thread_local XLOPER12 result;
  result.val.err = code;
  result.xltype = xltypeErr;
  return &result;
}

}  // namespace

// FAKEFILL(Count, Value, Owned): a Count x 1 column of Value; with Owned the
// array is the add-in's, handed back through xlAutoFree12.
FAKE_EXPORT XLOPER12* FakeFill(std::int32_t count, double value, short owned) {
  if (count <= 0 || count > kExcel12Rows) return Error(kErrorNum);
  thread_local XLOPER12 result;
  thread_local std::vector<XLOPER12> kept;
  XLOPER12* cells = owned != 0 ? new XLOPER12[static_cast<std::size_t>(count)] : nullptr;
  if (owned == 0) {
    kept.assign(static_cast<std::size_t>(count), XLOPER12{});
    cells = kept.data();
  }
  for (std::int32_t i = 0; i < count; ++i) {
    cells[i].val.num = value;
    cells[i].xltype = xltypeNum;
  }
  result.val.array.lparray = cells;
  result.val.array.rows = count;
  result.val.array.columns = 1;
  result.xltype = xltypeMulti | (owned != 0 ? xlbitDLLFree : 0);
  if (owned != 0) ++OutstandingArrays;
  return &result;
}

// FAKESHAPE(First, Second): the first array's rows and columns as the K%
// record counts them, and the sum of both arrays' values.
FAKE_EXPORT XLOPER12* FakeShape(const FP12* first, const FP12* second) {
  thread_local XLOPER12 cells[3];
  thread_local XLOPER12 result;
  double sum = 0;
  for (const FP12* array : {first, second}) {
    const double* values = FpValues(array);
    for (std::int64_t i = 0; i < std::int64_t{array->rows} * array->columns; ++i) sum += values[i];
  }
  const double answers[3] = {static_cast<double>(first->rows), static_cast<double>(first->columns), sum};
  for (int i = 0; i < 3; ++i) {
    cells[i].val.num = answers[i];
    cells[i].xltype = xltypeNum;
  }
  result.val.array.lparray = cells;
  result.val.array.rows = 1;
  result.val.array.columns = 3;
  result.xltype = xltypeMulti;
  return &result;
}

// FAKEMAIN(Value): Value when called on the thread that opened the add-in,
// #N/A on any other: registered without '$', it must stay on that thread.
FAKE_EXPORT XLOPER12* FakeMain(double value) {
  if (std::this_thread::get_id() != MainThread) return Error(kErrorNA);
  thread_local XLOPER12 result;
  result.val.num = value;
  result.xltype = xltypeNum;
  return &result;
}

FAKE_EXPORT void xlAutoFree12(XLOPER12* record) {
  ++AutoFreeCalls;
  if ((record->xltype & xltypeMulti) == 0) return;
  delete[] record->val.array.lparray;
  --OutstandingArrays;
}

FAKE_EXPORT long FakeOutstandingArrays() { return OutstandingArrays.load(); }
FAKE_EXPORT long FakeAutoFreeCalls() { return AutoFreeCalls.load(); }

FAKE_EXPORT int xlAutoOpen() {
  if (ZqStandInXLCallVer() < kExcel12CallVersion) return 0;
  MainThread = std::this_thread::get_id();
  XLOPER12 name{};
  if (ZqStandInExcel12v(xlGetName, &name, 0, nullptr) != xlretSuccess) return 0;
  std::u16string module(name.val.str, name.val.str[0] + 1u);
  XLOPER12* freed[] = {&name};
  ZqStandInExcel12v(xlFree, nullptr, 1, freed);
  const std::vector<std::vector<std::u16string>> rows = {
      {u"FakeFill", u"QJBA$", u"FAKEFILL", u"Count,Value,Owned", u"1", u"Fake", u"", u"", u"A column",
       u"How many rows", u"The value", u"Whether the add-in owns the array"},
      {u"FakeShape", u"QK%K%$", u"FAKESHAPE", u"First,Second", u"1", u"Fake", u"", u"", u"Counts and sum",
       u"An array", u"Another array"},
      {u"FakeMain", u"QB", u"FAKEMAIN", u"Value", u"1", u"Fake", u"", u"", u"Main thread only", u"The value \u00e9"},
  };
  for (const auto& row : rows) {
    std::vector<std::u16string> texts{module};
    for (const auto& text : row) texts.push_back(Counted(text));
    std::vector<XLOPER12> records;
    for (auto& text : texts) records.push_back(Text(text));
    std::vector<XLOPER12*> arguments;
    for (auto& record : records) arguments.push_back(&record);
    ZqStandInExcel12v(xlfRegister, nullptr, static_cast<int>(arguments.size()), arguments.data());
  }
  return 1;
}
