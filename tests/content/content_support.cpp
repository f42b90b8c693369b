// Readers of the manifest and of the built content files, for the content tests.
#include "content/content_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "support/test_support.h"

namespace bvtest {

namespace {

// A line's words; a word in double quotes may hold spaces.
std::vector<std::string> tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> std::quoted(word, '"', '\0');) out.push_back(word);
    return out;
}

Manifest loadManifest() {
    Manifest m;
    std::ifstream in(std::string(BV_SOURCE_DIR) + "/content/manifest.txt");
    EXPECT_TRUE(in.good()) << "content/manifest.txt is missing";
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> t = tokens(line);
        if (t.empty() || t[0][0] == '#') continue;
        const std::string& kind = t[0];
        bool ok = true;
        if (kind == "key" && t.size() >= 3) {
            ManifestKey k;
            k.name = t[1];
            k.signature = t[2] == "-" ? "" : t[2];
            if (t.size() > 3) {
                k.fit = t[3];
                if (k.fit == "btn" && t.size() == 5) {
                    k.font = "arial15_blue.spr", k.width = std::stoi(t[4]);
                } else if (k.fit == "line" && t.size() == 6) {
                    k.font = t[4] + ".spr", k.width = std::stoi(t[5]);
                } else if (k.fit == "box" && t.size() == 7) {
                    k.font = t[4] + ".spr", k.width = std::stoi(t[5]), k.height = std::stoi(t[6]);
                } else {
                    ok = false;
                }
            }
            m.keys.push_back(k);
        } else if (kind == "set" && t.size() == 3) {
            m.sets[t[1]] = std::stoi(t[2]);
        } else if (kind == "exs" && t.size() == 3) {
            m.exsSets[t[1]] = std::stoi(t[2]);
        } else if (kind == "pic" && t.size() >= 4) {
            PictureRule r;
            r.set = t[1], r.first = std::stoi(t[2]), r.last = std::stoi(t[3]);
            for (size_t i = 4; i < t.size() && ok; ++i) {
                const std::string& rule = t[i];
                if (rule.rfind("anchor=", 0) == 0)
                    r.anchor = rule.substr(7);
                else if (rule == "square")
                    r.square = true;
                else
                    ok = std::sscanf(rule.c_str(), "size=%dx%d", &r.sizeW, &r.sizeH) == 2 ||
                         std::sscanf(rule.c_str(), "min=%dx%d", &r.minW, &r.minH) == 2 ||
                         std::sscanf(rule.c_str(), "max=%dx%d", &r.maxW, &r.maxH) == 2;
            }
            m.pictureRules.push_back(r);
        } else if (kind == "font" && (t.size() == 2 || t.size() == 3)) {
            std::string base;
            if (t.size() == 3) {
                ok = t[2].rfind("metrics=", 0) == 0;
                base = t[2].substr(8);
            }
            m.fonts.emplace_back(t[1], base);
        } else if (kind == "sound" && (t.size() == 4 || t.size() == 6)) {
            ManifestSound s;
            s.id = std::stoi(t[1]), s.file = t[2], s.music = t[3] == "music";
            ok = s.music || t[3] == "effect";
            if (t.size() == 6) s.minSeconds = std::stod(t[4]), s.maxSeconds = std::stod(t[5]);
            m.sounds.push_back(s);
        } else {
            ok = false;
        }
        EXPECT_TRUE(ok) << "manifest line " << number << " is malformed: " << line;
    }
    return m;
}

} // namespace

const Manifest& manifest() {
    static const Manifest m = loadManifest();
    return m;
}

std::string gameDir() {
    return BV_GAME_DIR;
}
std::string contentDir() {
    return std::filesystem::path(BV_GAME_DIR).parent_path().string() + "/content";
}

std::string placeholderSignature(const std::u16string& text) {
    std::string sig;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') continue;
        if (i + 1 < text.size() && (text[i + 1] == u'd' || text[i + 1] == u's' || text[i + 1] == u'f'))
            sig.push_back(char(text[i + 1]));
        ++i; // the formatter copies or converts the character after '%' either way
    }
    return sig;
}

const bv::Font& font(const std::string& file) {
    static std::map<std::string, bv::Font> loaded;
    ensureMemory();
    auto [it, added] = loaded.try_emplace(file);
    if (added && !bv::loadFont((contentDir() + "/" + file).c_str(), it->second)) it->second = bv::Font{};
    return it->second;
}

const bv::SpriteSet& binSet(const std::string& set) {
    static std::map<std::string, bv::SpriteSet> loaded;
    ensureMemory();
    auto [it, added] = loaded.try_emplace(set);
    if (added) {
        EXPECT_EQ(bv::loadSpriteSet((contentDir() + "/" + set).c_str(), it->second), 1) << set;
    }
    return it->second;
}

const bv::SpriteExSet& exsSet(const std::string& file) {
    static std::map<std::string, bv::SpriteExSet> loaded;
    ensureMemory();
    auto [it, added] = loaded.try_emplace(file);
    if (added) {
        EXPECT_EQ(bv::getSprEx((contentDir() + "/" + file).c_str(), it->second), 1) << file;
    }
    return it->second;
}

int opaqueCount(const bv::Sprite& s) {
    int n = 0;
    for (int32_t i = 0; i < s.width * s.height; ++i) n += (s.pixels[i] >> 24) >= 224;
    return n;
}

} // namespace bvtest
