// The built string table against the manifest: every key the game looks up is there with exactly
// the placeholders the code passes, and every text fits where it is drawn. The built fonts: glyph
// indexing, coverage of every text, metric pairs and the baseline the screens' layout relies on.
#include <gtest/gtest.h>

#include <set>

#include "assets/strings.h"
#include "content/content_support.h"
#include "gfx/text.h"
#include "support/test_support.h"

namespace {

using bvtest::manifest;

std::string upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The keys of the built UTF-16 file (every other quoted string, from the first), read
// independently of the game's loader.
std::vector<std::string> builtKeys() {
    std::vector<uint8_t> b = bvtest::readFile(bvtest::contentDir() + "/bvx_2_english.txt");
    std::u16string units;
    for (size_t i = 0; i + 1 < b.size(); i += 2) units.push_back(char16_t(b[i] | b[i + 1] << 8));
    std::vector<std::string> keys;
    bool key = true;
    for (size_t open = units.find(u'"'); open != std::u16string::npos; open = units.find(u'"', open + 1)) {
        std::string s;
        for (++open; open < units.size() && units[open] != u'"'; ++open) {
            if (units[open] == u'\\' && open + 1 < units.size()) ++open; // an escaped character
            s.push_back(char(units[open]));
        }
        if (key) keys.push_back(s);
        key = !key;
    }
    return keys;
}

class StringTable : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        bvtest::ensureMemory();
        bv::resetTextForTests();
        bv::initText((bvtest::contentDir() + "/bvx_2_english.txt").c_str());
    }
    static void TearDownTestSuite() { bv::resetTextForTests(); }
};

TEST_F(StringTable, EveryManifestKeyHasATextWithExactlyItsPlaceholders) {
    ASSERT_GT(manifest().keys.size(), 280u);
    for (const bvtest::ManifestKey& key : manifest().keys) {
        const char16_t* t = bv::text(key.name.c_str());
        ASSERT_NE(t, nullptr) << "missing key " << key.name;
        std::u16string text(t);
        EXPECT_FALSE(text.empty()) << key.name;
        EXPECT_EQ(bvtest::placeholderSignature(text), key.signature) << "placeholders of " << key.name;
    }
}

TEST_F(StringTable, FileHoldsOnlyManifestKeysEachOnce) {
    std::set<std::string> known;
    for (const bvtest::ManifestKey& key : manifest().keys) {
        EXPECT_TRUE(known.insert(upper(key.name)).second) << "manifest lists " << key.name << " twice";
    }
    std::set<std::string> seen;
    const std::vector<std::string> keys = builtKeys();
    EXPECT_EQ(keys.size(), known.size());
    for (const std::string& key : keys) {
        EXPECT_TRUE(seen.insert(upper(key)).second) << "key twice in the table: " << key;
        EXPECT_TRUE(known.count(upper(key))) << "key not in the manifest: " << key;
    }
}

// Typical arguments: two-digit counts, a rate, and a money text of typical length.
std::u16string withSampleArguments(const std::u16string& text) {
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size()) {
            char16_t c = text[i + 1];
            if (c == u'd')
                out += u"99";
            else if (c == u's')
                out += u"$250,000";
            else if (c == u'f')
                out += u"15.5";
            else
                out += text.substr(i, 2);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// Centred lines and labels hold no line break, and every text fits its button, line or box.
TEST_F(StringTable, TextsFitTheirButtonsLinesAndBoxes) {
    // Measured with the game's own layout on the built fonts; the room comes from the manifest.
    for (const bvtest::ManifestKey& key : manifest().keys) {
        if (key.fit.empty()) continue;
        ASSERT_GT(bvtest::font(key.font).count, 0) << key.font;
        bv::setFont(&bvtest::font(key.font));
        std::u16string text = withSampleArguments(bv::text(key.name.c_str()));
        const int width = bv::textWidth(text.c_str());
        if (key.fit != "box") {
            EXPECT_EQ(text.find(u'\n'), std::u16string::npos) << key.name << " is one line";
        }
        if (key.fit == "btn") {
            EXPECT_LE(width, key.width - 16)
                << key.name << " is too wide for its " << key.width << " px button";
        } else if (key.fit == "line") {
            EXPECT_LE(width, key.width) << key.name << " is too wide for its line";
        } else {
            bv::setTextArea(0, 0, key.width, 600);
            const int lines = bv::countTextLines(text.c_str());
            EXPECT_LE(lines * bv::lineHeight(), key.height)
                << key.name << " takes " << lines << " lines of " << bv::lineHeight() << " px";
            bv::setTextArea(0, 0, 800, 600);
        }
    }
    bv::resetTextStateForTests();
}

class Fonts : public StringTable {};

bool hasInk(const bv::Glyph& g) {
    for (int32_t i = 0; i < g.width * g.height; ++i)
        if ((g.pixels[i] >> 24) >= 96) return true;
    return false;
}

// Per font: one glyph per Latin-1 code at its own index, glyph 0 (drawn for missing characters)
// blank, every character of every text and the characters amounts and names need drawn, and
// capitals and digits on one baseline below the pen (the pen is the top of the line).
TEST_F(Fonts, EveryFontIndexesLatin1DrawsWhatTextsNeedOnOneBaseline) {
    ASSERT_EQ(bvtest::manifest().fonts.size(), 11u);
    std::u16string needed = u"A0123456789$,.-%/():_KM";
    for (char16_t c = 0xC0; c <= 0xFF; ++c)
        if (c != 0xD7 && c != 0xF7) needed.push_back(c);
    std::u16string used; // drawn with some width, though a space shows no ink
    for (const bvtest::ManifestKey& key : bvtest::manifest().keys)
        if (const char16_t* t = bv::text(key.name.c_str())) // a missing key fails the string tests
            for (; *t; ++t)
                if (*t != u'\n' && *t != bv::kLineBreakFiller) used.push_back(*t);
    for (const auto& [file, base] : bvtest::manifest().fonts) {
        SCOPED_TRACE(file);
        const bv::Font& f = bvtest::font(file);
        ASSERT_EQ(f.count, 256);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(f.glyphs[i].code, i) << "glyph " << i;
            EXPECT_EQ(f.glyphs[i].yAdvance, 0) << "glyph " << i;
        }
        EXPECT_FALSE(hasInk(f.glyphs[0]));
        EXPECT_GT(f.glyphs[size_t(' ')].advance, 0);
        for (char16_t ch : needed)
            EXPECT_TRUE(f.glyphs[ch].advance > 0 && hasInk(f.glyphs[ch])) << "character " << int(ch);
        for (char16_t ch : used) {
            ASSERT_LT(int(ch), 256);
            EXPECT_GT(f.glyphs[ch].advance, 0) << "character " << int(ch) << " of a text";
        }
        const bv::Glyph& a = f.glyphs[size_t('A')];
        EXPECT_GE(a.yOffset, 0);
        for (char c : std::string("BEHKMNRTXZ014579")) {
            const bv::Glyph& g = f.glyphs[size_t(c)];
            EXPECT_NEAR(g.yOffset + g.height, a.yOffset + a.height, 1) << "'" << c << "' off the baseline";
        }
    }
}

TEST_F(Fonts, MetricPairsLayOutIdenticallyByIndex) {
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
