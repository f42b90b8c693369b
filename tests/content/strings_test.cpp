// The built string table against the manifest: every key the game looks up is there with exactly
// the placeholders the code passes, and every text fits where it is drawn.
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
        // Lookups ignore case: the upper-case spelling finds the same text.
        EXPECT_EQ(bv::text(upper(key.name).c_str()), t) << key.name;
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

} // namespace
