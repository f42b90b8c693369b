// A test folder that is both the program folder and the current directory, and helpers to
// write archives and string tables into it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/archive.h"
#include "assets/strings.h"
#include "platform/platform.h"
#include "support/bytes.h"
#include "support/test_support.h"

namespace bvtest {

inline std::vector<uint8_t> bytesOf(const std::string& s) {
    return std::vector<uint8_t>(s.begin(), s.end());
}

// A string-table file: the byte-order mark (unless left out) and the units, little-endian.
inline std::vector<uint8_t> tableFile(const std::u16string& content, bool withMark = true) {
    std::vector<uint8_t> out;
    auto put = [&out](char16_t u) {
        out.push_back(static_cast<uint8_t>(u & 0xFF));
        out.push_back(static_cast<uint8_t>(u >> 8));
    };
    if (withMark) put(0xFEFF);
    for (char16_t u : content) put(u);
    return out;
}

class AssetFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureMemory();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
        bv::platform::setProgramFolder(dir_.path() + "/");
    }
    void TearDown() override {
        bv::archiveCloseForTests();
        bv::resetTextForTests();
        std::filesystem::current_path(previous_);
    }
    std::string file(const std::string& name) const { return dir_.file(name); }
    void writeArchive(const std::vector<uint8_t>& bytes, const std::string& name = "bb_Blob32") {
        writeFile(dir_.file(name), bytes);
    }

    TempDir dir_;
    std::filesystem::path previous_;
};

} // namespace bvtest
