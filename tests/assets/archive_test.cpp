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
    uint32_t hash, stored, unpacked, offset;
};

// An archive written field by field, independent of the writer under test.
std::vector<uint8_t> rawArchive(const std::vector<RawEntry>& entries, const std::vector<uint8_t>& data,
                                uint32_t count) {
    std::vector<uint8_t> out;
    putLE32(out, count);
    for (const RawEntry& e : entries) {
        putLE32(out, e.hash);
        putLE32(out, e.stored);
        putLE32(out, e.unpacked);
        putLE32(out, e.offset);
    }
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

// 5000 bytes that compress well but not to nothing.
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
    // Stored entry: bytes as they are, right after the directory.
    EXPECT_EQ(le32(archive, 4), bv::nameHash("A.TXT"));
    EXPECT_EQ(le32(archive, 8), 5u);
    EXPECT_EQ(le32(archive, 12), 0u);
    EXPECT_EQ(le32(archive, 16), 52u);
    EXPECT_EQ(std::vector<uint8_t>(archive.begin() + 52, archive.begin() + 57), text);
    // Compressed entry: a zlib stream that inflates to the original.
    EXPECT_EQ(le32(archive, 20), bv::nameHash("big.bin"));
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
    EXPECT_EQ(le32(archive, 36), bv::nameHash("EMPTY"));
    EXPECT_EQ(le32(archive, 40), 0u);
    EXPECT_EQ(le32(archive, 44), 0u);
    EXPECT_EQ(le32(archive, 48), 57u + stored);
    EXPECT_EQ(archive.size(), 57u + stored);
}

TEST_F(AssetFolderTest, NamesMatchWithoutRegardToCase) {
    writeArchive(bv::buildArchive({{"logos.bin", bytesOf("LOGO DATA")}}));
    bv::archiveOpen("bb_Blob32");
    EXPECT_EQ(loadAll("logos.bin"), bytesOf("LOGO DATA"));
    EXPECT_EQ(loadAll("LOGOS.BIN"), bytesOf("LOGO DATA"));
    EXPECT_EQ(loadAll("Logos.bin"), bytesOf("LOGO DATA"));
    EXPECT_EQ(bv::fileOpen("logos.bi", bv::kFileRead), -1);
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

TEST_F(AssetFolderTest, CompressedEntryReadsItsStoredBytesAndDeliversTheUnpackedSize) {
    const std::vector<uint8_t> original = patterned(5000);
    const std::vector<uint8_t> packed = zlibOf(original);
    std::vector<uint8_t> data = bytesOf("xyz");
    data.insert(data.end(), packed.begin(), packed.end());
    const uint32_t dataStart = 4 + 2 * 16;
    writeArchive(
        rawArchive({{bv::nameHash("PLAIN"), 3, 0, dataStart},
                    {bv::nameHash("PACKED"), static_cast<uint32_t>(packed.size()), 5000, dataStart + 3}},
                   data, 2));
    bv::archiveOpen("bb_Blob32");
    EXPECT_EQ(loadAll("plain"), bytesOf("xyz"));
    EXPECT_EQ(loadAll("packed"), original);
    EXPECT_EQ(bv::fileSize("packed"), 5000u);
    EXPECT_EQ(bv::fileSize("plain"), 3u);

    // The handle of an entry starts at its bytes.
    int32_t h = bv::fileOpen("PLAIN", bv::kFileRead);
    ASSERT_GE(h, 0);
    char got[3];
    EXPECT_EQ(bv::fileRead(h, got, 3), 3);
    bv::fileClose(h);
    EXPECT_EQ(std::string(got, 3), "xyz");
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

TEST_F(AssetFolderTest, FirstOfSeveralEntriesWithOneHashWins) {
    const uint32_t start = 4 + 2 * 16;
    writeArchive(rawArchive({{bv::nameHash("twin"), 3, 0, start}, {bv::nameHash("twin"), 3, 0, start + 3}},
                            bytesOf("onetwo"), 2));
    bv::archiveOpen("bb_Blob32");
    EXPECT_EQ(loadAll("twin"), bytesOf("one"));
}

} // namespace
