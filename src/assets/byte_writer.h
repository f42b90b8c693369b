// Writing little-endian records to a file handle; the scenario and map writers use it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "assets/archive.h"
#include "platform/files.h"

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

// A file written whole or not at all: the bytes go to "<name>.tmp" in the same folder, which is
// flushed to the disk and renamed over `name` only when every write went through. Whenever
// anything fails the old file stays as it was and the temporary goes.
class FileReplacement {
  public:
    explicit FileReplacement(std::string name)
        : name_(std::move(name)), temp_(name_ + ".tmp"),
          handle_(platform::fsOpen(temp_.c_str(), platform::kWrite)), out_(handle_) {}
    ~FileReplacement() {
        if (handle_ < 0) return;
        platform::fsClose(handle_);
        platform::fsRemove(temp_.c_str());
    }
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool opened() const { return handle_ >= 0; }
    ByteWriter& out() { return out_; }
    // Puts the new file in place of the old one; false (and the old file untouched) on failure.
    bool commit() {
        if (handle_ < 0) return false;
        const bool written = platform::fsSyncClose(handle_) && out_.ok();
        handle_ = -1;
        if (written && platform::fsReplace(temp_.c_str(), name_.c_str())) return true;
        platform::fsRemove(temp_.c_str());
        return false;
    }

  private:
    std::string name_;
    std::string temp_;
    int32_t handle_;
    ByteWriter out_;
};

} // namespace bv
