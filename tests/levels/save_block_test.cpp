// The saved game's bytes: the file layout, the fixed offsets of the persistent block, the
// last-player file, separate players, and the file names formed from a player's name.
#include "core/state_ids.h"
#include "levels/goals.h"
#include "save_fixture.h"

namespace bvtest {
namespace {

using namespace bv;

TEST_F(SaveTest, FileHoldsSizesAndBlockWithFieldsAtTheirFixedOffsets) {
    fillGame();
    selectedHouse = -1;
    houseCount = 0;
    writeSavedGame();
    const std::vector<uint8_t> f = readFile(saveFile());
    ASSERT_EQ(f.size(), 4u + 16296u + 4u);
    EXPECT_EQ(le32(f, 0), 16296u);
    EXPECT_EQ(le32(f, 4 + 16296), 188u);
    auto at = [&](uint32_t offset) { return int32_t(le32(f, 4 + offset)); };
    EXPECT_EQ(at(8660), 16296);
    EXPECT_EQ(at(13588), 1);
    EXPECT_EQ(at(13592), 0);
    EXPECT_EQ(at(13596), 2);
    EXPECT_EQ(at(13616), 17);
    EXPECT_EQ(at(13752), 0);
    EXPECT_EQ(at(13756), 0);
    EXPECT_EQ(at(14228), -1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[4 + 14232])), "career.bvx");
    EXPECT_EQ(at(15240), 4);
    EXPECT_EQ(at(15244), 2031);
    EXPECT_EQ(at(15248), 12);
    EXPECT_EQ(at(15336), 3);
    EXPECT_EQ(at(15476), 64);
    EXPECT_EQ(at(15480), 3);
    EXPECT_EQ(at(15488), 5);
    EXPECT_NE(at(8692), 0) << "version marker";
    // Owner records of 100 bytes from 12504: avatar at +0, cash at +4, rating at +8.
    for (int32_t o = 0; o < 5; ++o) {
        EXPECT_EQ(at(12504 + 100 * o), 20 + o);
        EXPECT_EQ(at(12504 + 100 * o + 4), 100000 * (o + 1) + 7);
        EXPECT_EQ(at(12504 + 100 * o + 8), o);
    }
    // The economy schedule starts the economy area.
    EXPECT_EQ(at(10100), 0);
    EXPECT_EQ(at(10100 + 4 * 13), 13 % 7);
}

TEST_F(SaveTest, WithoutGameInProgressOnlyTheLastPlayerFileIsWritten) {
    setName("Zoe");
    writeSavedGame();
    const std::vector<uint8_t> last = readFile(lastPlayerFile());
    ASSERT_EQ(last.size(), 10u);
    EXPECT_EQ(std::memcmp(last.data(), "Zoe\0\0\0\0\0\0\0", 10), 0);
    EXPECT_FALSE(std::filesystem::exists(saveFile("Zoe")));
}

TEST_F(SaveTest, NoLastPlayerFileStartsWithDefaultOptionsNotAnEmptyBlock) {
    fillGame();
    setBlockInt(kOffMusicVolume, 0);
    setBlockInt(kOffEffectVolume, 0);
    setBlockInt(kOffWindowed, 0);
    EXPECT_EQ(loadPlayer(0), 0);
    EXPECT_EQ(blockInt(kOffMusicVolume), 30);
    EXPECT_EQ(blockInt(kOffEffectVolume), 8);
    EXPECT_EQ(blockInt(kOffWindowed), 1) << "the options applied at start-up keep the window";
    EXPECT_TRUE(savedWindowed());
}

