// Readers of the manifest and of the built content files, for the content tests.
#include "content/content_support.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "assets/hash.h"

namespace bvtest {

namespace {

std::vector<std::string> tokens(const std::string& line) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
        } else if (line[i] == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos) end = line.size();
            out.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = line.find_first_of(" \t", i);
            if (end == std::string::npos) end = line.size();
            out.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return out;
}

bool parseSize(const std::string& value, int& w, int& h) {
    return std::sscanf(value.c_str(), "%dx%d", &w, &h) == 2;
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
                else if (rule.rfind("size=", 0) == 0)
                    ok = parseSize(rule.substr(5), r.sizeW, r.sizeH);
                else if (rule.rfind("min=", 0) == 0)
                    ok = parseSize(rule.substr(4), r.minW, r.minH);
                else if (rule.rfind("max=", 0) == 0)
                    ok = parseSize(rule.substr(4), r.maxW, r.maxH);
                else if (rule == "square")
                    r.square = true;
                else
                    ok = false;
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
std::string toolsDir() {
    return BV_TOOLS_DIR;
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    if (at + 4 > b.size()) return 0;
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

std::map<uint32_t, std::vector<uint8_t>> readArchive(const std::string& path) {
    std::map<uint32_t, std::vector<uint8_t>> entries;
    std::vector<uint8_t> blob = readBytes(path);
    uint32_t n = le32(blob, 0);
    if (blob.size() < 4 || (blob.size() - 4) / 16 < n) return entries;
    for (uint32_t i = 0; i < n; ++i) {
        size_t at = 4 + size_t(i) * 16;
        uint32_t hash = le32(blob, at), stored = le32(blob, at + 4), unpacked = le32(blob, at + 8);
        uint32_t offset = le32(blob, at + 12);
        if (size_t(offset) + stored > blob.size()) return {};
        std::vector<uint8_t> bytes(blob.begin() + offset, blob.begin() + offset + stored);
        if (unpacked != 0) {
            std::vector<uint8_t> inflated(unpacked);
            uLongf length = unpacked;
            if (uncompress(inflated.data(), &length, bytes.data(), stored) != Z_OK || length != unpacked)
                return {};
            bytes = std::move(inflated);
        }
        entries[hash] = std::move(bytes);
    }
    return entries;
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

const FontGlyph& Font::glyphFor(int code) const {
    static const FontGlyph none;
    if (glyphs.empty()) return none;
    if (code >= 0 && size_t(code) < glyphs.size() && glyphs[size_t(code)].code == code)
        return glyphs[size_t(code)];
    for (const FontGlyph& g : glyphs)
        if (g.code == code) return g;
    return glyphs[0];
}

int Font::lineHeight() const {
    int h = glyphFor('A').height;
    return h + h / 2;
}

int Font::textWidth(const std::u16string& text) const {
    int w = 0;
    for (char16_t c : text) w += glyphFor(c).advance;
    return w;
}

int Font::wrappedLines(const std::u16string& text, int width) const {
    auto space = [](char16_t c) { return c == u' ' || c == u'\r'; };
    int lines = 1, pen = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == u'\n') {
            ++lines, pen = 0, ++i;
            while (i < text.size() && space(text[i])) ++i;
            continue;
        }
        size_t j = i;
        int w = 0;
        while (j < text.size() && space(text[j])) w += glyphFor(text[j++]).advance;
        while (j < text.size() && !space(text[j]) && text[j] != u'\n') w += glyphFor(text[j++]).advance;
        if (pen + w >= width && pen != 0) {
            ++lines, pen = 0;
            while (i < text.size() && space(text[i])) ++i;
            continue;
        }
        pen += w;
        i = j;
    }
    return lines;
}

Font parseFont(const std::vector<uint8_t>& b) {
    Font f;
    if (b.size() < 572 || le32(b, 12) != 552 || le32(b, 16) != 344) {
        f.problem = "bad header";
        return f;
    }
    uint32_t count = le32(b, 20 + 12);
    size_t at = 572;
    for (uint32_t i = 0; i < count; ++i) {
        if (at + 344 > b.size()) {
            f.problem = "truncated record " + std::to_string(i);
            return f;
        }
        FontGlyph g;
        g.xOffset = int32_t(le32(b, at)), g.yOffset = int32_t(le32(b, at + 4));
        g.width = int32_t(le32(b, at + 40)), g.height = int32_t(le32(b, at + 44));
        g.advance = int32_t(le32(b, at + 72)), g.yAdvance = int32_t(le32(b, at + 76));
        g.code = int32_t(le32(b, at + 80));
        at += 344;
        size_t bytes = size_t(std::max(g.width, 0)) * size_t(std::max(g.height, 0)) * 4;
        if (g.width < 0 || g.height < 0 || at + bytes > b.size()) {
            f.problem = "bad pixels of glyph " + std::to_string(i);
            return f;
        }
        g.pixels.assign(b.begin() + long(at), b.begin() + long(at + bytes));
        at += bytes;
        f.glyphs.push_back(std::move(g));
    }
    if (at != b.size()) {
        f.problem = "trailing bytes";
        return f;
    }
    f.ok = true;
    return f;
}

namespace {

bool readPixels(const std::vector<uint8_t>& b, size_t& at, std::vector<SetPicture>& out, bool rgba,
                std::string& problem) {
    for (size_t i = 0; i < out.size(); ++i) {
        SetPicture& p = out[i];
        if (p.width < 0 || p.height < 0) {
            problem = "negative size of picture " + std::to_string(i);
            return false;
        }
        size_t n = size_t(p.width) * size_t(p.height);
        if (at + n * 4 > b.size()) {
            problem = "pixels of picture " + std::to_string(i) + " run past the end";
            return false;
        }
        p.argb.resize(n);
        for (size_t k = 0; k < n; ++k, at += 4) {
            uint32_t c0 = b[at], c1 = b[at + 1], c2 = b[at + 2], a = b[at + 3];
            p.argb[k] = rgba ? (a << 24 | c0 << 16 | c1 << 8 | c2) : (a << 24 | c2 << 16 | c1 << 8 | c0);
        }
    }
    if (at != b.size()) {
        problem = "trailing bytes";
        return false;
    }
    return true;
}

} // namespace

bool parseBinSet(const std::vector<uint8_t>& b, std::vector<SetPicture>& out, std::string& problem) {
    uint32_t n = le32(b, 0);
    if (b.size() < 4 || (b.size() - 4) / 32 < n) {
        problem = "count past the end";
        return false;
    }
    out.assign(n, {});
    for (uint32_t i = 0; i < n; ++i) {
        size_t at = 4 + size_t(i) * 32;
        SetPicture& p = out[i];
        p.advance = int32_t(le32(b, at)), p.yAdvance = int32_t(le32(b, at + 4)),
        p.code = int32_t(le32(b, at + 8));
        p.xOffset = int32_t(le32(b, at + 12)), p.yOffset = int32_t(le32(b, at + 16));
        p.width = int32_t(le32(b, at + 20)), p.height = int32_t(le32(b, at + 24));
    }
    size_t at = 4 + size_t(n) * 32;
    return readPixels(b, at, out, true, problem);
}

bool parseExsSet(const std::vector<uint8_t>& b, std::vector<SetPicture>& out, std::string& problem) {
    uint32_t n = le32(b, 4);
    if (b.size() < 12 || (b.size() - 12) / 112 < n) {
        problem = "count past the end";
        return false;
    }
    out.assign(n, {});
    for (uint32_t i = 0; i < n; ++i) {
        size_t at = 12 + size_t(i) * 112;
        SetPicture& p = out[i];
        p.advance = int32_t(le32(b, at)), p.code = int32_t(le32(b, at + 4));
        p.xOffset = int32_t(le32(b, at + 8)), p.yOffset = int32_t(le32(b, at + 12));
        p.width = int32_t(le32(b, at + 16)), p.height = int32_t(le32(b, at + 20));
        p.yAdvance = int32_t(le32(b, at + 24));
        const char* name = reinterpret_cast<const char*>(&b[at + 32]);
        size_t len = 0;
        while (len < 80 && name[len]) ++len;
        if (len == 80) {
            problem = "name of picture " + std::to_string(i) + " is not terminated";
            return false;
        }
        p.name.assign(name, len);
    }
    size_t at = 12 + size_t(n) * 112;
    return readPixels(b, at, out, false, problem);
}

} // namespace bvtest
