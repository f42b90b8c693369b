// The build tools that produce the string table and the archive, run as the build runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "asset_fixture.h"
#include "assets/archive.h"
#include "assets/archive_writer.h"
#include "assets/strings.h"
#include "core/memory.h"

namespace {

using bvtest::AssetFolderTest;
using bvtest::bytesOf;

class ToolTest : public AssetFolderTest {
  protected:
    // Runs a tool with its standard error captured; returns the exit status (0 on success).
    int run(const std::string& tool, const std::string& arguments) {
        const std::string command =
            std::string(BV_TOOLS_DIR) + "/" + tool + " " + arguments + " 2> " + file("stderr.txt");
        return std::system(command.c_str());
    }
    std::string errors() {
        std::vector<uint8_t> bytes = bvtest::readFile(file("stderr.txt"));
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(ToolTest, BvtextWritesLittleEndianUnitsAfterTheMarkByteForByte) {
    bvtest::writeFile(file("in.txt"), std::string("\"k\" \"caf\xC3\xA9 \xE2\x82\xAC\"\r\n\"a\"\n"));
    ASSERT_EQ(run("bvtext", file("in.txt") + " " + file("out.txt")), 0) << errors();
    const std::vector<uint8_t> expected = {0xFF, 0xFE, '"', 0, 'k',  0, '"', 0, ' ',  0,    '"', 0, 'c',  0,
                                           'a',  0,    'f', 0, 0xE9, 0, ' ', 0, 0xAC, 0x20, '"', 0, '\r', 0,
                                           '\n', 0,    '"', 0, 'a',  0, '"', 0, '\n', 0};
    EXPECT_EQ(bvtest::readFile(file("out.txt")), expected);
    EXPECT_FALSE(std::filesystem::exists(file("out.txt.tmp")));
}

TEST_F(ToolTest, BvtextRefusesBadInputNamingTheLine) {
    struct Case {
        const char* bytes;
        const char* line;
    };
    const Case cases[] = {
        {"ok\nok\n\"\xC3\x28\"\n", ":3:"},     // a lead byte without its continuation
        {"ok\r\n\xF0\x9F\x98\x80\r\n", ":2:"}, // U+1F600 needs two UTF-16 units
        {"\xC0\xAF", ":1:"},                   // overlong '/'
        {"x\n\xED\xA0\x80", ":2:"},            // a surrogate
        {"x\xE2\x82", ":1:"},                  // cut off at the end
        {"\x80", ":1:"},                       // a stray continuation byte
    };
    for (const Case& c : cases) {
        bvtest::writeFile(file("bad.txt"), std::string(c.bytes));
        EXPECT_NE(run("bvtext", file("bad.txt") + " " + file("out.txt")), 0) << c.bytes;
        EXPECT_NE(errors().find(std::string("bad.txt") + c.line), std::string::npos) << errors();
        EXPECT_FALSE(std::filesystem::exists(file("out.txt")));
    }
    EXPECT_NE(run("bvtext", file("missing.txt") + " " + file("out.txt")), 0);
    EXPECT_NE(errors().find("missing.txt"), std::string::npos);
}

TEST_F(ToolTest, BvpackPacksBaseNamesExactlyAsTheWriterDoes) {
    std::filesystem::create_directories(file("src/deep"));
    const std::vector<uint8_t> table = bvtest::tableFile(u"\"resumeGame\" \"Keep Playing\"\r\n");
    std::vector<uint8_t> repetitive(20000);
    for (size_t i = 0; i < repetitive.size(); ++i) repetitive[i] = static_cast<uint8_t>(i % 10);
    bvtest::writeFile(file("src/bvx_2_english.txt"), table);
    bvtest::writeFile(file("src/deep/Logos.bin"), repetitive);
    ASSERT_EQ(run("bvpack",
                  file("game.blob") + " " + file("src/bvx_2_english.txt") + " " + file("src/deep/Logos.bin")),
              0)
        << errors();
    EXPECT_EQ(bvtest::readFile(file("game.blob")),
              bv::buildArchive({{"bvx_2_english.txt", table}, {"Logos.bin", repetitive}}));
    EXPECT_FALSE(std::filesystem::exists(file("game.blob.tmp")));

    bv::archiveOpen("game.blob");
    void* buffer = nullptr;
    ASSERT_EQ(bv::loadFile("LOGOS.BIN", buffer, 0), repetitive.size());
    EXPECT_EQ(std::vector<uint8_t>(static_cast<uint8_t*>(buffer), static_cast<uint8_t*>(buffer) + 20000),
              repetitive);
    bv::memFree(buffer);
    bv::initText("bvx_2_english.txt");
    EXPECT_EQ(std::u16string(bv::text("resumeGame")), u"Keep Playing");
}

} // namespace
