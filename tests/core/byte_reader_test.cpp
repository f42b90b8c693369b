// The little-endian reader every binary loader goes through: byte order, sign, the last number
// that still fits, and what a damaged (short) file does to the cursor.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "platform/byte_reader.h"

namespace {

const uint8_t kImage[8] = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0x80};

TEST(ByteReader, FixedOffsetsReadLittleEndianAndGiveZeroPastTheEnd) {
    struct Case {
        size_t size, at;
        uint16_t u16;
        uint32_t u32;
        int32_t i32;
    };
    const Case cases[] = {
        {8, 0, 0x0201, 0x04030201u, 0x04030201},
        {8, 4, 0xFFFE, 0x80FFFFFEu, -2130706434}, // the last word that fits; the top bit is the sign
        {8, 5, 0xFFFF, 0, 0},                     // three bytes left: no word
        {8, 6, 0x80FF, 0, 0},                     // the last half-word that fits
        {8, 7, 0, 0, 0},
        {8, SIZE_MAX - 1, 0, 0, 0}, // an offset that would wrap when added to
        {3, 0, 0x0201, 0, 0},       // an image shorter than a word
        {0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << " at " << c.at);
        EXPECT_EQ(std::tuple(bv::u16At(kImage, c.size, c.at), bv::u32At(kImage, c.size, c.at),
                             bv::i32At(kImage, c.size, c.at)),
                  std::tuple(c.u16, c.u32, c.i32));
    }
}

// A record stored at one size and read at another, then the word after it: a read past the end
// fails, leaves the cursor bad, and every later read fails too.
TEST(ByteReader, RecordsOfAnotherSizeAndShortFiles) {
    struct Case {
        uint32_t ours, stored;
        bool recordOk;
        uint32_t leftAfter, copied;
        bool nextOk;
        uint32_t next;
    };
    const Case cases[] = {
        {4, 4, true, 4, 4, true, 0x80FFFFFEu},
        {4, 2, true, 6, 2, true, 0xFFFE0403u}, // shorter on file: the rest of ours stays as it was
        {4, 6, true, 2, 4, false, 0},          // longer on file: the tail is skipped
        {4, 8, true, 0, 4, false, 0},          // ends exactly at the end of the file
        {4, 10, false, 0, 4, false, 0},        // the skipped tail runs past the end
        {12, 12, false, 0, 0, false, 0},       // the record itself runs past the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ours " << c.ours << " stored " << c.stored);
        bv::ByteReader in(kImage, sizeof kImage);
        std::vector<uint8_t> target(c.ours, 0xAA);
        EXPECT_EQ(in.record(target.data(), c.ours, c.stored), c.recordOk);
        EXPECT_EQ(in.ok(), c.recordOk);
        EXPECT_EQ(in.left(), c.leftAfter);
        for (uint32_t i = 0; i < c.ours; ++i) EXPECT_EQ(target[i], i < c.copied ? kImage[i] : 0xAA) << i;
        uint32_t next = 0;
        EXPECT_EQ(in.u32(next), c.nextOk);
        EXPECT_EQ(next, c.next);
        EXPECT_EQ(in.has(0), c.nextOk);
    }
}

} // namespace
