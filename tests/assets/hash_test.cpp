#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "assets/hash.h"

namespace {

uint32_t hashOf(const std::string& s, uint32_t initval) {
    return bv::lookup2(reinterpret_cast<const uint8_t*>(s.data()), static_cast<uint32_t>(s.size()), initval);
}

// Values published with independent ports of the 1996 lookup2.c: every tail length class, a
// key of exactly one block, keys spanning blocks, and the chaining of a previous hash as the
// initial value (0 where none was published).
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
        EXPECT_EQ(hashOf(c.key, 0), c.hash) << c.key;
        if (c.chained) {
            EXPECT_EQ(hashOf(c.key, c.hash), c.chained) << c.key;
        }
    }
    EXPECT_EQ(bv::nameHash(nullptr), hashOf("", 123456)); // no name hashes as the empty one
}

TEST(Lookup2Test, ReadsOnlyTheGivenLength) {
    const char buffer[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (uint32_t n = 0; n <= 25; ++n) {
        std::string prefix(buffer, n);
        EXPECT_EQ(bv::lookup2(reinterpret_cast<const uint8_t*>(buffer), n, 7), hashOf(prefix, 7)) << n;
    }
}

TEST(NameHashTest, FoldsAsciiLettersOnlyWithInitialValue123456) {
    const uint32_t upper = hashOf("LOGOS.BIN", 123456);
    EXPECT_EQ(bv::nameHash("logos.bin"), upper);
    EXPECT_EQ(bv::nameHash("LOGOS.BIN"), upper);
    EXPECT_EQ(bv::nameHash("Logos.bin"), upper);
    // Bytes outside a-z keep their value: Latin-1 letters are not folded, '[' is not '{'.
    EXPECT_EQ(bv::nameHash("\xE9"), hashOf("\xE9", 123456));
    EXPECT_NE(bv::nameHash("\xE9"), bv::nameHash("\xC9"));
    EXPECT_NE(bv::nameHash("{"), bv::nameHash("["));
}

TEST(NameHashTest, HashesAtMost999Characters) {
    std::string longName(1200, 'x');
    longName[500] = 'Q';
    std::string first999 = longName.substr(0, 999);
    for (char& ch : first999) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(bv::nameHash(longName.c_str()), hashOf(first999, 123456));
    longName[998] = 'y'; // still inside the hashed part
    EXPECT_NE(bv::nameHash(longName.c_str()), hashOf(first999, 123456));
    longName[998] = 'x';
    longName[999] = 'y'; // past it
    EXPECT_EQ(bv::nameHash(longName.c_str()), hashOf(first999, 123456));
}

TEST(NameHashTest, NamesEqualFoldsTheSameWayAsTheHash) {
    EXPECT_TRUE(bv::namesEqual("quitDlgTitle", "QUITDLGTITLE"));
    EXPECT_FALSE(bv::namesEqual("quitDlgTitle", "quitDlgTitl"));
    EXPECT_FALSE(bv::namesEqual("a", "ab"));
    EXPECT_FALSE(bv::namesEqual("\xE9", "\xC9"));
    EXPECT_FALSE(bv::namesEqual("[", "{"));
    EXPECT_TRUE(bv::namesEqual("", ""));
}

} // namespace
