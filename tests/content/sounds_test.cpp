// The built sounds: every id's file is there; WAV headers and sample data are sane; Ogg streams
// are well-formed page by page (capture pattern, CRC, sequence, end of stream) with a Vorbis
// header, and music tracks last as long as the playlist expects.
#include <gtest/gtest.h>

#include <set>

#include "content/content_support.h"

namespace {

struct WavInfo {
    bool ok = false;
    std::string problem;
    int channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};

WavInfo parseWav(const std::vector<uint8_t>& b) {
    WavInfo w;
    auto u16 = [&](size_t at) { return int(b[at] | b[at + 1] << 8); };
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt ") {
        w.problem = "not a RIFF WAVE file";
        return w;
    }
    if (bvtest::le32(b, 4) != b.size() - 8) w.problem = "RIFF size does not match the file";
    if (u16(20) != 1) w.problem = "not PCM";
    w.channels = u16(22), w.rate = int(bvtest::le32(b, 24)), w.bits = u16(34);
    if (bvtest::le32(b, 28) != uint32_t(w.rate * w.channels * w.bits / 8))
        w.problem = "byte rate inconsistent";
    if (std::string(b.begin() + 36, b.begin() + 40) != "data" || bvtest::le32(b, 40) != b.size() - 44)
        w.problem = "data chunk size wrong";
    if (!w.problem.empty()) return w;
    for (size_t at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(int16_t(u16(at)));
    w.ok = true;
    return w;
}

uint32_t oggCrc(const uint8_t* data, size_t n) {
    static uint32_t table[256];
    if (!table[1])
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int k = 0; k < 8; ++k) r = r & 0x80000000u ? (r << 1) ^ 0x04C11DB7u : r << 1;
            table[i] = r;
        }
    uint32_t crc = 0;
    for (size_t i = 0; i < n; ++i) crc = (crc << 8) ^ table[((crc >> 24) ^ data[i]) & 0xFF];
    return crc;
}

struct OggInfo {
    bool ok = false;
    std::string problem;
    int channels = 0;
    uint32_t rate = 0;
    uint64_t lastGranule = 0;
    int pages = 0;
    double seconds() const { return rate ? double(lastGranule) / rate : 0; }
};

OggInfo parseOgg(const std::vector<uint8_t>& b) {
    OggInfo o;
    size_t at = 0;
    uint32_t serial = 0, expectSeq = 0;
    bool eos = false;
    while (at < b.size()) {
        if (eos) return o.problem = "data after the end-of-stream page", o;
        if (at + 27 > b.size() || std::string(b.begin() + long(at), b.begin() + long(at) + 4) != "OggS")
            return o.problem = "bad capture pattern", o;
        uint8_t flags = b[at + 5];
        uint64_t granule = 0;
        for (int i = 7; i >= 0; --i) granule = granule << 8 | b[at + 6 + size_t(i)];
        uint32_t pageSerial = bvtest::le32(b, at + 14), seq = bvtest::le32(b, at + 18),
                 crc = bvtest::le32(b, at + 22);
        size_t segments = b[at + 26], header = 27 + segments, body = 0;
        if (at + header > b.size()) return o.problem = "truncated page header", o;
        for (size_t i = 0; i < segments; ++i) body += b[at + 27 + i];
        if (at + header + body > b.size()) return o.problem = "truncated page body", o;
        std::vector<uint8_t> page(b.begin() + long(at), b.begin() + long(at + header + body));
        page[22] = page[23] = page[24] = page[25] = 0;
        if (oggCrc(page.data(), page.size()) != crc)
            return o.problem = "CRC mismatch on page " + std::to_string(seq), o;
        if (o.pages == 0) {
            serial = pageSerial;
            if (!(flags & 2)) return o.problem = "first page lacks the beginning-of-stream flag", o;
            const uint8_t* p = &b[at + header];
            if (body < 30 || p[0] != 1 || std::string(p + 1, p + 7) != "vorbis")
                return o.problem = "no Vorbis identification header", o;
            o.channels = p[11];
            o.rate = uint32_t(p[12] | p[13] << 8 | p[14] << 16 | uint32_t(p[15]) << 24);
        }
        if (pageSerial != serial) return o.problem = "serial number changes", o;
        if (seq != expectSeq++) return o.problem = "page sequence broken", o;
        if (granule != ~0ull) o.lastGranule = granule;
        eos = flags & 4;
        ++o.pages;
        at += header + body;
    }
    if (!eos) return o.problem = "no end-of-stream page", o;
    o.ok = true;
    return o;
}

