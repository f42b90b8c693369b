// Formatted texts: printText, printKey and printKeyAtPen draw what the formatter made of their
// arguments; countLines and renderTextSprite format the same way.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/asset_fixture.h"
#include "canvas.h"
#include "font_files.h"
#include "gfx/draw.h"
#include "gfx/text.h"

namespace {

using texttest::MemFont;

class TextPrintTest : public bvtest::AssetFolderTest {
  protected:
    void SetUp() override {
        AssetFolderTest::SetUp();
        bv::resetClip();
        bv::resetTextStateForTests();
        bv::setFont(&font.font);
        bv::setDrawTarget(printed.pixels());
        bvtest::writeFile(
            file("t.txt"),
            bvtest::tableFile(u"\"goalPropertiesOfVal\" \"%d houses on %s\"\n\"plain\" \"ok\"\n"));
        bv::initText("t.txt");
    }
    void TearDown() override {
        bv::resetTextStateForTests();
        AssetFolderTest::TearDown();
    }
    // The same text drawn with drawText into `expected`.
    void expect(int x, int y, bool centre, uint32_t style, const char16_t* text) {
        bv::setDrawTarget(expected.pixels());
        bv::drawText(x, y, centre, style, text);
        bv::setDrawTarget(printed.pixels());
    }
    bool same() const {
        for (int y = 0; y < gfxtest::kH; ++y)
            for (int x = 0; x < gfxtest::kW; ++x)
                if (printed.at(x, y) != expected.at(x, y)) return false;
        return true;
    }
    MemFont font;
    gfxtest::Canvas printed, expected;
};

TEST_F(TextPrintTest, PrintTextDrawsTheFormattedText) {
    bv::printText(400, 20, true, 0xFF0000u, u"%d of %s", 12, "Elm Road");
    EXPECT_EQ(bv::penX(), 400 - 125 / 2 + 125); // "12 of Elm Road": 11 letters and 3 spaces
    expect(400, 20, true, 0xFF0000u, u"12 of Elm Road");
    EXPECT_TRUE(same());
    EXPECT_GT(printed.countOther(0), 0);
}

TEST_F(TextPrintTest, PrintKeyFormatsTheTablesTextAndAMissingKeyDrawsNothing) {
    // The key is given a third argument its text leaves out.
    bv::printKey(10, 30, false, 0, "GOALPROPERTIESOFVAL", 3, "the hill", 250000);
    expect(10, 30, false, 0, u"3 houses on the hill");
    EXPECT_TRUE(same());
    bv::printKey(10, 100, false, 0, "noSuchKey", 1);
    bv::printKey(10, 100, false, 0, nullptr);
    EXPECT_TRUE(same());
}

TEST_F(TextPrintTest, PrintKeyAtPenContinuesWhereTheLastTextEnded) {
    bv::drawText(10, 40, false, 0xFFFF00u, u"status: ");
    bv::printKeyAtPen("plain");
    // Not centred, untinted, from the pen.
    expect(10, 40, false, 0xFFFF00u, u"status: ");
    expect(10 + 7 * 10 + 5, 40, false, 0, u"ok");
    EXPECT_TRUE(same());
}

TEST_F(TextPrintTest, CountLinesAndTextSpritesFormatTheirArguments) {
    bv::setTextArea(0, 0, 85, 600);
    EXPECT_EQ(bv::countLines(u"%s %s", "aaaa", "bbbb"), 2);
    EXPECT_EQ(bv::countLines(u"%d", 7), 1);

    bv::Sprite* formatted = bv::renderTextSprite(0x00FF00u, u"$%d", 250);
    bv::Sprite* plain = bv::renderPlainTextSprite(0x00FF00u, u"$250");
    ASSERT_NE(formatted, nullptr);
    ASSERT_NE(plain, nullptr);
    ASSERT_EQ(formatted->width, 40);
    EXPECT_EQ(formatted->height, plain->height);
    EXPECT_EQ(formatted->xOffset, plain->xOffset);
    EXPECT_TRUE(std::equal(formatted->pixels, formatted->pixels + 40 * 15, plain->pixels));
    EXPECT_EQ(formatted->pixels[0], 0xFF00FF00u);
    bv::freeTextSprite(formatted);
    bv::freeTextSprite(plain);
}

} // namespace
