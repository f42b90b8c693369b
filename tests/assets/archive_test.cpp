// Name hashes, and archives: the writer byte by byte, stored and packed entries read back, the
// loose file that wins, and damaged archives.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>
#include <filesystem>

#include "asset_fixture.h"
#include "assets/archive.h"
#include "assets/archive_writer.h"
#include "assets/hash.h"
#include "core/memory.h"

namespace {

using bvtest::AssetFolderTest;
using bvtest::bytesOf;
using bvtest::le32;
using bvtest::putLE32;

struct RawEntry {
    const char* name;
    uint32_t stored, unpacked, offset;
};

// An archive written field by field, independent of the writer under test.
std::vector<uint8_t> rawArchive(uint32_t count, const std::vector<RawEntry>& entries,
                                const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out;
    putLE32(out, count);
    for (const RawEntry& e : entries)
        for (uint32_t v : {bv::nameHash(e.name), e.stored, e.unpacked, e.offset}) putLE32(out, v);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<uint8_t> zlibOf(const std::vector<uint8_t>& data) {
    uLongf size = compressBound(data.size());
    std::vector<uint8_t> out(size);
    EXPECT_EQ(compress2(out.data(), &size, data.data(), data.size(), 9), Z_OK);
    out.resize(size);
    return out;
}

// Bytes that compress well but not to nothing.
std::vector<uint8_t> patterned(size_t n) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>((i * 7) % 13 + (i / 500));
    return v;
}

std::vector<uint8_t> loadAll(const char* name) {
    void* buffer = nullptr;
    uint32_t n = bv::loadFile(name, buffer, 0);
    std::vector<uint8_t> out(static_cast<uint8_t*>(buffer), static_cast<uint8_t*>(buffer) + n);
    bv::memFree(buffer);
    return out;
}

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
        {"", 3175731469u, 0},
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
    // Only the first 999 characters count: 999 "X", then 998 "X" and a "Y", worked the same way.
    std::string longName(1200, 'x');
    EXPECT_EQ(bv::nameHash(longName.c_str()), 0x821CB96Fu);
    longName[999] = 'y'; // past the hashed part
    EXPECT_EQ(bv::nameHash(longName.c_str()), 0x821CB96Fu);
    longName[998] = 'y'; // still inside it
    EXPECT_EQ(bv::nameHash(longName.c_str()), 0x984B636Fu);
}

TEST(ArchiveWriterTest, WritesTheDirectoryAndDataByteByByte) {
    const std::vector<uint8_t> text = bytesOf("hello");
    const std::vector<uint8_t> big = patterned(5000);
    const std::vector<uint8_t> archive = bv::buildArchive({{"a.txt", text}, {"Big.bin", big}, {"empty", {}}});

    const auto entry = [&archive](size_t at) {
        return std::vector<uint32_t>{le32(archive, at), le32(archive, at + 4), le32(archive, at + 8),
                                     le32(archive, at + 12)};
    };
    EXPECT_EQ(le32(archive, 0), 3u);
    // Entries: the hashes of "A.TXT", "BIG.BIN" and "EMPTY" with the initial value 123456 (worked
    // with a separate lookup2), stored size, unpacked size (0: stored as it is), offset.
    EXPECT_EQ(entry(4), (std::vector<uint32_t>{0x1115FC45u, 5, 0, 52}));
    EXPECT_EQ(std::vector<uint8_t>(archive.begin() + 52, archive.begin() + 57), text);
    // The compressed entry is a zlib stream that inflates to the original.
    const uint32_t stored = le32(archive, 24);
    EXPECT_LT(stored, 5000u);
    EXPECT_EQ(entry(20), (std::vector<uint32_t>{0x27DE4D62u, stored, 5000, 57}));
    std::vector<uint8_t> inflated(5000);
    uLongf inflatedSize = inflated.size();
    ASSERT_EQ(uncompress(inflated.data(), &inflatedSize, archive.data() + 57, stored), Z_OK);
    EXPECT_EQ(inflated, big);
    // The empty entry sits at the end of the data.
    EXPECT_EQ(entry(36), (std::vector<uint32_t>{0x247E461Cu, 0, 0, 57 + stored}));
    EXPECT_EQ(archive.size(), 57u + stored);
}

TEST_F(AssetFolderTest, EntriesAreFoundByNameInAnyCaseStoredOrPacked) {
    const std::vector<uint8_t> original = patterned(5000);
    const std::vector<uint8_t> packed = zlibOf(original);
    std::vector<uint8_t> data = bytesOf("xyzonetwo");
    data.insert(data.end(), packed.begin(), packed.end());
    const uint32_t start = 4 + 4 * 16, n = uint32_t(packed.size());
    // Of two entries with one hash the first wins.
    writeArchive(rawArchive(4,
                            {{"PLAIN", 3, 0, start},
                             {"twin", 3, 0, start + 3},
                             {"twin", 3, 0, start + 6},
                             {"PACKED", n, 5000, start + 9}},
                            data));
    bv::archiveOpen("bb_Blob32");
    for (const char* name : {"plain", "PLAIN", "Plain"}) EXPECT_EQ(loadAll(name), bytesOf("xyz")) << name;
    EXPECT_EQ(bv::fileOpen("plai", bv::kFileRead), -1);
    EXPECT_EQ(loadAll("twin"), bytesOf("one"));
    EXPECT_EQ(loadAll("packed"), original);
}

