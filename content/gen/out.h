// What every content generator writes: pictures and their sets (".bin", ".exs"), bitmap fonts
// (".spr"), PNG files and WAV sounds, all little-endian, all byte-for-byte reproducible.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bv::gen {

// A picture with straight (not premultiplied) alpha: pixels 0xAARRGGBB, rows from the top.
// xOffset/yOffset place its top-left corner relative to the point it is drawn at.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    int32_t xOffset = 0;
    int32_t yOffset = 0;
    std::vector<uint32_t> pixels;
    std::string name; // only named sets (".exs") store it

    Picture() = default;
    Picture(int32_t w, int32_t h) : width(w), height(h), pixels(size_t(w) * size_t(h), 0) {}
    uint32_t& at(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }

    void anchorCentre() { xOffset = -width / 2, yOffset = -height / 2; }
    void anchorTopLeft() { xOffset = 0, yOffset = 0; }
    void anchorBottomCentre() { xOffset = -width / 2, yOffset = -height; }
};

// One glyph of a bitmap font: its picture (offsets relative to the pen) and the pen advance.
struct Glyph {
    int32_t code = 0;
    int32_t advance = 0;
    Picture picture;
};

// Little-endian byte building.
class Bytes {
  public:
    void u8(uint8_t v) { data_.push_back(v); }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void u32(uint32_t v) {
        for (int i = 0; i < 4; ++i) data_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void u16(uint16_t v) { data_.push_back(uint8_t(v & 0xFF)), data_.push_back(uint8_t(v >> 8)); }
    void zeros(size_t n) { data_.insert(data_.end(), n, 0); }
    void text(const std::string& s) { data_.insert(data_.end(), s.begin(), s.end()); }
    void append(const std::vector<uint8_t>& more) { data_.insert(data_.end(), more.begin(), more.end()); }
    const std::vector<uint8_t>& data() const { return data_; }
    size_t size() const { return data_.size(); }

  private:
    std::vector<uint8_t> data_;
};

// Writes the bytes (creating folders as needed); a failure ends the generator with a message.
void writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Plain set: N, N records (advance, yAdvance, code, xOffset, yOffset, width, height, 0), then
// each picture's pixels as bytes R, G, B, A.
std::vector<uint8_t> encodeBinSet(const std::vector<Picture>& pictures);
// Named set: (0, N, 0), N records of the eight sprite words in memory order (advance, code,
// xOffset, yOffset, width, height, yAdvance, 0) and an 80-byte name, then pixels as B, G, R, A.
std::vector<uint8_t> encodeExsSet(const std::vector<Picture>& pictures);
// Font: three zero words, header size 552, record size 344, the 552-byte header (glyph count at
// its offset 12), then per glyph a 344-byte record and its pixels as B, G, R, A.
std::vector<uint8_t> encodeFont(const std::vector<Glyph>& glyphs);
// PNG, 8-bit RGBA, no time stamp (reproducible).
std::vector<uint8_t> encodePng(const Picture& picture);
// 16-bit PCM WAV.
std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int channels, int rate);

// Where a generator writes: argv[1] of every generator.
std::string outPath(const std::string& folder, const std::string& name);

// A small deterministic random source (SplitMix64), so that the same seed always gives the
// same content on every machine.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n); 0 for n <= 0.
    int below(int n) { return n <= 0 ? 0 : int(next() % uint64_t(n)); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * double(next() >> 11) / 9007199254740992.0; }
    bool chance(double p) { return range(0, 1) < p; }

  private:
    uint64_t state_;
};

[[noreturn]] void die(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace bv::gen
