// Reading a file image held in memory without ever going past its end, and writing records to a
// file handle. Shared by the scenario and map readers and writers.
#pragma once

#include <cstdint>
#include <cstring>

#include "assets/archive.h"

namespace bv {

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
        value = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
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

// Writes to a file handle, remembering whether every write went through.
class ByteWriter {
  public:
    explicit ByteWriter(int32_t handle) : handle_(handle) {}
    void u32(uint32_t value) {
        uint8_t b[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
        bytes(b, 4);
    }
    void bytes(const void* data, uint32_t count) {
        if (count && fileWrite(handle_, data, int32_t(count)) != int32_t(count)) ok_ = false;
    }
    bool ok() const { return ok_; }

  private:
    int32_t handle_;
    bool ok_ = true;
};

} // namespace bv
