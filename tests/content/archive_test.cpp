// The packed archive holds exactly the generated files, byte for byte (the install test checks
// the help page beside it). The sounds: the manifest names the game's fifty ids in order, and
// every file is one the game's own sound layer accepts, as long as the manifest says (music) or
// short (effects).
#include <gtest/gtest.h>

#include <set>

#include "assets/archive.h"
#include "audio/audio.h"
#include "content/content_support.h"
#include "core/memory.h"
#include "platform/platform.h"
#include "platform/sound.h"
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

// Read through the game's own archive reader: the archive's format is checked byte by byte with
// hand-made archives in the assets tests.
TEST(Archive, HoldsEveryGeneratedFileByteForByte) {
    bvtest::ensureMemory();
    bv::platform::setProgramFolder(bvtest::gameDir() + "/");
    bv::archiveOpen("bb_Blob32");
    const std::vector<std::string> files = expectedFiles();
    EXPECT_EQ(bvtest::le32(bvtest::readFile(bvtest::gameDir() + "/bb_Blob32"), 0), files.size()); // entries
    for (const std::string& f : files) {
        void* buffer = nullptr;
        const uint32_t n = bv::loadFile(f.c_str(), buffer, 0);
        const std::vector<uint8_t> got(static_cast<uint8_t*>(buffer), static_cast<uint8_t*>(buffer) + n);
        bv::memFree(buffer);
        EXPECT_TRUE(got == bvtest::readFile(bvtest::contentDir() + "/" + f))
            << f << " is not in the archive as built";
    }
    bv::archiveCloseForTests();
}

namespace snd = bv::platform;

TEST(Sounds, EveryIdHasAFileTheSoundLayerDecodesAtItsLength) {
    const auto& sounds = bvtest::manifest().sounds;
    ASSERT_EQ(sounds.size(), size_t(bv::kSoundCount));
    snd::useHeadless();
    ASSERT_EQ(snd::soundInit(8), snd::kSoundOk);
    std::set<uint32_t> trackLengths;
    for (size_t i = 0; i < sounds.size(); ++i) {
        const bvtest::ManifestSound& s = sounds[i];
        SCOPED_TRACE(s.file);
        EXPECT_EQ(s.id, int(i));
        EXPECT_EQ(s.file, bv::soundFileName(s.id));
        EXPECT_EQ(s.music, s.id < bv::kFirstEffect);
        std::vector<uint8_t> bytes = bvtest::readFile(bvtest::contentDir() + "/" + s.file);
        snd::SoundHandle h = 0;
        ASSERT_EQ(snd::soundCreate(bytes.data(), uint32_t(bytes.size()), 0, &h), snd::kSoundOk);
        const uint32_t ms = snd::headless::soundLength(h);
        if (s.music) {
            EXPECT_GE(ms, uint32_t(s.minSeconds * 1000) - 1);
            EXPECT_LE(ms, uint32_t(s.maxSeconds * 1000) + 1);
            trackLengths.insert(ms);
        } else {
            EXPECT_GT(ms, 30u);
            EXPECT_LT(ms, 6000u);
        }
    }
    EXPECT_GE(trackLengths.size(), 12u) << "the tracks should not all be cut to one length";
}

} // namespace
