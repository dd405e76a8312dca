#include "core/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace lenzor {
namespace {

class RandomTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = RandomSeed(); }
    void TearDown() override { SetRandomSeed(saved_); }
    uint32_t saved_ = 0;
};

TEST_F(RandomTest, FollowsTheLinearCongruentialSequenceFromSeedZero) {
    SetRandomSeed(0);
    // seed 1: high32(1 * 100) = 0; seed 134775814: high32(134775814 * 1000) = 31
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandomSeed(), 1u);
    EXPECT_EQ(Random(1000), 31);
    EXPECT_EQ(RandomSeed(), 134775814u);
}

TEST_F(RandomTest, DrawsStayInRangeAndCoverIt) {
    SetRandomSeed(12345);
    int seen[7] = {};
    for (int i = 0; i < 7000; ++i) {
        int v = Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        ++seen[v];
    }
    for (int count : seen) {
        EXPECT_GT(count, 800);
    }
}

TEST_F(RandomTest, EmptyOrNegativeRangeYieldsZeroButStillAdvances) {
    SetRandomSeed(7);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(RandomSeed(), 7u * 134775813u + 1u);
    EXPECT_EQ(Random(-3), 0);
}

TEST_F(RandomTest, SeedWrapsModulo2To32) {
    SetRandomSeed(0xFFFFFFFFu);
    Random(1);
    EXPECT_EQ(RandomSeed(), 0xFFFFFFFFu * 134775813u + 1u);
    uint32_t next = RandomSeed() * 134775813u + 1u;
    int32_t expected = static_cast<int32_t>((uint64_t{next} * 2147483647u) >> 32);
    EXPECT_EQ(Random(2147483647), expected);
}

TEST_F(RandomTest, BulkDrawsEqualSingleDrawsAndLeaveTheSameSeed) {
    for (int32_t n : {1, 2, 3, 600, 2147483647, 0, -5}) {
        for (std::size_t count : {0u, 1u, 7u, 8u, 9u, 16u, 17u, 100u}) {
            SetRandomSeed(0xC0FFEEu + static_cast<uint32_t>(count));
            std::vector<int32_t> single(count);
            for (int32_t& value : single) {
                value = Random(n);
            }
            const uint32_t seedAfterSingle = RandomSeed();

            SetRandomSeed(0xC0FFEEu + static_cast<uint32_t>(count));
            std::vector<int32_t> bulk(count, -1);
            RandomDraws(n, bulk.data(), count);
            EXPECT_EQ(bulk, single) << "n " << n << ", count " << count;
            EXPECT_EQ(RandomSeed(), seedAfterSingle) << "n " << n << ", count " << count;
        }
    }
}

TEST_F(RandomTest, SkippingDrawsLandsWhereDrawingThemWould) {
    for (uint64_t count : {0ull, 1ull, 2ull, 3ull, 8ull, 1000ull, 6220800ull, (1ull << 32) + 5}) {
        SetRandomSeed(99);
        uint32_t expected = 99;
        if (count <= 6220800ull) {
            for (uint64_t i = 0; i < count; ++i) {
                Random(1);
            }
            expected = RandomSeed();
        } else {  // the sequence repeats every 2^32 draws
            SetRandomSeed(99);
            for (int i = 0; i < 5; ++i) {
                Random(1);
            }
            expected = RandomSeed();
        }
        SetRandomSeed(99);
        SkipRandomDraws(count);
        EXPECT_EQ(RandomSeed(), expected) << count;
    }
}

TEST_F(RandomTest, DrawsFromAPrivateSeedLeaveTheSharedOneAlone) {
    SetRandomSeed(5);
    std::vector<int32_t> expected(20);
    for (int32_t& value : expected) {
        value = Random(50);
    }
    const uint32_t after = RandomSeed();
    SetRandomSeed(1234);
    uint32_t seed = 5;
    std::vector<int32_t> replay(20);
    RandomDrawsFrom(seed, 50, replay.data(), replay.size());
    EXPECT_EQ(replay, expected);
    EXPECT_EQ(seed, after);
    EXPECT_EQ(RandomSeed(), 1234u);
}

}  // namespace
}  // namespace lenzor
