#include <gtest/gtest.h>

#include <string>

#include "assets/hash.h"

namespace {

uint32_t hashOf(const std::string& s, uint32_t initval) {
    return bv::lookup2(reinterpret_cast<const uint8_t*>(s.data()), static_cast<uint32_t>(s.size()), initval);
}

// Values published with independent ports of the 1996 lookup2.c: every tail length class, a
// key of exactly one block, keys spanning blocks, and the chaining of a previous hash as the
// initial value (0 where none was published). Each key is also hashed with other bytes after
// it: only the given length may count (a zero byte read past the end would not show).
TEST(Lookup2Test, MatchesPublishedValues) {
    const struct {
        std::string key;
        uint32_t hash, chained;
    } cases[] = {
        {"hello", 3070638494u, 1535955511u},
        {"wow", 627410295u, 320141986u},
        {std::string(1, '\0'), 1843378377u, 341630388u},
        {"\xFF\x80\x40\x01", 3359486273u, 2916354366u},
        {"this is 11c", 3384459500u, 1497460513u},
        {"this is 12ch", 313177311u, 1671722359u},
        {"this is >12ch", 2321813933u, 4197822112u},
        {"this is much large than 12 characters", 2771373033u, 1338302094u},
        {"hello world", 447289830u, 0},
        {"", 3175731469u, 0},
        {"a", 703514648u, 0},
    };
    for (const auto& c : cases) {
        const std::string padded = c.key + "ZZZZZZZZZZZZ";
        EXPECT_EQ(hashOf(c.key, 0), c.hash) << c.key;
        EXPECT_EQ(bv::lookup2(reinterpret_cast<const uint8_t*>(padded.data()), uint32_t(c.key.size()), 0),
                  c.hash)
            << c.key;
        if (c.chained) {
            EXPECT_EQ(hashOf(c.key, c.hash), c.chained) << c.key;
        }
    }
}

// A name's hash is lookup2 of its upper-case form with the initial value 123456 (the values
// worked with a separate lookup2 that matches the published ones above).
TEST(NameHashTest, FoldsAsciiLettersOnlyAndHashesAtMost999Characters) {
    EXPECT_EQ(bv::nameHash("Logos.bin"), 0xA032566Du);
    EXPECT_EQ(bv::nameHash(nullptr), 0x1B2CE801u); // as the empty name
    const struct {
        const char *a, *b;
        bool same;
    } pairs[] = {
        {"logos.bin", "LOGOS.BIN", true},       {"\xE9", "\xC9", false}, {"{", "[", false},
        {"quitDlgTitle", "quitDlgTitl", false}, {"a", "ab", false},      {"", "", true},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(bv::namesEqual(p.a, p.b), p.same) << p.a << " " << p.b;
        EXPECT_EQ(bv::nameHash(p.a) == bv::nameHash(p.b), p.same) << p.a << " " << p.b;
    }
    std::string longName(1200, 'x');
    const uint32_t first999 = bv::nameHash(longName.c_str());
    longName[999] = 'y'; // past the hashed part
    EXPECT_EQ(bv::nameHash(longName.c_str()), first999);
    longName[998] = 'y'; // still inside it
    EXPECT_NE(bv::nameHash(longName.c_str()), first999);
}

} // namespace
