// Archives: the writer byte by byte, stored and packed entries read back, the loose file that
// wins, damaged archives, and files opened by a changed extension.
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

TEST(ArchiveWriterTest, WritesTheDirectoryAndDataByteByByte) {
    const std::vector<uint8_t> text = bytesOf("hello");
    const std::vector<uint8_t> big = patterned(5000);
    const std::vector<uint8_t> archive = bv::buildArchive({{"a.txt", text}, {"Big.bin", big}, {"empty", {}}});

    ASSERT_GE(archive.size(), 4u + 48u);
    EXPECT_EQ(le32(archive, 0), 3u);
    // Hashes of "A.TXT", "BIG.BIN" and "EMPTY" with the initial value 123456, worked with a
    // separate lookup2. Stored entry: bytes as they are, right after the directory.
    EXPECT_EQ(le32(archive, 4), 0x1115FC45u);
    EXPECT_EQ(le32(archive, 8), 5u);
    EXPECT_EQ(le32(archive, 12), 0u);
    EXPECT_EQ(le32(archive, 16), 52u);
    EXPECT_EQ(std::vector<uint8_t>(archive.begin() + 52, archive.begin() + 57), text);
    // Compressed entry: a zlib stream that inflates to the original.
    EXPECT_EQ(le32(archive, 20), 0x27DE4D62u);
    const uint32_t stored = le32(archive, 24);
    EXPECT_LT(stored, 5000u);
    EXPECT_EQ(le32(archive, 28), 5000u);
    EXPECT_EQ(le32(archive, 32), 57u);
    std::vector<uint8_t> inflated(5000);
    uLongf inflatedSize = inflated.size();
    ASSERT_EQ(uncompress(inflated.data(), &inflatedSize, archive.data() + 57, stored), Z_OK);
    EXPECT_EQ(inflatedSize, 5000u);
    EXPECT_EQ(inflated, big);
    // Empty entry at the end of the data.
    EXPECT_EQ(le32(archive, 36), 0x247E461Cu);
    EXPECT_EQ(le32(archive, 40), 0u);
    EXPECT_EQ(le32(archive, 44), 0u);
    EXPECT_EQ(le32(archive, 48), 57u + stored);
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
    EXPECT_EQ(bv::fileSize("packed"), 5000u);
    EXPECT_EQ(bv::fileSize("plain"), 3u);
    // The handle of an entry starts at its bytes.
    int32_t h = bv::fileOpen("twin", bv::kFileRead);
    ASSERT_GE(h, 0);
    char got[3];
    EXPECT_EQ(bv::fileRead(h, got, 3), 3);
    bv::fileClose(h);
    EXPECT_EQ(std::string(got, 3), "one");
}

TEST_F(AssetFolderTest, LooseFileInTheCurrentFolderWins) {
    writeArchive(bv::buildArchive({{"logos.bin", patterned(5000)}}));
    bv::archiveOpen("bb_Blob32");
    ASSERT_EQ(bv::fileSize("logos.bin"), 5000u);
    std::filesystem::create_directory(file("sub"));
    bvtest::writeFile(file("sub/logos.bin"), std::string("loose!"));
    std::filesystem::current_path(file("sub"));
    EXPECT_EQ(loadAll("logos.bin"), bytesOf("loose!"));
    EXPECT_EQ(bv::fileSize("logos.bin"), 6u);
    // The loose file is matched by the file system, the archive entry still by hash.
    std::filesystem::current_path(dir_.path());
    EXPECT_EQ(loadAll("logos.bin"), patterned(5000));
}

TEST_F(AssetFolderTest, CallerBufferMustHoldTheWholeFile) {
    writeArchive(bv::buildArchive({{"plain", bytesOf("0123456789")}, {"packed", patterned(5000)}}));
    bv::archiveOpen("bb_Blob32");
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

TEST_F(AssetDeathTest, MissingOrCutArchiveIsFatal) {
    // Two entries announced, one and a half present: 4 + 16 * 2 = 36 bytes needed, 28 given. A
    // count whose directory would not even fit 32 bits must not size an allocation either.
    std::vector<uint8_t> halfDirectory = rawArchive(2, {{"a", 0, 0, 36}}, {});
    halfDirectory.resize(28, 0);
    const std::vector<std::vector<uint8_t>> cases = {{1, 0}, halfDirectory, rawArchive(0xFFFFFFFFu, {}, {})};
    EXPECT_EXIT(bv::archiveOpen("bb_Blob32"), testing::ExitedWithCode(255),
                "Failed to open .*/bb_Blob32 for reading!");
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
        EXPECT_EQ(bv::fileSize(name), 0u) << name;
    }
    EXPECT_EQ(loadAll("twin"), bytesOf("good"));
}

TEST_F(AssetFolderTest, LargeRunsOfZerosSurviveTheRoundTrip) {
    // Close to deflate's best ratio: the sanity bound on unpacked sizes must still accept it.
    const std::vector<uint8_t> zeros(4 << 20, 0);
    writeArchive(bv::buildArchive({{"zeros", zeros}}));
    bv::archiveOpen("bb_Blob32");
    ASSERT_EQ(bv::fileSize("zeros"), zeros.size());
    EXPECT_EQ(loadAll("zeros"), zeros);
}

TEST_F(AssetFolderTest, OpenWithExtensionReplacesEverythingFromTheFirstDot) {
    std::filesystem::create_directory(file("maps"));
    bvtest::writeFile(file("maps/level3.bvx"), std::string("scenario"));
    bvtest::writeFile(file("maps/level3.old"), std::string("wrong"));

    int32_t h = bv::openWithExtension("level3.old", "bvx", "maps", bv::kFileRead);
    ASSERT_GE(h, 0);
    char got[8];
    EXPECT_EQ(bv::fileRead(h, got, 8), 8);
    bv::fileClose(h);
    EXPECT_EQ(std::string(got, 8), "scenario");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), file("maps")));

    // Without a folder the current directory stays; a name without a dot gets the extension.
    for (const char* name : {"level3", "level3.tar.gz"}) {
        h = bv::openWithExtension(name, "bvx", nullptr, bv::kFileRead);
        EXPECT_GE(h, 0) << name;
        bv::fileClose(h);
    }
    EXPECT_EQ(bv::openWithExtension("level4.bvx", "bvx", nullptr, bv::kFileRead), -1);
}

} // namespace
