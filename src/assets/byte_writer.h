// Writing little-endian records to a file handle; the scenario and map writers use it.
#pragma once

#include <cstdint>

#include "assets/archive.h"

namespace bv {

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
