#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "asset_fixture.h"
#include "assets/hash.h"
#include "assets/strings.h"
#include "assets/text_keys.h"

namespace {

using bvtest::AssetFolderTest;
using bvtest::tableFile;

std::u16string str(const char16_t* text) {
    return text ? std::u16string(text) : std::u16string(u"<none>");
}

class StringTableTest : public AssetFolderTest {
  protected:
    void load(const std::u16string& content) {
        bvtest::writeFile(file("table.txt"), tableFile(content));
        bv::initText("table.txt");
    }
};

// Each table's texts by key as the game looks them up; nullptr: no text.
TEST_F(StringTableTest, PairsAreReadByTheFilesRules) {
    const std::u16string filler(1, bv::kLineBreakFiller), longText(6000, u'y');
    const struct {
        const char* name;
        std::u16string file;
        std::vector<std::pair<const char*, std::u16string>> found; // u"<none>" for no text
    } cases[] = {
        {"escapes: \\n is a break and its filler, \\\" a quote, any other backslash itself",
         u"\"twoLines\" \"first\\nsecond\"\r\n\"quoted\" \"say \\\"hi\\\"\"\r\n\"slash\" \"a\\b\\\\c\"\r\n",
         {{"twoLines", u"first\n" + filler + u"second"}, {"quoted", u"say \"hi\""}, {"slash", u"a\\b\\\\c"}}},
        {"keys match without regard to case",
         u"\"quitDlgTitle\" \"Leaving?\"\r\n",
         {{"QUITDLGTITLE", u"Leaving?"}, {"quitdlgtitle", u"Leaving?"}, {"quitDlgTitl", u"<none>"}}},
        {"a repeated key takes its last text, its neighbours keep theirs",
         u"\"dup\" \"first\"\n\"mid\" \"middle\"\n\"DUP\" \"second\"\n\"after\" \"last\"\n",
         {{"dup", u"second"}, {"mid", u"middle"}, {"after", u"last"}}},
        {"text outside quotes is skipped, a pair may span lines",
         u"// no quotes here\r\n\"hello\"\r\n   \"Hello there\"  trailing words\r\n\"bye\" \"Bye\"",
         {{"hello", u"Hello there"}, {"bye", u"Bye"}}},
        {"a string running into a line end drops only its pair; the end of the data ends one",
         u"\"a\" \"unterminated\r\n\"b\" \"fine\"\r\n\"c\" \"also\r\n\"d\" \"good\"\r\n\"last\" \"at the end",
         {{"a", u"<none>"}, {"b", u"fine"}, {"c", u"<none>"}, {"d", u"good"}, {"last", u"at the end"}}},
        {"overlong texts are cut at the limit",
         u"\"long\" \"" + longText + u"\"\n\"next\" \"n\"\n",
         {{"long", std::u16string(bv::kMaxTextUnits, u'y')}, {"next", u"n"}}},
        {"keys are cut to their low bytes: U+0171 is 'q'", u"\"\u0171ey\" \"value\"\n", {{"qey", u"value"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bv::resetTextForTests();
        load(c.file);
        for (const auto& [key, text] : c.found) EXPECT_EQ(str(bv::text(key)), text) << key;
    }
    EXPECT_EQ(bv::text(nullptr), nullptr);
}

// Keys with one text share it, an empty key is ignored, an empty text is no text.
TEST_F(StringTableTest, KeysWithTheSameTextShareOnePooledText) {
    load(u"\"\" \"orphan\"\n\"ok\" \"OK\"\n\"confirm\" \"OK\"\n\"blank\" \"\"\n\"cancel\" \"Cancel\"\n");
    for (const char* none : {"", "blank", "missing"}) EXPECT_EQ(bv::text(none), nullptr) << none;
    EXPECT_EQ(bv::text("ok"), bv::text("confirm"));
    EXPECT_EQ(str(bv::text("ok")), u"OK");
}

TEST_F(StringTableTest, DifferentKeysWithOneHashStayApart) {
    // Two keys of one hash, found with a separate lookup2.
    ASSERT_EQ(bv::nameHash("k13315"), 0xE3CDC905u);
    ASSERT_EQ(bv::nameHash("k23233"), 0xE3CDC905u);
    load(u"\"k13315\" \"one\"\n\"k23233\" \"two\"\n");
    EXPECT_EQ(str(bv::text("k13315")), u"one");
    EXPECT_EQ(str(bv::text("k23233")), u"two");
}

// Keys with arguments (from the content manifest): rooms "dd", loanRate "f", and
// goalPropertiesOfVal "dsd"; every other key takes none. A text is kept only when neither
// formatter would take more, or other, arguments than the key is given.
TEST_F(StringTableTest, TextsAskingForArgumentsTheirKeyIsNotGivenAreRefused) {
    struct Case {
        const char* key;
        const char16_t* text;
        bool kept;
    };
    const Case cases[] = {
        {"rooms", u"%d bed, %d bath", true},
        {"rooms", u"%d rooms", true},
        {"ROOMS", u"%d bed %d bath %d", false},
        {"rooms", u"%s rooms", false},
        {"loanRate", u"%f% interest", true},
        {"loanRate", u"%d%%", false},
        {"goalPropertiesOfVal", u"%d at %s, %d", true},
        {"goalPropertiesOfVal", u"%d at %d", false},
        {"quitDlgTitle", u"100% sure, 50%", true},
        {"quitDlgTitle", u"%s%s%s%s", false},
        {"quitDlgTitle", u"%%d", false},
        {"quitDlgTitle", u"%-8s", false},
        {"quitDlgTitle", u"%x", false},
        {"quitDlgTitle", u"100%", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        bv::resetTextForTests();
        load(u"\"" + std::u16string(c.key, c.key + std::strlen(c.key)) + u"\" \"" + c.text + u"\"\n");
        EXPECT_EQ(str(bv::text(c.key)), c.kept ? std::u16string(c.text) : u"<none>");
    }
    // A refused text leaves an earlier one of the same key as it was.
    bv::resetTextForTests();
    load(u"\"rooms\" \"%d bed, %d bath\"\n\"rooms\" \"%s\"\n");
    EXPECT_EQ(str(bv::text("rooms")), u"%d bed, %d bath");
}

using StringTableDeathTest = StringTableTest;

TEST_F(StringTableDeathTest, MissingFileOrFileWithoutByteOrderMarkIsFatal) {
    EXPECT_EXIT(bv::initText("nothere.txt"), testing::ExitedWithCode(255),
                "Fatal error, couldn't open nothere.txt");
    bvtest::writeFile(file("plain.txt"), tableFile(u"\"k\" \"v\"", false));
    EXPECT_EXIT(bv::initText("plain.txt"), testing::ExitedWithCode(255),
                "initText was passed the file plain.txt which is not in PC Unicode format.");
    // A big-endian mark is not the mark either.
    bvtest::writeFile(file("big.txt"), std::vector<uint8_t>{0xFE, 0xFF, 0, '"'});
    EXPECT_EXIT(bv::initText("big.txt"), testing::ExitedWithCode(255), "big.txt which is not in PC Unicode");
}

TEST(TextConversionTest, WideningAndNarrowingKeepLatin1AndTheirLimits) {
    char16_t out[32];
    EXPECT_EQ(bv::widenInto(out, 32, "%d houses, %s", 12, "caf\xE9"), 15);
    EXPECT_EQ(std::u16string(out), u"12 houses, caf\u00E9");
    EXPECT_EQ(bv::widenInto(out, 4, "%s", "abcdef"), 3);
    EXPECT_EQ(std::u16string(out), u"abc");
    EXPECT_EQ(bv::widenInto(out, 1, "abc"), 0);
    EXPECT_EQ(out[0], 0);
    // widen copies literally; narrow keeps low bytes up to 998 characters.
    EXPECT_EQ(std::u16string(bv::widen("100% sure")), u"100% sure");
    EXPECT_EQ(std::u16string(bv::widen(std::string(600, 'w').c_str())),
              std::u16string(bv::kWideBufferUnits - 1, u'w'));
    EXPECT_EQ(std::u16string(bv::widen(nullptr)), u"");
    EXPECT_EQ(std::string(bv::narrow(u"\u20AC5 caf\u00E9")), std::string("\xAC"
                                                                         "5 caf\xE9"));
    EXPECT_EQ(std::string(bv::narrow(std::u16string(1200, u'n').c_str())), std::string(998, 'n'));
    EXPECT_EQ(std::string(bv::narrow(nullptr)), "");
    char small[3] = {'?', '?', '?'};
    bv::narrowInto(small, 3, u"wxyz");
    EXPECT_EQ(std::string(small), "wx");
}

// Lettered keys: the base and a capital letter; counting the letters present, wrapping round.
class TextKeysTest : public StringTableTest {
  protected:
    void SetUp() override {
        StringTableTest::SetUp();
        load(u"\"tripleA\" \"one\" \"tripleB\" \"two\" \"tripleC\" \"three\"\n\"tripleE\" \"five\" \"mixa\" "
             u"\"m0\"\n"
             u"\"MIXB\" \"m1\" \"gapA\" \"g0\" \"gapC\" \"g2\"\n");
    }
};

TEST_F(TextKeysTest, LookupFindsTheLetteredTextCountStopsAtAGapAndWrappingGoesRound) {
    EXPECT_EQ(str(bv::lookupVariant("triple", 1)), u"two");
    EXPECT_EQ(bv::lookupVariant("triple", 3), nullptr);
    EXPECT_EQ(str(bv::lookupVariant("triple", 4)), u"five");
    // The wrapped lookup goes round the letters present, counted up to the first missing one
    // whatever the case of the others: E exists but D does not.
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", 7)), u"two"); // 7 mod 3 = 1: B
    EXPECT_EQ(str(bv::lookupVariantWrapped("mix", 3)), u"m1");     // 3 mod 2 = 1
    EXPECT_EQ(str(bv::lookupVariantWrapped("gap", 5)), u"g0");     // 5 mod 1 = 0
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", 2)), u"three");
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", 3)), u"one");
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", -1)), u"three");
    EXPECT_EQ(str(bv::lookupVariantWrapped("absent", 4)), u"");
}

// The build's tool turns the UTF-8 source into the table file, run as the build runs it: the mark,
// then little-endian units. (The archive the packing tool writes is checked against the generated
// files in the content tests.)
TEST_F(StringTableTest, BvtextWritesLittleEndianUnitsAfterTheMarkByteForByte) {
    bvtest::writeFile(file("in.txt"), std::string("\"k\" \"caf\xC3\xA9 \xE2\x82\xAC\"\r\n\"a\"\n"));
    const std::string command =
        std::string(BV_TOOLS_DIR) + "/bvtext " + file("in.txt") + " " + file("out.txt");
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<uint8_t> expected = {0xFF, 0xFE, '"', 0, 'k',  0, '"', 0, ' ',  0,    '"', 0, 'c',  0,
                                           'a',  0,    'f', 0, 0xE9, 0, ' ', 0, 0xAC, 0x20, '"', 0, '\r', 0,
                                           '\n', 0,    '"', 0, 'a',  0, '"', 0, '\n', 0};
    EXPECT_EQ(bvtest::readFile(file("out.txt")), expected);
    EXPECT_FALSE(std::filesystem::exists(file("out.txt.tmp")));
}

} // namespace
