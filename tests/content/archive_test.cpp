// The packed archive holds exactly the generated files, byte for byte; the game folder stays
// small and ships the help page; and the generators give the same bytes when run again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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
        EXPECT_TRUE(it->second == bvtest::readBytes(bvtest::contentDir() + "/" + f))
            << f << " differs from its build";
    }
}

TEST(Archive, GameFolderStaysUnderFortyMegabytes) {
    uintmax_t total = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(bvtest::gameDir()))
        if (e.is_regular_file() && e.path().filename().string().rfind("brickvale2", 0) != 0)
            total += e.file_size();
    EXPECT_LT(total, 40u * 1024 * 1024);
}

// Runs a generator into a fresh folder and compares its files with the build's.
void expectSameBytes(const std::string& command, const std::vector<std::string>& files) {
    bvtest::TempDir dir;
    std::string line = bvtest::toolsDir() + "/" + command;
    size_t at;
    while ((at = line.find("OUT")) != std::string::npos) line.replace(at, 3, dir.path());
    ASSERT_EQ(std::system(line.c_str()), 0) << line;
    for (const std::string& f : files)
        EXPECT_TRUE(bvtest::readBytes(dir.file(f)) == bvtest::readBytes(bvtest::contentDir() + "/" + f))
            << f << " came out different on a second run";
}

TEST(Reproducible, PicturesAndFontsComeOutTheSame) {
    expectSameBytes("bvgen_fonts OUT", {"arial15_bld.spr", "arial15_bld_glw.spr", "oliversb8.spr"});
    expectSameBytes("bvgen_ui OUT", {"icons.bin", "logos.bin", "bkgnd.bin", "bfnt.bin"});
    expectSameBytes("bvgen_people OUT", {"characters.bin", "sml_characters.bin"});
    expectSameBytes("bvgen_town OUT OUT", {"houses.exs", "objects.exs"});
}

TEST(Reproducible, SoundsAndMusicComeOutTheSame) {
    expectSameBytes("bvgen_sfx OUT", {"coin_drop.wav", "repairs.ogg", "quillmoor.wav"});
    expectSameBytes("bvgen_music OUT 16 16", {"Tribal_02.ogg"});
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
