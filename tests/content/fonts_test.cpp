// The built fonts: glyph indexing, coverage, metric pairs and the baseline convention the
// screens' layout relies on.
#include <gtest/gtest.h>

#include "assets/strings.h"
#include "content/content_support.h"
#include "support/test_support.h"

namespace {

bool hasInk(const bv::Glyph& g) {
    for (int32_t i = 0; i < g.width * g.height; ++i)
        if ((g.pixels[i] >> 24) >= 96) return true;
    return false;
}

// Per font: one glyph per Latin-1 code at its own index, glyph 0 (drawn for missing characters)
// blank, every character of every text and the characters amounts and names need drawn, and
// capitals and digits on one baseline below the pen (the pen is the top of the line).
TEST(Fonts, EveryFontIndexesLatin1DrawsWhatTextsNeedOnOneBaseline) {
    ASSERT_EQ(bvtest::manifest().fonts.size(), 11u);
    std::u16string needed = u"A0123456789$,.-%/():_KM";
    for (char16_t c = 0xC0; c <= 0xFF; ++c)
        if (c != 0xD7 && c != 0xF7) needed.push_back(c);
    std::u16string used; // drawn with some width, though a space shows no ink
    bvtest::ensureMemory();
    bv::resetTextForTests();
    bv::initText((bvtest::contentDir() + "/bvx_2_english.txt").c_str());
    for (const bvtest::ManifestKey& key : bvtest::manifest().keys)
        if (const char16_t* t = bv::text(key.name.c_str())) // a missing key fails the string tests
            for (; *t; ++t)
                if (*t != u'\n' && *t != bv::kLineBreakFiller) used.push_back(*t);
    bv::resetTextForTests();
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        SCOPED_TRACE(file);
        const bv::Font& f = bvtest::font(file);
        ASSERT_EQ(f.count, 256);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(f.glyphs[i].code, i) << "glyph " << i;
            EXPECT_EQ(f.glyphs[i].yAdvance, 0) << "glyph " << i;
        }
        EXPECT_FALSE(hasInk(f.glyphs[0]));
        EXPECT_GT(f.glyphs[' '].advance, 0);
        for (char16_t ch : needed)
            EXPECT_TRUE(f.glyphs[ch].advance > 0 && hasInk(f.glyphs[ch])) << "character " << int(ch);
        for (char16_t ch : used) {
            ASSERT_LT(int(ch), 256);
            EXPECT_GT(f.glyphs[ch].advance, 0) << "character " << int(ch) << " of a text";
        }
        const bv::Glyph& a = f.glyphs['A'];
        EXPECT_GE(a.yOffset, 0);
        for (char c : std::string("BEHKMNRTXZ014579")) {
            const bv::Glyph& g = f.glyphs[size_t(c)];
            EXPECT_NEAR(g.yOffset + g.height, a.yOffset + a.height, 1) << "'" << c << "' off the baseline";
        }
    }
}

TEST(Fonts, MetricPairsLayOutIdenticallyByIndex) {
    int pairs = 0;
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        if (base.empty()) continue;
        ++pairs;
        const bv::Font &variant = bvtest::font(file), &original = bvtest::font(base);
        ASSERT_TRUE(variant.count > 0 && variant.count == original.count) << file;
        for (int32_t i = 0; i < variant.count; ++i) {
            const bv::Glyph &a = variant.glyphs[i], &b = original.glyphs[i];
            EXPECT_TRUE(a.xOffset == b.xOffset && a.yOffset == b.yOffset && a.width == b.width &&
                        a.height == b.height && a.advance == b.advance)
                << file << " and " << base << " differ at glyph " << i;
        }
    }
    EXPECT_EQ(pairs, 3);
}

} // namespace