// The last-player file names whose save is loaded at start-up. However damaged, it is read through
// the real reader, never names a file outside the save folder, and a resume that finds nothing
// leaves the game in memory as it was.
TEST_F(SaveTest, ADamagedOrHostileLastPlayerFileLeavesTheGameAsItWas) {
    fillGame();
    writeSavedGame(); // "Ann", 17 months
    std::vector<uint8_t> annSave = readFile(saveFile());
    const struct {
        const char* what;
        std::string bytes;
        const char* nameAfter;
    } cases[] = {
        {"empty", std::string(), "Ann"},
        {"nine bytes", std::string("Bob\0\0\0\0\0\0", 9), "Ann"},
        {"no terminator", "ABCDEFGHIJ", "ABCDEFGHI"},
        {"a megabyte", std::string(1 << 20, 'Z'), "ZZZZZZZZZ"},
        {"a path", std::string("../Ann\0\0\0\0", 10), "../Ann"},
        {"a folder's name", std::string("/tmp\0\0\0\0\0\0", 10), "/tmp"},
        {"control characters", std::string("\x01\x1f\x7f\0\0\0\0\0\0\0", 10), "\x01\x1f\x7f"},
        {"an empty name", std::string("\0Ann\0\0\0\0\0\0", 10), ""},
        {"Bob's save cut to 3 bytes", std::string("Bob\0\0\0\0\0\0\0", 10), "Bob"},
        {"Bob's save claims a huge block", std::string("Bob\0\0\0\0\0\0\0", 10), "Bob"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(saveFile("Bob"), std::vector<uint8_t>(annSave.begin(), annSave.begin() + 3));
        if (std::string(c.what).find("huge") != std::string::npos) {
            std::vector<uint8_t> f(annSave);
            f[0] = f[1] = f[2] = f[3] = 0xFF;
            std::memcpy(&f[4 + 14232], "nosuch.bvx", 11); // a scenario no maps folder holds
            writeFile(saveFile("Bob"), f);
        }
        writeFile(lastPlayerFile(), c.bytes);
        setName("Ann");
        monthsElapsed = 3;
        setMusicVolume(40);
        const int32_t r = loadPlayer(1);
        EXPECT_TRUE(r == 0 || r == -1) << r;
        EXPECT_STREQ(playerName, c.nameAfter);
        EXPECT_EQ(monthsElapsed, 3);
        EXPECT_EQ(musicVolume(), 40);
        EXPECT_EQ(readFile(saveFile()), annSave) << "Ann's save untouched";
    }
    // The real file again: the options come back (the game's scenario is not in this folder).
    writeFile(lastPlayerFile(), std::string("Ann\0\0\0\0\0\0\0", 10));
    gameStarted = 0;
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_EQ(gameStarted, 1);
    EXPECT_EQ(monthsElapsed, 17);
    EXPECT_EQ(musicVolume(), 64);
    EXPECT_EQ(effectVolume(), 3);
}

TEST_F(SaveTest, TwoPlayersKeepSeparateSaves) {
    fillGame();
    setName("Ann");
    monthsElapsed = 3;
    setMusicVolume(11);
    writeSavedGame();
    setName("Bob");
    monthsElapsed = 7;
    setMusicVolume(22);
    writeSavedGame();
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_STREQ(playerName, "Bob");
    EXPECT_EQ(monthsElapsed, 7);
    EXPECT_EQ(musicVolume(), 22);
    setName("Ann");
    writeLastPlayer();
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_STREQ(playerName, "Ann");
    EXPECT_EQ(monthsElapsed, 3);
    EXPECT_EQ(musicVolume(), 11);
}

TEST_F(SaveTest, InterruptedSaveKeepsThePreviousOne) {
    fillGame();
    monthsElapsed = 5;
    writeSavedGame();
    const std::vector<uint8_t> before = readFile(saveFile());
    monthsElapsed = 9;
    for (int32_t cut : {0, 3, 100, 16299, 16303}) {
        setSaveWriteLimitForTests(cut);
        writeSavedGame();
        EXPECT_EQ(readFile(saveFile()), before) << "cut after " << cut << " bytes";
    }
    setSaveWriteLimitForTests(-1);
    writeSavedGame();
    EXPECT_EQ(loadSaveFile(0, saveFile()), 1);
    EXPECT_EQ(monthsElapsed, 9);
}

TEST_F(SaveTest, UnsafeNamesStayInsideTheSaveFolder) {
    EXPECT_EQ(saveFileNameFor("Ann"), "Ann_bvx2.sav");
    EXPECT_EQ(saveFileNameFor(""), "_bvx2.sav");
    EXPECT_EQ(saveFileNameFor("../x"), "_._x_bvx2.sav");
    EXPECT_EQ(saveFileNameFor("a/b\\c:d"), "a_b_c_d_bvx2.sav");
    EXPECT_EQ(saveFileNameFor("*?\"<>|"), "_______bvx2.sav");
    EXPECT_EQ(saveFileNameFor("\x01\x1f\x7f"), "____bvx2.sav");
    EXPECT_EQ(saveFileNameFor(".hidden"), "_hidden_bvx2.sav");
    // Only the 9 name characters count, whatever follows in memory.
    EXPECT_EQ(saveFileNameFor("ABCDEFGHIJKL"), "ABCDEFGHI_bvx2.sav");
    // Latin-1 letters are kept.
    EXPECT_EQ(saveFileNameFor("Jos\xe9"), "Jos\xe9_bvx2.sav");

    setName("../..");
    fillGame();
    writeSavedGame();
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_.path()))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "_._.._bvx2.sav");
    EXPECT_EQ(names[1], "bvx2.sav");
}

