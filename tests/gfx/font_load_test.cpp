// The ".spr" font loader: fields at their record offsets, the header checks, files that lie about
// their glyph count or sizes, metric copies and glyph lookup.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

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
    EXPECT_EQ((std::vector<int32_t>{g.code, g.xOffset, g.yOffset, g.width, g.height, g.advance, g.yAdvance}),
              (std::vector<int32_t>{'A', -2, 4, 2, 3, 9, 1}));
    EXPECT_EQ(g.pixels[0], 0xFF102030u);
    EXPECT_EQ(g.pixels[5], 0xFF102035u);
    EXPECT_EQ(font.glyphs[2].pixels[0], 0x80FFFFFFu);
    EXPECT_EQ(font.glyphs[0].pixels, nullptr);
}

// Each file loaded over a font of one glyph 'x': a wrong header size, or no file, leaves that font;
// a wrong record size empties it; a count beyond the data is cut to the glyphs there; a glyph
// whose pixels run past the data, or whose size is negative or overflows, ends the font.
TEST_F(FontLoadTest, DamagedFilesAreRefusedOrCut) {
    using texttest::sprFile;
    std::vector<uint8_t> cut = sprFile({glyph('a', 2, 2, 1), glyph('b', 3, 3, 2), glyph('c', 1, 1, 3)});
    cut.erase(cut.end() - (4 + 344 + 4), cut.end()); // 'c' gone, 'b' one pixel short
    SprGlyph negative = glyph('n', 1, 1, 1), giant = glyph('g', 0, 0, 0);
    negative.height = -1;
    giant.width = 0x7FFFFFFF, giant.height = 0x7FFFFFFF;
    const struct {
        const char* name;
        std::optional<std::vector<uint8_t>> bytes;
        bool loaded;
        int count, lastCode;
    } cases[] = {
        // clang-format off
        {"header size 551", sprFile({glyph('y', 1, 1, 1)}, std::nullopt, 551), false, 1, 'x'},
        {"no file", std::nullopt, false, 1, 'x'},
        {"shorter than the header", std::vector<uint8_t>(15, 0), false, 1, 'x'},
        {"record size 343", sprFile({glyph('y', 1, 1, 1)}, std::nullopt, 552, 343), false, 0, 0},
        {"count beyond the data", sprFile({glyph('a', 2, 2, 1), glyph('b', 1, 1, 2)}, 0x7FFFFFFF), true, 2, 'b'},
        {"negative count", sprFile({glyph('a', 1, 1, 1)}, -5), false, 0, 0},
        {"pixels cut short", cut, true, 1, 'a'},
        {"negative height", sprFile({glyph('a', 1, 1, 1), negative, glyph('z', 1, 1, 1)}), true, 1, 'a'},
        {"overflowing size", sprFile({glyph('a', 1, 1, 1), giant}), true, 1, 'a'},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        put("good.spr", sprFile({glyph('x', 1, 1, 1)}));
        ASSERT_TRUE(bv::loadFont("good.spr", font));
        std::remove(file("case.spr").c_str());
        if (c.bytes) put("case.spr", *c.bytes);
        EXPECT_EQ(bv::loadFont("case.spr", font), c.loaded);
        ASSERT_EQ(font.count, c.count);
        if (c.count > 0) {
            EXPECT_EQ(font.glyphs[c.count - 1].code, c.lastCode);
        }
    }
}

TEST(FontMetrics, CopiedForCommonIndexesOnly) {
    texttest::MemFont base(4, 10), variant(6, 12);
    base.glyphs[1].xOffset = -3, base.glyphs[1].yOffset = 5, base.glyphs[1].yAdvance = 2;
    bv::copyFontMetrics(base.font, variant.font);
    // Offsets and advances from the base; the picture, here its width, stays the variant's own.
    const bv::Glyph& g = variant.glyphs[1];
    EXPECT_EQ((std::vector<int32_t>{g.xOffset, g.yOffset, g.yAdvance, g.advance, g.width}),
              (std::vector<int32_t>{-3, 5, 2, 10, 12}));
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