TEST_F(AssetFolderTest, LooseFileInTheCurrentFolderWins) {
    writeArchive(bv::buildArchive({{"logos.bin", patterned(5000)}}));
    bv::archiveOpen("bb_Blob32");
    std::filesystem::create_directory(file("sub"));
    bvtest::writeFile(file("sub/logos.bin"), std::string("loose!"));
    std::filesystem::current_path(file("sub"));
    EXPECT_EQ(loadAll("logos.bin"), bytesOf("loose!"));
    // The loose file is matched by the file system, the archive entry still by hash.
    std::filesystem::current_path(dir_.path());
    EXPECT_EQ(loadAll("logos.bin"), patterned(5000));
}

TEST_F(AssetFolderTest, WholeFilesAreLoadedIntoBuffersThatHoldThem) {
    // Zeros pack close to deflate's best ratio: the sanity bound on unpacked sizes must accept them.
    const std::vector<uint8_t> zeros(4 << 20, 0);
    writeArchive(
        bv::buildArchive({{"plain", bytesOf("0123456789")}, {"packed", patterned(5000)}, {"zeros", zeros}}));
    bv::archiveOpen("bb_Blob32");
    EXPECT_EQ(loadAll("zeros"), zeros);
    std::vector<uint8_t> room(5000, 0xCC);
    void* buffer = room.data();

    EXPECT_EQ(bv::loadFile("plain", buffer, 9), 0u);
    EXPECT_EQ(bv::loadFile("packed", buffer, 4999), 0u);
    EXPECT_EQ(room, std::vector<uint8_t>(5000, 0xCC)) << "a refused load must not write";
    EXPECT_EQ(buffer, room.data());

    EXPECT_EQ(bv::loadFile("plain", buffer, 10), 10u);
    EXPECT_EQ(std::vector<uint8_t>(room.begin(), room.begin() + 11), bytesOf("0123456789\xCC"));
    EXPECT_EQ(bv::loadFile("packed", buffer, 5000), 5000u);
    EXPECT_EQ(room, patterned(5000));
    EXPECT_EQ(buffer, room.data());
}

using AssetDeathTest = AssetFolderTest;

TEST_F(AssetDeathTest, CutArchiveIsFatal) {
    // Two entries announced, one and a half present: 4 + 16 * 2 = 36 bytes needed, 28 given. A
    // count whose directory would not even fit 32 bits must not size an allocation either.
    std::vector<uint8_t> halfDirectory = rawArchive(2, {{"a", 0, 0, 36}}, {});
    halfDirectory.resize(28, 0);
    const std::vector<std::vector<uint8_t>> cases = {{1, 0}, halfDirectory, rawArchive(0xFFFFFFFFu, {}, {})};
    for (const std::vector<uint8_t>& bytes : cases) {
        writeArchive(bytes);
        EXPECT_EXIT(bv::archiveOpen("bb_Blob32"), testing::ExitedWithCode(255),
                    "Failed to open .* for reading!")
            << bytes.size();
    }
}

TEST_F(AssetFolderTest, EntriesOutsideTheFileOrUnpackingBadlyAreNeverRead) {
    const uint32_t data = 4 + 6 * 16;
    writeArchive(rawArchive(6,
                            {{"pastEnd", 13, 0, data},           // 12 bytes of data follow, not 13
                             {"wraps", 0x20, 0, 0xFFFFFFF0u},    // offset + size wraps around 32 bits
                             {"inflated", 4, 0x7FFFFFFFu, data}, // an unpacked size no 4 bytes give
                             {"twin", 100, 0, data},             // damaged, but a good twin follows
                             {"twin", 4, 0, data},
                             {"garbage", 8, 100, data + 4}}, // not a zlib stream
                            {'g', 'o', 'o', 'd', 1, 2, 3, 4, 5, 6, 7, 8}));
    bv::archiveOpen("bb_Blob32");

    for (const char* name : {"pastEnd", "wraps", "inflated", "garbage"}) {
        void* buffer = nullptr;
        EXPECT_EQ(bv::loadFile(name, buffer, 0), 0u) << name;
        EXPECT_EQ(buffer, nullptr) << name;
        if (std::strcmp(name, "garbage") == 0) continue;
        EXPECT_EQ(bv::fileOpen(name, bv::kFileRead), -1) << name;
    }
    EXPECT_EQ(loadAll("twin"), bytesOf("good"));
}

} // namespace
