#include <gtest/gtest.h>

#include <random>

#include "core/random.h"

namespace {

// The first outputs of the reference generator seeded by init_by_array({0x123, 0x234, 0x345,
// 0x456}), as published with the reference implementation (mt19937ar.out).
constexpr uint32_t kReferenceOutputs[] = {1067595299u, 955945823u,  477289528u, 4107218783u, 4228976476u,
                                          3344332714u, 3355579695u, 227628506u, 810200273u,  2591290167u};

class RandomTest : public ::testing::Test {
  protected:
    void SetUp() override { bv::resetRandomForTests(); }
};

TEST(Mt19937Test, ArraySeedingGivesThePublishedSequence) {
    const uint32_t key[4] = {0x123, 0x234, 0x345, 0x456};
    bv::Mt19937 mt;
    EXPECT_FALSE(mt.seeded());
    mt.seedByArray(key, 4);
    EXPECT_TRUE(mt.seeded());
    for (uint32_t expected : kReferenceOutputs) EXPECT_EQ(mt.next(), expected);
}

TEST(Mt19937Test, MatchesTheStandardLibraryAcrossManyRegenerations) {
    bv::Mt19937 mt;
    mt.seed(5489u);
    std::mt19937 reference(5489u);
    for (int i = 0; i < 9999; ++i) ASSERT_EQ(mt.next(), reference()) << "output " << i;
    // The C++ standard fixes the 10000th output of a default-seeded mt19937.
    EXPECT_EQ(mt.next(), 4123659995u);
}

TEST_F(RandomTest, FirstRawOutputOfARunIsTheReferenceValue) {
    EXPECT_EQ(bv::randomRaw(), 1067595299u);
    EXPECT_EQ(bv::randomRaw(), 955945823u);
}

TEST_F(RandomTest, RandomZeroDoesNotAdvanceButRandomOneDoes) {
    EXPECT_EQ(bv::random(0), 0u);
    EXPECT_EQ(bv::random(0), 0u);
    EXPECT_EQ(bv::random(1), 0u); // consumes the first output
    EXPECT_EQ(bv::randomRaw(), kReferenceOutputs[1]);
}

TEST_F(RandomTest, RandomIsThePlainRemainderOfEachOutput) {
    EXPECT_EQ(bv::random(1000), kReferenceOutputs[0] % 1000);
    EXPECT_EQ(bv::random(7), kReferenceOutputs[1] % 7);
    EXPECT_EQ(bv::random(0xFFFFFFFFu), kReferenceOutputs[2] % 0xFFFFFFFFu);
}

TEST_F(RandomTest, RangeExcludesTheLargerEndInEitherOrder) {
    // randomInRange(10, 4): 4 + random(6).
    EXPECT_EQ(bv::randomInRange(10, 4), static_cast<int32_t>(4 + kReferenceOutputs[0] % 6));
    EXPECT_EQ(bv::randomInRange(-3, 3),
              static_cast<int32_t>(-3 + static_cast<int32_t>(kReferenceOutputs[1] % 6)));
    for (int i = 0; i < 2000; ++i) {
        int32_t v = bv::randomInRange(10, 4);
        ASSERT_GE(v, 4);
        ASSERT_LE(v, 9);
    }
}

TEST_F(RandomTest, EqualEndsReturnThatValueWithoutDrawing) {
    EXPECT_EQ(bv::randomInRange(5, 5), 5);
    EXPECT_EQ(bv::randomRaw(), kReferenceOutputs[0]);
}

TEST_F(RandomTest, FullWidthRangeDoesNotOverflow) {
    int32_t v = bv::randomInRange(INT32_MAX, INT32_MIN);
    EXPECT_EQ(static_cast<int64_t>(v), static_cast<int64_t>(INT32_MIN) + kReferenceOutputs[0] % 0xFFFFFFFFu);
}

TEST_F(RandomTest, EffectGeneratorWalksTheTableFromByteOne) {
    EXPECT_EQ(bv::effectRandom(4), 0x80 % 4);
    EXPECT_EQ(bv::effectRandom(4), 0xB9 % 4);
    EXPECT_EQ(bv::effectRandom(256), 0x00);
    EXPECT_EQ(bv::effectRandom(256), 0x45);
}

TEST_F(RandomTest, EffectGeneratorIgnoresNonPositiveRangesAndCapsAt255) {
    EXPECT_EQ(bv::effectRandom(0), 0);
    EXPECT_EQ(bv::effectRandom(-7), 0);
    EXPECT_EQ(bv::effectRandom(100000), 0x80); // byte 1: the calls above did not advance
    // Bytes 2..255, then the walk wraps to byte 0 (0x5A) and byte 1 again.
    for (int i = 2; i < 256; ++i) ASSERT_LE(bv::effectRandom(100000), 255);
    EXPECT_EQ(bv::effectRandom(100000), 0x5A);
    EXPECT_EQ(bv::effectRandom(100000), 0x80);
}

TEST_F(RandomTest, EffectGeneratorNeverTouchesTheGameSequence) {
    for (int i = 0; i < 50; ++i) bv::effectRandom(10);
    EXPECT_EQ(bv::randomRaw(), kReferenceOutputs[0]);
}

TEST_F(RandomTest, SeedStackRestoresThePositionInOrder) {
    bv::effectRandom(256);  // position 1
    bv::pushEffectSeed(10); // continue from 10: next is byte 11
    EXPECT_EQ(bv::effectRandom(256), 0xDF);
    bv::pushEffectSeed(255); // next is byte 256 mod 256 = 0
    EXPECT_EQ(bv::effectRandom(256), 0x5A);
    bv::popEffectSeed();                    // back to position 11
    EXPECT_EQ(bv::effectRandom(256), 0x85); // byte 12
    bv::popEffectSeed();                    // back to position 1
    EXPECT_EQ(bv::effectRandom(256), 0xB9);
    bv::popEffectSeed(); // empty: nothing happens
    EXPECT_EQ(bv::effectRandom(256), 0x00);
}

TEST_F(RandomTest, TenNestedSeedsFitAndTheEleventhIsFatal) {
    for (uint32_t i = 0; i < 10; ++i) bv::pushEffectSeed(i);
    EXPECT_EQ(bv::effectRandom(256), 0xA3); // position 9 + 1 = byte 10
    EXPECT_EXIT(bv::pushEffectSeed(99), testing::ExitedWithCode(255), "Random seed stack overflow!");
    for (int i = 0; i < 10; ++i) bv::popEffectSeed();
    EXPECT_EQ(bv::effectRandom(256), 0x80); // the position before the first push was 0
}

} // namespace
