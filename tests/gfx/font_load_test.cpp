// The ".spr" font loader: fields at their record offsets, the header checks, files that lie about
// their glyph count or sizes, metric copies and glyph lookup.
#include <gtest/gtest.h>

#include "assets/asset_fixture.h"
#include "font_files.h"
#include "gfx/font.h"

namespace {

using texttest::SprGlyph;

SprGlyph glyph(int code, int w, int h, uint32_t base) {
    SprGlyph g;
    g.code = code, g.width = w, g.height = h, g.advance = w + 1, g.xOffset = -1, g.yOffset = 3,
    g.yAdvance = 0;
    for (int i = 0; i < w * h; ++i) g.pixels.push_back(base + uint32_t(i));
    return g;
}

class FontLoadTest : public bvtest::AssetFolderTest {
  protected:
    void TearDown() override {
        bv::freeFont(font);
        AssetFolderTest::TearDown();
    }
    void put(const std::string& name, const std::vector<uint8_t>& bytes) {
        bvtest::writeFile(file(name), bytes);
    }
    bv::Font font;
};

TEST_F(FontLoadTest, GlyphFieldsComeFromTheirRecordOffsets) {
    SprGlyph a = glyph('A', 2, 3, 0xFF102030u);
    a.xOffset = -2, a.yOffset = 4, a.advance = 9, a.yAdvance = 1;
    put("t.spr", texttest::sprFile({glyph(0, 0, 0, 0), a, glyph('B', 1, 1, 0x80FFFFFFu)}));
    ASSERT_TRUE(bv::loadFont("t.spr", font));
    ASSERT_EQ(font.count, 3);
    const bv::Glyph& g = font.glyphs[1];
    EXPECT_EQ(g.code, 'A');
    EXPECT_EQ(g.xOffset, -2);
    EXPECT_EQ(g.yOffset, 4);
    EXPECT_EQ(g.width, 2);
    EXPECT_EQ(g.height, 3);
    EXPECT_EQ(g.advance, 9);
    EXPECT_EQ(g.yAdvance, 1);
    EXPECT_EQ(g.pixels[0], 0xFF102030u);
    EXPECT_EQ(g.pixels[5], 0xFF102035u);
    EXPECT_EQ(font.glyphs[2].pixels[0], 0x80FFFFFFu);
    EXPECT_EQ(font.glyphs[0].pixels, nullptr);
}

TEST_F(FontLoadTest, WrongHeaderSizeLeavesTheFontAndWrongRecordSizeEmptiesIt) {
    put("good.spr", texttest::sprFile({glyph('x', 1, 1, 1)}));
    ASSERT_TRUE(bv::loadFont("good.spr", font));
    const bv::Glyph* before = font.glyphs;
    put("header.spr", texttest::sprFile({glyph('y', 1, 1, 1)}, std::nullopt, 551));
    EXPECT_FALSE(bv::loadFont("header.spr", font));
    EXPECT_EQ(font.glyphs, before);
    EXPECT_EQ(font.count, 1);
    EXPECT_FALSE(bv::loadFont("missing.spr", font));
    EXPECT_EQ(font.count, 1);
    put("stub.spr", std::vector<uint8_t>(15, 0));
    EXPECT_FALSE(bv::loadFont("stub.spr", font));
    EXPECT_EQ(font.count, 1);

    put("record.spr", texttest::sprFile({glyph('y', 1, 1, 1)}, std::nullopt, 552, 343));
    EXPECT_FALSE(bv::loadFont("record.spr", font));
    EXPECT_EQ(font.count, 0);
}

TEST_F(FontLoadTest, CountBeyondTheDataIsCutToTheGlyphsThere) {
    put("more.spr", texttest::sprFile({glyph('a', 2, 2, 1), glyph('b', 1, 1, 2)}, 0x7FFFFFFF));
    ASSERT_TRUE(bv::loadFont("more.spr", font));
    EXPECT_EQ(font.count, 2);
    EXPECT_EQ(font.glyphs[1].code, 'b');

    put("negative.spr", texttest::sprFile({glyph('a', 1, 1, 1)}, -5));
    EXPECT_FALSE(bv::loadFont("negative.spr", font));
    EXPECT_EQ(font.count, 0);
}

TEST_F(FontLoadTest, GlyphWhosePixelsRunPastTheDataEndsTheFont) {
    std::vector<uint8_t> bytes =
        texttest::sprFile({glyph('a', 2, 2, 1), glyph('b', 3, 3, 2), glyph('c', 1, 1, 3)});
    bytes.resize(bytes.size() - 4 - 344 - 4); // 'c' gone, 'b' one pixel short
    put("cut.spr", bytes);
    ASSERT_TRUE(bv::loadFont("cut.spr", font));
    EXPECT_EQ(font.count, 1);
    EXPECT_EQ(font.glyphs[0].pixels[3], 4u);

    SprGlyph bad = glyph('n', 1, 1, 1);
    bad.height = -1;
    SprGlyph giant = glyph('g', 0, 0, 0);
    giant.width = 0x7FFFFFFF, giant.height = 0x7FFFFFFF;
    put("bad.spr", texttest::sprFile({glyph('a', 1, 1, 1), bad, glyph('z', 1, 1, 1)}));
    ASSERT_TRUE(bv::loadFont("bad.spr", font));
    EXPECT_EQ(font.count, 1);
    put("giant.spr", texttest::sprFile({glyph('a', 1, 1, 1), giant}));
    ASSERT_TRUE(bv::loadFont("giant.spr", font));
    EXPECT_EQ(font.count, 1);
}

TEST(FontMetrics, CopiedForCommonIndexesOnly) {
    texttest::MemFont base(4, 10), variant(6, 12);
    base.glyphs[1].xOffset = -3, base.glyphs[1].yOffset = 5, base.glyphs[1].yAdvance = 2;
    bv::copyFontMetrics(base.font, variant.font);
    EXPECT_EQ(variant.glyphs[1].xOffset, -3);
    EXPECT_EQ(variant.glyphs[1].yOffset, 5);
    EXPECT_EQ(variant.glyphs[1].yAdvance, 2);
    EXPECT_EQ(variant.glyphs[1].advance, 10);
    EXPECT_EQ(variant.glyphs[1].width, 12); // the picture stays the variant's own
    EXPECT_EQ(variant.glyphs[5].advance, 12);
}

TEST(FontGlyphs, FoundByIndexThenBySearchElseTheFirstGlyph) {
    texttest::MemFont f(8);
    f.glyphs[3].code = 'Z';
    f.glyphs[5].code = 'Z';
    EXPECT_EQ(bv::findGlyph(f.font, 2), &f.glyphs[2]);
    EXPECT_EQ(bv::findGlyph(f.font, 'Z'), &f.glyphs[3]);
    EXPECT_EQ(bv::findGlyph(f.font, 3), &f.glyphs[0]); // index 3 holds another code; none has 3
    EXPECT_EQ(bv::findGlyph(f.font, 0x4E2D), &f.glyphs[0]);
    EXPECT_EQ(bv::findGlyph(f.font, -1), &f.glyphs[0]);
    bv::Font empty;
    EXPECT_EQ(bv::findGlyph(empty, 'A'), nullptr);
}

} // namespace
