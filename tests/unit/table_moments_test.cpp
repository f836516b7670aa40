// A table's statistics come out with the bits of the functions for one
// column or one pair, in every layout of the table, on both sides of the
// chunks of rows and in both lane widths; asked but not stopped they keep
// those bits, and stopped at any question they give up.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "multivariate/cross_sums.h"
#include "multivariate/statistics.h"
#include "multivariate/table_moments.h"

namespace Zq::Math {
namespace {

// Column j % 8 is ordinary, constant, a run of copies, 1e300 or 1e-300 or
// 1e154 times ordinary, ordinary with a NaN, or ordinary about 1e8.
double Cell(std::int32_t i, std::int32_t j, std::int32_t rows) {
  std::uint64_t z = (static_cast<std::uint64_t>(i) * 977 + static_cast<std::uint64_t>(j) + 1) * 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 29)) * 0xBF58476D1CE4E5B9u;
  const double u = static_cast<double>((z ^ (z >> 32)) >> 11) * 0x1p-53 - 0.3;
  constexpr double kScale[8] = {1, 0, 1, 1e300, 1e-300, 1e154, 1, 1};
  switch (j % 8) {
    case 1: return 3.5;
    case 2: return i < rows / 2 ? -2.0 : u;
    case 6: return i == rows / 3 ? NAN : u;
    case 7: return 1e8 + u;
    default: return kScale[j % 8] * u;
  }
}

// Equal bits, or both NaN (a NaN's payload never reaches a worksheet).
bool Same(double a, double b) { return std::isnan(a) ? std::isnan(b) : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

void ExpectLikeOneByOne(ConstMatrixView t, PairStatistic statistic) {
  TableMoments m;
  ASSERT_TRUE(ComputeTableMoments(t, statistic, m, StopRequest::Never()));
  const bool correlation = statistic == PairStatistic::Correlation;
  for (std::int32_t i = 0; i < t.Columns(); ++i) {
    EXPECT_TRUE(Same(m.means[i], ColumnMean(t.Column(i)))) << i;
    EXPECT_TRUE(Same(m.stdevs[i], PopulationStdev(t.Column(i)))) << i;
    for (std::int32_t j = i; j < t.Columns(); ++j) {
      const double expected = correlation ? (i == j ? 1.0 : PairCorrelation(t.Column(i), t.Column(j)))
                                          : PairCovariance(t.Column(i), t.Column(j));
      EXPECT_TRUE(Same(m.pairs(i, j), expected) && Same(m.pairs(j, i), expected)) << i << ", " << j;
    }
  }
}

TEST(TableMomentsTest, EveryLayoutAndLaneWidthGivesTheBitsOfOneColumnOrPairAtATime) {
  const bool loaded = UseAvxCrossSums(true);
  for (const std::int32_t rows : {1, 2, 3, 17, 1100}) {
    for (const std::int32_t columns : {1, 3, 8, 13, 21}) {
      // Row-major, column-major, and every other column of a wider table.
      Matrix rowMajor(rows, columns, Init::Zero), columnMajor(true), wide(rows, 2 * columns + 1, Init::Zero);
      ASSERT_TRUE(columnMajor.Resize(rows, columns));
      for (std::int32_t i = 0; i < rows; ++i)
        for (std::int32_t j = 0; j < columns; ++j) rowMajor(i, j) = columnMajor(i, j) = wide(i, 2 * j + 1) = Cell(i, j, rows);
      const ConstMatrixView strided = ConstMatrixView::Attach(&wide(0, 1), rows, columns, wide.RowStride(), 2, false);
      for (const bool avx : {false, true}) {
        if (UseAvxCrossSums(avx) != avx) continue;
        SCOPED_TRACE(testing::Message() << rows << " x " << columns << (avx ? ", AVX" : ", SSE2"));
        for (const ConstMatrixView& t : {ConstMatrixView(rowMajor), ConstMatrixView(columnMajor), strided}) {
          ExpectLikeOneByOne(t, PairStatistic::Correlation);
          ExpectLikeOneByOne(t, PairStatistic::Covariance);
        }
      }
    }
  }
  UseAvxCrossSums(loaded);
}

// Counts its questions; answers true at the stopAt-th (never when 0).
struct Asker {
  int asked = 0, stopAt = 0;
};
bool Ask(void* context) {
  auto& asker = *static_cast<Asker*>(context);
  return ++asker.asked == asker.stopAt;
}

TEST(TableMomentsTest, AskedButNotStoppedKeepsItsBitsAndStopsAtAnyQuestion) {
  constexpr std::int32_t kColumns = 16;
  Matrix t(3000, kColumns, Init::Zero);
  for (std::int32_t i = 0; i < 3000; ++i)
    for (std::int32_t j = 0; j < kColumns; ++j) t(i, j) = Cell(i, j, 3000);
  TableMoments plain, asked;
  ASSERT_TRUE(ComputeTableMoments(t, PairStatistic::Correlation, plain, StopRequest::Never()));
  Asker patient;
  StopRequest patientRequest(Ask, &patient, StopRequest::Clock::duration::zero());
  ASSERT_TRUE(ComputeTableMoments(t, PairStatistic::Correlation, asked, patientRequest));
  for (std::int32_t k = 0; k < kColumns * kColumns; ++k) {
    EXPECT_TRUE(Same(asked.pairs(k / kColumns, k % kColumns), plain.pairs(k / kColumns, k % kColumns))) << k;
  }
  ASSERT_GT(patient.asked, 2);
  for (int stopAt = 1; stopAt <= patient.asked; ++stopAt) {
    Asker breaking{0, stopAt};
    StopRequest broken(Ask, &breaking, StopRequest::Clock::duration::zero());
    TableMoments stopped;
    EXPECT_FALSE(ComputeTableMoments(t, PairStatistic::Correlation, stopped, broken)) << stopAt;
    EXPECT_EQ(breaking.asked, stopAt);
  }
}

}  // namespace
}  // namespace Zq::Math