TEST_F(SaveTest, ResumeIsOfferedOnlyForASavedGameBelowOneHundredTwentyMonths) {
    // A game started in memory but never saved cannot be resumed.
    gameStarted = 1;
    monthsElapsed = 5;
    EXPECT_FALSE(gameResumable());
    const struct {
        int32_t started, months;
        size_t cutTo; // 0: the whole file
        bool resumable;
    } cases[] = {{1, 0, 0, true},
                 {1, 119, 0, true},
                 {1, 120, 0, false},
                 {0, 5, 0, false},
                 {1, -3, 0, false},
                 {1, 5, 4 + 13616 + 3, false},
                 {1, 5, 4 + 13616 + 4, true}};
    for (const auto& c : cases) {
        gameStarted = 1;
        monthsElapsed = c.months;
        writeSavedGame();
        std::vector<uint8_t> f = readFile(saveFile());
        ASSERT_GT(f.size(), 4u + kOffGameInProgress + 4);
        f[4 + kOffGameInProgress] = uint8_t(c.started); // the stored "game in progress" flag
        if (c.cutTo) f.resize(c.cutTo);
        writeFile(saveFile(), f);
        // The game in memory says nothing: only the file counts.
        gameStarted = 1 - c.started;
        monthsElapsed = 0;
        EXPECT_EQ(gameResumable(), c.resumable) << c.started << " " << c.months << " " << c.cutTo;
    }
}

} // namespace
} // namespace bvtest

namespace bvtest {
namespace {

TEST_F(SaveTest, DialogQueueAndGoalHoldCounterComeBackAtTheirOffsets) {
    bv::resetStateMachine();
    bv::changeState(bv::kStateGame);
    ASSERT_TRUE(bv::queueState(bv::kStateRentApplicant, 7));
    ASSERT_TRUE(bv::queueState(bv::kStateForeclosure, 3));
    ASSERT_TRUE(bv::queueState(bv::kStateEndOfLevel, 0)); // a state the table has
    bv::goalHoldCounter = 2;
    bv::gatherBlock();
    EXPECT_EQ(bv::blockInt(15340), 2);
    EXPECT_EQ(bv::blockInt(15492), 55);
    EXPECT_EQ(bv::blockInt(15492 + 4), 24);
    EXPECT_EQ(bv::blockInt(15492 + 99 * 4), 7);
    EXPECT_EQ(bv::blockInt(15492 + 99 * 4 + 4), 3);
    EXPECT_EQ(bv::blockInt(15492 + 198 * 4), 3) << "the count follows the two arrays";

    bv::clearStateQueue();
    bv::goalHoldCounter = 0;
    bv::setBlockInt(15492 + 8, 17); // not a state of the table: dropped on load
    bv::scatterBlock();
    EXPECT_EQ(bv::goalHoldCounter, 2);
    ASSERT_EQ(bv::queuedCount(), 2);
    int32_t id = 0, argument = 0;
    ASSERT_TRUE(bv::queuedPair(0, id, argument));
    EXPECT_EQ(id, 55);
    EXPECT_EQ(argument, 7);
    ASSERT_TRUE(bv::queuedPair(1, id, argument));
    EXPECT_EQ(id, 24);
    EXPECT_EQ(argument, 3);

    bv::setBlockInt(15492 + 198 * 4, 5000); // a damaged count reads no further than the arrays,
    bv::scatterBlock();                     // and the empty slots (state 0) are not dialogs
    EXPECT_EQ(bv::queuedCount(), 2);
    bv::clearStateQueue();
}

} // namespace
} // namespace bvtest
