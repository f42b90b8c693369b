// The built fonts: glyph indexing, coverage, metric pairs and the baseline convention the
// screens' layout relies on.
#include <gtest/gtest.h>

#include "assets/strings.h"
#include "content/content_support.h"
#include "support/test_support.h"

namespace {

using bvtest::Font;
using bvtest::FontGlyph;

Font loadFont(const std::string& file) {
    return bvtest::loadFont(file);
}

bool hasInk(const FontGlyph& g) {
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.alpha(x, y) >= 96) return true;
    return false;
}

// Per font: one glyph per Latin-1 code at its own index, glyph 0 (drawn for missing characters)
// blank, the characters amounts and names need drawn, and capitals and digits on one baseline
// below the pen (the pen is the top of the line).
TEST(Fonts, EveryFontIndexesLatin1DrawsWhatTextsNeedOnOneBaseline) {
    ASSERT_EQ(bvtest::manifest().fonts.size(), 11u);
    std::string needed = "A0123456789$,.-%/():_KM";
    for (int c = 0xC0; c <= 0xFF; ++c)
        if (c != 0xD7 && c != 0xF7) needed.push_back(char(c));
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        SCOPED_TRACE(file);
        Font f = loadFont(file);
        ASSERT_TRUE(f.ok);
        ASSERT_EQ(f.glyphs.size(), 256u);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(f.glyphs[size_t(i)].code, i) << "glyph " << i;
            EXPECT_EQ(f.glyphs[size_t(i)].yAdvance, 0) << "glyph " << i;
        }
        EXPECT_FALSE(hasInk(f.glyphs[0]));
        EXPECT_GT(f.glyphs[' '].advance, 0);
        for (char ch : needed) {
            const FontGlyph& g = f.glyphs[size_t(static_cast<unsigned char>(ch))];
            EXPECT_TRUE(g.advance > 0 && hasInk(g)) << "character " << int(static_cast<unsigned char>(ch));
        }
        const FontGlyph& a = f.glyphs['A'];
        EXPECT_GE(a.yOffset, 0);
        for (char c : std::string("BEHKMNRTXZ014579")) {
            const FontGlyph& g = f.glyphs[size_t(c)];
            EXPECT_NEAR(g.yOffset + g.height, a.yOffset + a.height, 1) << "'" << c << "' off the baseline";
        }
    }
}

TEST(Fonts, MetricPairsLayOutIdenticallyByIndex) {
    int pairs = 0;
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        if (base.empty()) continue;
        ++pairs;
        Font variant = loadFont(file), original = loadFont(base);
        ASSERT_TRUE(variant.ok && original.ok) << file;
        ASSERT_EQ(variant.glyphs.size(), original.glyphs.size());
        for (size_t i = 0; i < variant.glyphs.size(); ++i) {
            const FontGlyph &a = variant.glyphs[i], &b = original.glyphs[i];
            EXPECT_TRUE(a.xOffset == b.xOffset && a.yOffset == b.yOffset && a.width == b.width &&
                        a.height == b.height && a.advance == b.advance)
                << file << " and " << base << " differ at glyph " << i;
        }
    }
    EXPECT_EQ(pairs, 3);
}

// Line height is one and a half heights of 'A', as the game lays out paragraphs.
TEST(Fonts, LineHeightsSuitTheLayout) {
    auto lineHeight = [](const char* file) {
        const Font f = loadFont(file);
        const int h = f.ok ? f.glyphs['A'].height : 0;
        return h + h / 2;
    };
    EXPECT_EQ(lineHeight("arial15_brown.spr"), 16);
    EXPECT_EQ(lineHeight("arial20_brown.spr"), 21);
    EXPECT_GE(lineHeight("oliversb8.spr"), 8);
    EXPECT_LE(lineHeight("oliversb8.spr"), 12);
}

TEST(Fonts, EveryCharacterOfEveryTextIsInEveryFont) {
    bvtest::ensureMemory();
    bv::resetTextForTests();
    bv::initText((bvtest::contentDir() + "/bvx_2_english.txt").c_str());
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        Font f = loadFont(file);
        ASSERT_TRUE(f.ok);
        for (const bvtest::ManifestKey& key : bvtest::manifest().keys) {
            const char16_t* t = bv::text(key.name.c_str());
            if (!t) continue; // reported by the string-table tests
            for (const char16_t* c = t; *c; ++c) {
                if (*c == u'\n' || *c == bv::kLineBreakFiller) continue;
                ASSERT_LT(int(*c), 256) << key.name;
                EXPECT_GT(f.glyphs[*c].advance, 0)
                    << file << " lacks character " << int(*c) << " of " << key.name;
            }
        }
    }
    bv::resetTextForTests();
}

} // namespace
