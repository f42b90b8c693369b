// A program folder with a "maps" folder for scenario and map tests, and helpers to build files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/archive.h"
#include "platform/platform.h"
#include "support/test_support.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bvtest {

using Bytes = std::vector<uint8_t>;

inline void put32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void put16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void putBytes(Bytes& out, const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    out.insert(out.end(), p, p + n);
}
inline void putZeros(Bytes& out, size_t n) {
    out.insert(out.end(), n, 0);
}
inline uint32_t get32(const Bytes& in, size_t at) {
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
           uint32_t(in[at + 3]) << 24;
}
inline void setText(char16_t* target, const char16_t* text) {
    size_t i = 0;
    for (; text[i]; ++i) target[i] = text[i];
    target[i] = 0;
}
inline std::u16string textOf(const char16_t* t) {
    return std::u16string(t);
}

class LevelsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureMemory();
        previous_ = std::filesystem::current_path();
        std::filesystem::create_directories(dir_.path() + "/maps");
        bv::platform::setProgramFolder(dir_.path() + "/");
        bv::clearScenario();
        bv::currentLevel = 0;
        bv::currentDifficulty = 1;
    }
    void TearDown() override {
        bv::clearMap();
        std::filesystem::current_path(previous_);
    }
    std::string mapsFile(const std::string& name) const { return dir_.path() + "/maps/" + name; }

    TempDir dir_;
    std::filesystem::path previous_;
};

} // namespace bvtest
