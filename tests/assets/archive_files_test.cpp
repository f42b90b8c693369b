// Damaged archives, the file-handle layer and folder changes.
#include <gtest/gtest.h>

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
using bvtest::putLE32;

std::vector<uint8_t> header(uint32_t count) {
    std::vector<uint8_t> out;
    putLE32(out, count);
    return out;
}

void addEntry(std::vector<uint8_t>& out, const char* name, uint32_t stored, uint32_t unpacked,
              uint32_t offset) {
    putLE32(out, bv::nameHash(name));
    putLE32(out, stored);
    putLE32(out, unpacked);
    putLE32(out, offset);
}

using AssetDeathTest = AssetFolderTest;

TEST_F(AssetDeathTest, MissingArchiveIsFatal) {
    EXPECT_EXIT(bv::archiveOpen("bb_Blob32"), testing::ExitedWithCode(255),
                "Failed to open .*/bb_Blob32 for reading!");
}

TEST_F(AssetDeathTest, ArchiveShorterThanItsCountIsFatal) {
    writeArchive({1, 0});
    EXPECT_EXIT(bv::archiveOpen("bb_Blob32"), testing::ExitedWithCode(255), "Failed to open .* for reading!");
}

TEST_F(AssetDeathTest, DirectoryLargerThanTheFileIsFatal) {
    // Two entries announced, one and a half present: 4 + 16 * 2 = 36 bytes needed, 28 given.
    std::vector<uint8_t> bytes = header(2);
    addEntry(bytes, "a", 0, 0, 36);
    bytes.resize(28, 0);
    writeArchive(bytes);
    EXPECT_EXIT(bv::archiveOpen("bb_Blob32"), testing::ExitedWithCode(255), "Failed to open .* for reading!");
    // A count whose directory would not even fit 32 bits must not size an allocation either.
    writeArchive(header(0xFFFFFFFFu));
    EXPECT_EXIT(bv::archiveOpen("bb_Blob32"), testing::ExitedWithCode(255), "Failed to open .* for reading!");
}

TEST_F(AssetFolderTest, EntriesOutsideTheFileAreNeverRead) {
    std::vector<uint8_t> bytes = header(5);
    const uint32_t data = 4 + 5 * 16;
    addEntry(bytes, "pastEnd", 10, 0, data);           // 4 bytes of data follow, not 10
    addEntry(bytes, "wraps", 0x20, 0, 0xFFFFFFF0u);    // offset + size wraps around 32 bits
    addEntry(bytes, "inflated", 4, 0x7FFFFFFFu, data); // an unpacked size no 4 bytes can produce
    addEntry(bytes, "twin", 100, 0, data);             // damaged, but a good twin follows
    addEntry(bytes, "twin", 4, 0, data);
    bytes.insert(bytes.end(), {'g', 'o', 'o', 'd'});
    writeArchive(bytes);
    bv::archiveOpen("bb_Blob32");

    for (const char* name : {"pastEnd", "wraps", "inflated"}) {
        void* buffer = nullptr;
        EXPECT_EQ(bv::fileOpen(name, bv::kFileRead), -1) << name;
        EXPECT_EQ(bv::loadFile(name, buffer, 0), 0u) << name;
        EXPECT_EQ(buffer, nullptr) << name;
        EXPECT_EQ(bv::fileSize(name), 0u) << name;
    }
    void* buffer = nullptr;
    ASSERT_EQ(bv::loadFile("twin", buffer, 0), 4u);
    EXPECT_EQ(std::string(static_cast<char*>(buffer), 4), "good");
    bv::memFree(buffer);
}

TEST_F(AssetFolderTest, CorruptCompressedBytesDeliverNothing) {
    std::vector<uint8_t> bytes = header(1);
    addEntry(bytes, "garbage", 8, 100, 4 + 16);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5, 6, 7, 8});
    writeArchive(bytes);
    bv::archiveOpen("bb_Blob32");
    void* buffer = nullptr;
    EXPECT_EQ(bv::loadFile("garbage", buffer, 0), 0u);
    EXPECT_EQ(buffer, nullptr);
}

TEST_F(AssetFolderTest, LargeRunsOfZerosSurviveTheRoundTrip) {
    // Close to deflate's best ratio: the sanity bound on unpacked sizes must still accept it.
    const std::vector<uint8_t> zeros(4 << 20, 0);
    writeArchive(bv::buildArchive({{"zeros", zeros}}));
    bv::archiveOpen("bb_Blob32");
    ASSERT_EQ(bv::fileSize("zeros"), zeros.size());
    void* buffer = nullptr;
    ASSERT_EQ(bv::loadFile("zeros", buffer, 0), zeros.size());
    EXPECT_EQ(std::memcmp(buffer, zeros.data(), zeros.size()), 0);
    bv::memFree(buffer);
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
    h = bv::openWithExtension("level3", "bvx", nullptr, bv::kFileRead);
    EXPECT_GE(h, 0);
    bv::fileClose(h);
    h = bv::openWithExtension("level3.tar.gz", "bvx", nullptr, bv::kFileRead);
    EXPECT_GE(h, 0);
    bv::fileClose(h);
    EXPECT_EQ(bv::openWithExtension("level4.bvx", "bvx", nullptr, bv::kFileRead), -1);
}

} // namespace
