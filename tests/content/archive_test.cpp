// The packed archive holds exactly the generated files, byte for byte; the game folder ships the
// help page.
#include <gtest/gtest.h>

#include "assets/hash.h"
#include "content/content_support.h"
#include "support/test_support.h"

namespace {

std::vector<std::string> expectedFiles() {
    std::vector<std::string> files = {"bvx_2_english.txt"};
    const bvtest::Manifest& m = bvtest::manifest();
    for (const auto& [set, minimum] : m.sets) files.push_back(set + ".bin");
    for (const auto& [file, minimum] : m.exsSets) files.push_back(file);
    for (const auto& [file, base] : m.fonts) files.push_back(file);
    for (const bvtest::ManifestSound& s : m.sounds) files.push_back(s.file);
    return files;
}

TEST(Archive, HoldsEveryGeneratedFileByteForByte) {
    auto entries = bvtest::readArchive(bvtest::gameDir() + "/bb_Blob32");
    ASSERT_FALSE(entries.empty());
    std::vector<std::string> files = expectedFiles();
    EXPECT_EQ(entries.size(), files.size());
    for (const std::string& f : files) {
        auto it = entries.find(bv::nameHash(f.c_str()));
        ASSERT_NE(it, entries.end()) << f << " is not in the archive";
        EXPECT_TRUE(it->second == bvtest::readFile(bvtest::contentDir() + "/" + f))
            << f << " differs from its build";
    }
}

TEST(HelpPage, ShipsBesideTheGameAndCoversTheBasics) {
    const std::vector<uint8_t> bytes = bvtest::readFile(bvtest::gameDir() + "/help/getting_started.html");
    const std::string page(bytes.begin(), bytes.end());
    ASSERT_FALSE(page.empty()) << "help/getting_started.html is missing from the game folder";
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("</html>"), std::string::npos);
    for (const char* topic : {"Make Offer", "Change Rent", "Upgrade", "Sell", "Goals", "End Month"})
        EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

} // namespace
