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
    return bvtest::parseFont(bvtest::readBytes(bvtest::contentDir() + "/" + file));
}

bool hasInk(const FontGlyph& g) {
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.alpha(x, y) >= 96) return true;
    return false;
}

TEST(Fonts, EveryFontHasOneGlyphPerLatin1CodeAtItsOwnIndex) {
    ASSERT_EQ(bvtest::manifest().fonts.size(), 11u);
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        Font f = loadFont(file);
        ASSERT_TRUE(f.ok) << file << ": " << f.problem;
        ASSERT_EQ(f.glyphs.size(), 256u) << file;
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(f.glyphs[size_t(i)].code, i) << file << " glyph " << i;
            EXPECT_EQ(f.glyphs[size_t(i)].yAdvance, 0) << file << " glyph " << i;
        }
        EXPECT_FALSE(hasInk(f.glyphs[0])) << file << ": glyph 0 (drawn for missing characters) must be blank";
    }
}

TEST(Fonts, DigitsMoneySignsAndLatin1LettersAreDrawn) {
    std::string needed = "A0123456789$,.-%/():_KM";
    for (int c = 0xC0; c <= 0xFF; ++c)
        if (c != 0xD7 && c != 0xF7) needed.push_back(char(c));
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        Font f = loadFont(file);
        ASSERT_TRUE(f.ok) << file;
        for (char ch : needed) {
            int c = static_cast<unsigned char>(ch);
            const FontGlyph& g = f.glyphs[size_t(c)];
            EXPECT_GT(g.advance, 0) << file << " character " << c;
            EXPECT_TRUE(hasInk(g)) << file << " character " << c << " has no visible pixels";
        }
        EXPECT_GT(f.glyphs[' '].advance, 0) << file;
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

TEST(Fonts, NameEntryAcceptsPrintableCharactersAndSpaceButNoControls) {
    Font gold = loadFont("arial15_bld_gold.spr");
    ASSERT_TRUE(gold.ok);
    for (int c = 0; c < 256; ++c) {
        bool printable = (c >= 32 && c < 127) || c > 160;
        EXPECT_EQ(gold.glyphs[size_t(c)].width > 0, printable) << "character " << c;
    }
}

TEST(Fonts, CapitalsAndDigitsShareOneBaselineBelowThePen) {
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        Font f = loadFont(file);
        ASSERT_TRUE(f.ok);
        const FontGlyph& a = f.glyphs['A'];
        EXPECT_GE(a.yOffset, 0) << file << ": the pen is the top of the line";
        for (char c : std::string("BEHKMNRTXZ014579")) {
            const FontGlyph& g = f.glyphs[size_t(c)];
            EXPECT_NEAR(g.yOffset + g.height, a.yOffset + a.height, 1)
                << file << " '" << c << "' off the baseline";
        }
    }
}

TEST(Fonts, ButtonLabelsSitInTheMiddleOfA30PixelButton) {
    // A label's sprite takes its y offset from 'A' and is drawn 8 px above the button's middle.
    for (const char* file : {"arial15_blue.spr", "arial15_bld.spr", "arial15_bld_glw.spr"}) {
        Font f = loadFont(file);
        ASSERT_TRUE(f.ok);
        const FontGlyph& a = f.glyphs['A'];
        double capitalsMiddle = -8 + a.yOffset + a.height / 2.0;
        EXPECT_NEAR(capitalsMiddle, 0, 2) << file;
    }
}

TEST(Fonts, LineHeightsSuitTheLayout) {
    EXPECT_EQ(loadFont("arial15_brown.spr").lineHeight(), 16);
    EXPECT_EQ(loadFont("arial20_brown.spr").lineHeight(), 21);
    Font small = loadFont("oliversb8.spr");
    EXPECT_GE(small.lineHeight(), 8);
    EXPECT_LE(small.lineHeight(), 12);
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
