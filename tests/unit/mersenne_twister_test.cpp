#include "random/mersenne_twister.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/unit/plain_mersenne_twister.h"

namespace {

using Zq::Math::MersenneTwister;

std::vector<std::uint32_t> Blocks(MersenneTwister& twister, int blocks) {
  std::vector<std::uint32_t> words(static_cast<std::size_t>(blocks) * MersenneTwister::kStateSize);
  for (int b = 0; b < blocks; ++b) twister.NextBlock(words.data() + b * MersenneTwister::kStateSize);
  return words;
}

TEST(MersenneTwister, ArrayInitialisationMatchesThePublishedCheck) {
  const std::uint32_t key[4] = {0x123, 0x234, 0x345, 0x456};
  MersenneTwister twister;
  twister.InitByArray(key, 4);
  const std::vector<std::uint32_t> words = Blocks(twister, 1);
  const std::uint32_t published[5] = {1067595299u, 955945823u, 477289528u, 4107218783u, 4228976476u};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(words[i], published[i]);
}

// Every word of several regenerations, against the word-by-word engine:
// the vector runs and their seams, after both seedings and for keys of
// several lengths (the key is read longer than the state when it is).
TEST(MersenneTwister, BlocksAreThePlainSequence) {
  std::vector<std::uint32_t> longKey(700);
  for (std::size_t i = 0; i < longKey.size(); ++i) longKey[i] = static_cast<std::uint32_t>(i * 2654435761u);
  for (int length : {1, 2, 4, 700}) {
    MersenneTwister twister;
    twister.InitByArray(longKey.data(), length);
    ZqTest::PlainMersenneTwister plain;
    plain.InitByArray(longKey.data(), length);
    const std::vector<std::uint32_t> words = Blocks(twister, 4);
    for (std::size_t i = 0; i < words.size(); ++i) ASSERT_EQ(words[i], plain.Next()) << "key length " << length << ", word " << i;
  }
  for (std::uint32_t first : {1u, 1013904223u, 0xFFFFFFFFu}) {
    MersenneTwister twister;
    twister.InitByMultiplier(first);
    ZqTest::PlainMersenneTwister plain;
    plain.InitByMultiplier(first);
    const std::vector<std::uint32_t> words = Blocks(twister, 3);
    for (std::size_t i = 0; i < words.size(); ++i) ASSERT_EQ(words[i], plain.Next()) << "first " << first << ", word " << i;
  }
}

TEST(MersenneTwister, EnginesInitialisedTogetherAreTheEnginesInitialisedAlone) {
  for (int length : {1, 2, 3, 630}) {
    constexpr int kEngines = 5;
    std::vector<std::uint32_t> keys(static_cast<std::size_t>(kEngines) * length);
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = static_cast<std::uint32_t>(i * 40503u + 17u);
    MersenneTwister together[kEngines];
    MersenneTwister* engines[kEngines];
    for (int e = 0; e < kEngines; ++e) engines[e] = &together[e];
    MersenneTwister::InitByArrays(engines, kEngines, keys.data(), length);
    for (int e = 0; e < kEngines; ++e) {
      ZqTest::PlainMersenneTwister alone;
      alone.InitByArray(keys.data() + e * length, length);
      const std::vector<std::uint32_t> words = Blocks(together[e], 2);
      for (std::size_t i = 0; i < words.size(); ++i) {
        ASSERT_EQ(words[i], alone.Next()) << "key length " << length << ", engine " << e << ", word " << i;
      }
    }
  }
}

TEST(MersenneTwister, ReseedingRestartsTheSequence) {
  const std::uint32_t key[2] = {7, 9};
  MersenneTwister twister;
  twister.InitByArray(key, 2);
  const std::vector<std::uint32_t> first = Blocks(twister, 2);
  twister.InitByArray(key, 2);
  EXPECT_EQ(Blocks(twister, 2), first);
}

}  // namespace