std::string extension(const std::string& f) {
    return f.substr(f.rfind('.') + 1);
}

TEST(Sounds, ManifestListsFiftyIdsInOrder) {
    const auto& sounds = bvtest::manifest().sounds;
    ASSERT_EQ(sounds.size(), 50u);
    for (size_t i = 0; i < sounds.size(); ++i) {
        EXPECT_EQ(sounds[i].id, int(i));
        EXPECT_EQ(sounds[i].music, i <= 16) << sounds[i].file;
    }
}

TEST(Sounds, EffectsAreCleanShortSounds) {
    for (const bvtest::ManifestSound& s : bvtest::manifest().sounds) {
        if (s.music) continue;
        std::vector<uint8_t> bytes = bvtest::readBytes(bvtest::contentDir() + "/" + s.file);
        ASSERT_FALSE(bytes.empty()) << s.file;
        if (extension(s.file) == "ogg") {
            OggInfo o = parseOgg(bytes);
            ASSERT_TRUE(o.ok) << s.file << ": " << o.problem;
            EXPECT_GT(o.seconds(), 0.5) << s.file;
            EXPECT_LT(o.seconds(), 6.0) << s.file;
            continue;
        }
        WavInfo w = parseWav(bytes);
        ASSERT_TRUE(w.ok) << s.file << ": " << w.problem;
        EXPECT_EQ(w.bits, 16) << s.file;
        EXPECT_TRUE(w.channels == 1 || w.channels == 2) << s.file;
        EXPECT_EQ(w.rate, 44100) << s.file;
        double seconds = double(w.samples.size()) / w.channels / w.rate;
        EXPECT_GT(seconds, 0.03) << s.file;
        EXPECT_LT(seconds, 6.0) << s.file;
        int peak = 0;
        for (int16_t v : w.samples) peak = std::max(peak, std::abs(int(v)));
        EXPECT_GT(peak, 4000) << s.file << " is nearly silent";
        EXPECT_LT(peak, 32000) << s.file << " reaches full scale";
        // No click at either end.
        EXPECT_LT(std::abs(int(w.samples.front())), 400) << s.file;
        EXPECT_LT(std::abs(int(w.samples.back())), 400) << s.file;
    }
}

TEST(Sounds, MusicTracksAreWellFormedVorbisOfTheirLength) {
    std::set<uint64_t> lengths;
    for (const bvtest::ManifestSound& s : bvtest::manifest().sounds) {
        if (!s.music) continue;
        OggInfo o = parseOgg(bvtest::readBytes(bvtest::contentDir() + "/" + s.file));
        ASSERT_TRUE(o.ok) << s.file << ": " << o.problem;
        EXPECT_EQ(o.channels, 2) << s.file;
        EXPECT_EQ(o.rate, 44100u) << s.file;
        EXPECT_GE(o.seconds(), s.minSeconds) << s.file;
        EXPECT_LE(o.seconds(), s.maxSeconds) << s.file;
        lengths.insert(o.lastGranule);
    }
    EXPECT_GE(lengths.size(), 12u) << "the tracks should not all be cut to one length";
}

TEST(Sounds, OggCheckerRejectsACorruptedPage) {
    std::vector<uint8_t> bytes = bvtest::readBytes(bvtest::contentDir() + "/repairs.ogg");
    ASSERT_TRUE(parseOgg(bytes).ok);
    bytes[bytes.size() / 2] ^= 0x40;
    EXPECT_FALSE(parseOgg(bytes).ok);
    bytes.resize(bytes.size() - 10);
    EXPECT_FALSE(parseOgg(bytes).ok);
}

} // namespace
