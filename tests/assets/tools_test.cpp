// The tool that writes the string table, run as the build runs it. (The archive the packing tool
// writes is checked against the generated files in the content tests.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "asset_fixture.h"

namespace {

using bvtest::AssetFolderTest;

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

} // namespace
