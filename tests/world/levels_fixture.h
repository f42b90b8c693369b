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
#include "support/bytes.h"
#include "support/test_support.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bvtest {

using Bytes = std::vector<uint8_t>;

// Little-endian words (support/bytes.h) under the names these tests use.
inline constexpr auto put32 = &putLE32;
inline constexpr auto put16 = &putLE16;
inline constexpr auto get32 = &le32;
inline void putBytes(Bytes& out, const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    out.insert(out.end(), p, p + n);
}
inline void setText(char16_t* target, const char16_t* text) {
    size_t i = 0;
    for (; text[i]; ++i) target[i] = text[i];
    target[i] = 0;
}
inline std::u16string textOf(const char16_t* t) {
    return t;
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
