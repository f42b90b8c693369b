// The allocation interface: start-up misuse, fills, zeroed and grown blocks.
#include <gtest/gtest.h>

#include <vector>

#include "core/memory.h"

namespace {

TEST(Memory, MisuseIsFatal) {
    static uint8_t block[64];
    EXPECT_EXIT(bv::memInit(block, 61440002), testing::ExitedWithCode(255),
                "memInit requires memory block which is a multiple of 4");
    bv::memShutdown();
    EXPECT_EXIT(bv::memAlloc(16), testing::ExitedWithCode(255), "memAlloc called before initialization!");
}

TEST(Memory, FillCoversWordsAndTheRemainingBytes) {
    for (size_t count : {0u, 1u, 3u, 4u, 7u, 9u}) {
        std::vector<uint8_t> bytes(16, 0x11);
        bv::memFill(bytes.data() + 1, 0xAB, count);
        EXPECT_EQ(bytes[0], 0x11);
        for (size_t i = 0; i < count; ++i) EXPECT_EQ(bytes[1 + i], 0xAB) << count << " " << i;
        EXPECT_EQ(bytes[1 + count], 0x11) << count;
    }
}

TEST(Memory, AllocZeroedReallocAndFreeNull) {
    std::vector<uint8_t> block(64);
    bv::memInit(block.data(), 64);
    auto* p = static_cast<uint8_t*>(bv::memAllocZeroed(100));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(p[i], 0);
    p[99] = 7;
    p = static_cast<uint8_t*>(bv::memRealloc(p, 4000));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[99], 7);
    bv::memFree(p);
    bv::memFree(nullptr);
    bv::memShutdown();
}

} // namespace
