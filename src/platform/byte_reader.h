// Reading little-endian numbers out of a file image held in memory, never past its end. Every
// binary format of the game (archive, sprites, fonts, pictures, maps, scenarios, saves, sounds) and
// of its tools is read through here. Header-only, so that the tools can use it without linking the
// game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bv {

// --- Fixed offsets -------------------------------------------------------------------------------
// The number stored at byte `at` of a `size`-byte image, or 0 when it does not lie wholly inside.
inline uint16_t u16At(const uint8_t* data, size_t size, size_t at) {
    if (size < 2 || at > size - 2) return 0;
    return uint16_t(data[at] | data[at + 1] << 8);
}
inline uint32_t u32At(const uint8_t* data, size_t size, size_t at) {
    if (size < 4 || at > size - 4) return 0;
    return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16 |
           uint32_t(data[at + 3]) << 24;
}
inline int32_t i32At(const uint8_t* data, size_t size, size_t at) {
    return static_cast<int32_t>(u32At(data, size, at));
}

// --- Cursor --------------------------------------------------------------------------------------
// A cursor over a loaded file. Every read checks what is left; a read that does not fit fails
// and marks the reader bad, so a loader can run its steps and check once.
class ByteReader {
  public:
    ByteReader(const uint8_t* data, uint32_t size) : data_(data), size_(size) {}

    uint32_t left() const { return bad_ ? 0 : size_ - pos_; }
    bool ok() const { return !bad_; }
    bool has(uint64_t count) const { return !bad_ && count <= size_ - pos_; }

    bool u32(uint32_t& value) {
        uint8_t b[4];
        if (!bytes(b, 4)) return false;
        value = u32At(b, sizeof b, 0);
        return true;
    }
    bool i32(int32_t& value) {
        uint32_t v = 0;
        if (!u32(v)) return false;
        value = static_cast<int32_t>(v);
        return true;
    }
    bool bytes(void* target, uint64_t count) {
        if (!has(count)) return fail();
        if (count) std::memcpy(target, data_ + pos_, size_t(count));
        pos_ += uint32_t(count);
        return true;
    }
    bool skip(uint64_t count) {
        if (!has(count)) return fail();
        pos_ += uint32_t(count);
        return true;
    }
    // Reads a record stored with `storedSize` bytes into one of `ourSize` bytes: a shorter stored
    // record leaves the rest of ours as it was (callers clear it first); a longer one is read up
    // to our size and the remainder skipped.
    bool record(void* target, uint32_t ourSize, uint32_t storedSize) {
        uint32_t n = storedSize < ourSize ? storedSize : ourSize;
        return bytes(target, n) && skip(storedSize - n);
    }

  private:
    bool fail() {
        bad_ = true;
        return false;
    }
    const uint8_t* data_;
    uint32_t size_;
    uint32_t pos_ = 0;
    bool bad_ = false;
};

} // namespace bv
