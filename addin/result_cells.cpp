#include "addin/result_cells.h"

#include <array>
#include <mutex>
#include <new>

#include "addin/call_frame.h"
#include "addin/platform.h"

namespace Zq::Addin {
namespace {

// A block's first record holds its capacity; the cells follow it. Smaller
// blocks than kMinKeptCells come from the heap's own free lists at no cost
// in pages, so they are not kept and most calls never take the keeper's
// lock.
constexpr std::size_t kMinKeptCells = std::size_t{1} << 16;
constexpr std::size_t kMaxKeptCells = kExcel12 ? std::size_t{1} << 21 : 0;
constexpr std::size_t kMaxKeptBlocks = 4;

bool Keepable(std::size_t cells) { return cells >= kMinKeptCells && cells <= kMaxKeptCells; }

struct KeptBlocks {
  Platform::StateLock lock;
  std::array<ResultRecord*, kMaxKeptBlocks> blocks{};  // block starts; null slots are free
  std::size_t cells = 0;                              // their capacities in all

  ~KeptBlocks() { FreeAll(); }

  void FreeAll() noexcept {
    for (ResultRecord*& block : blocks) {
      delete[] block;
      block = nullptr;
    }
    cells = 0;
  }
};

// Constant-initialised: there from load, before any thread calls.
KeptBlocks kept;

std::size_t Capacity(const ResultRecord* block) { return static_cast<std::size_t>(block->val.num); }

// The smallest kept block that holds `count` cells, taken out of the keeper.
ResultRecord* TakeKept(std::size_t count) {
  const std::lock_guard<Platform::StateLock> turn(kept.lock);
  ResultRecord** best = nullptr;
  for (ResultRecord*& block : kept.blocks) {
    if (block != nullptr && Capacity(block) >= count && (best == nullptr || Capacity(block) < Capacity(*best))) {
      best = &block;
    }
  }
  if (best == nullptr) return nullptr;
  ResultRecord* block = *best;
  *best = nullptr;
  kept.cells -= Capacity(block);
  return block;
}

// Whether the keeper took the block.
bool Keep(ResultRecord* block) {
  const std::lock_guard<Platform::StateLock> turn(kept.lock);
  if (kept.cells + Capacity(block) > kMaxKeptCells) return false;
  for (ResultRecord*& slot : kept.blocks) {
    if (slot == nullptr) {
      slot = block;
      kept.cells += Capacity(block);
      return true;
    }
  }
  return false;
}

}  // namespace

ResultRecord* NewCells(std::size_t count) noexcept {
  if (count > kMaxResultCells) return nullptr;
  ResultRecord* block = Keepable(count) ? TakeKept(count) : nullptr;
  if (block == nullptr) {
    block = new (std::nothrow) ResultRecord[count + 1];
    if (block == nullptr) return nullptr;
    block->val.num = static_cast<double>(count);
  }
  return block + 1;
}

void DeleteCells(ResultRecord* cells) noexcept {
  if (cells == nullptr) return;
  ResultRecord* block = cells - 1;
  if (!Keepable(Capacity(block)) || !Keep(block)) delete[] block;
}

void FreeKeptCells() noexcept {
  const std::lock_guard<Platform::StateLock> turn(kept.lock);
  kept.FreeAll();
}

}  // namespace Zq::Addin
