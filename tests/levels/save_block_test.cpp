// The saved game's bytes: the file layout, the fixed offsets of the persistent block, the
// last-player file, and the file names formed from a player's name; the local high-score tables:
// where a score goes, what a finished game scores, the game-length bands, and their bytes.
#include <string>
#include <tuple>

#include "core/state_ids.h"
#include "levels/goals.h"
#include "levels/high_scores.h"
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
    // {offset, value}: the block size, the economy schedule's months 0 and 13 (13 % 7), in progress,
    // loading, difficulty, months, two words cleared before a save, selected house, start month and
    // year, day, level, volumes, scenario chosen.
    const std::pair<uint32_t, int32_t> fields[] = {
        {8660, 16296}, {10100, 0}, {10152, 6},  {13588, 1},  {13592, 0}, {13596, 2},
        {13616, 17},   {13752, 0}, {13756, 0},  {14228, -1}, {15240, 4}, {15244, 2031},
        {15248, 12},   {15336, 3}, {15476, 64}, {15480, 3},  {15488, 5}};
    for (const auto& [offset, value] : fields) EXPECT_EQ(at(offset), value) << "offset " << offset;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[4 + 14232])), "career.bvx");
    EXPECT_NE(at(8692), 0) << "version marker";
    // Owner records of 100 bytes from 12504: avatar at +0, cash at +4, rating at +8.
    for (int32_t o = 0; o < 5; ++o)
        EXPECT_EQ(std::tuple(at(12504 + 100 * o), at(12504 + 100 * o + 4), at(12504 + 100 * o + 8)),
                  std::tuple(20 + o, 100000 * (o + 1) + 7, o));
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
        EXPECT_EQ(std::tuple(std::string(playerName), monthsElapsed, musicVolume()),
                  std::tuple(c.nameAfter, 3, 40));
        EXPECT_EQ(readFile(saveFile()), annSave) << "Ann's save untouched";
    }
    // The real file again: the options come back (the game's scenario is not in this folder).
    writeFile(lastPlayerFile(), std::string("Ann\0\0\0\0\0\0\0", 10));
    gameStarted = 0;
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_EQ(std::tuple(gameStarted, monthsElapsed, musicVolume(), effectVolume()),
              std::tuple(1, 17, 64, 3));
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

TEST_F(SaveTest, UnsafeNamesStayInsideTheSaveFolderAndOnlyAGameInProgressIsSaved) {
    // Only the 9 name characters count, whatever follows in memory; Latin-1 letters are kept.
    const std::pair<const char*, const char*> names[] = {
        {"Ann", "Ann_bvx2.sav"},         {"", "_bvx2.sav"},
        {"../x", "_._x_bvx2.sav"},       {"a/b\\c:d", "a_b_c_d_bvx2.sav"},
        {"*?\"<>|", "_______bvx2.sav"},  {"\x01\x1f\x7f", "____bvx2.sav"},
        {".hidden", "_hidden_bvx2.sav"}, {"ABCDEFGHIJKL", "ABCDEFGHI_bvx2.sav"},
        {"Jos\xe9", "Jos\xe9_bvx2.sav"}};
    for (const auto& [name, file] : names) EXPECT_EQ(saveFileNameFor(name), file) << name;

    // Without a game in progress only the last-player file is written, the name as it is.
    setName("../..");
    writeSavedGame();
    EXPECT_EQ(readFile(lastPlayerFile()), (std::vector<uint8_t>{'.', '.', '/', '.', '.', 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
    // With one, the save under the cleaned name too, and nothing else.
    fillGame();
    writeSavedGame();
    EXPECT_TRUE(std::filesystem::exists(dir_.file("_._.._bvx2.sav")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
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
        f[4 + kOffGameInProgress] = uint8_t(c.started); // the stored "game in progress" flag
        if (c.cutTo) f.resize(c.cutTo);
        writeFile(saveFile(), f);
        // The game in memory says nothing: only the file counts.
        gameStarted = 1 - c.started;
        monthsElapsed = 0;
        EXPECT_EQ(gameResumable(), c.resumable) << c.started << " " << c.months << " " << c.cutTo;
    }
}

TEST_F(SaveTest, DialogQueueAndGoalHoldCounterComeBackAtTheirOffsets) {
    resetStateMachine();
    changeState(kStateGame);
    ASSERT_TRUE(queueState(kStateRentApplicant, 7));
    ASSERT_TRUE(queueState(kStateForeclosure, 3));
    ASSERT_TRUE(queueState(kStateEndOfLevel, 0)); // a state the table has
    goalHoldCounter = 2;
    gatherBlock();
    // The hold counter; then the queue's ids and, 99 words on, their arguments; the count follows
    // the two arrays.
    EXPECT_EQ(std::tuple(blockInt(15340), blockInt(15492), blockInt(15492 + 4), blockInt(15492 + 99 * 4),
                         blockInt(15492 + 99 * 4 + 4), blockInt(15492 + 198 * 4)),
              std::tuple(2, 55, 24, 7, 3, 3));

    clearStateQueue();
    goalHoldCounter = 0;
    setBlockInt(15492 + 8, 17); // not a state of the table: dropped on load
    scatterBlock();
    EXPECT_EQ(goalHoldCounter, 2);
    ASSERT_EQ(queuedCount(), 2);
    int32_t id[2] = {}, argument[2] = {};
    ASSERT_TRUE(queuedPair(0, id[0], argument[0]) && queuedPair(1, id[1], argument[1]));
    EXPECT_EQ(std::tuple(id[0], argument[0], id[1], argument[1]), std::tuple(55, 7, 24, 3));

    setBlockInt(15492 + 198 * 4, 5000); // a damaged count reads no further than the arrays,
    scatterBlock();                     // and the empty slots (state 0) are not dialogs
    EXPECT_EQ(queuedCount(), 2);
    clearStateQueue();
}

std::u16string nameAt(int32_t table, int32_t place) {
    return highScores[table][place].name;
}

// Table 0 as a new player has it: 800, 750 ... 350 under Margaret, Arthur ... Percy.
TEST_F(SaveTest, ScoresGoAboveTheFirstEntryTheyReachAndTheTenthDropsOut) {
    const struct {
        const char* what;
        int32_t cash; // the player's net worth (no houses)
        int32_t place;
        const char16_t* second; // then in place 2
        const char16_t* tenth;  // then in place 10
    } cases[] = {
        {"equal to the first goes above it", 800, 1, u"Margaret", u"Edith"},
        {"between third and fourth", 680, 4, u"Arthur", u"Edith"},
        {"equal to the tenth pushes it out", 350, 10, u"Arthur", u"Ann"},
        {"below all ten changes nothing", 349, 0, u"Arthur", u"Percy"},
        {"a debt scores 0, not 4 billion", -5000, 0, u"Arthur", u"Percy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setDefaultHighScores();
        houseCount = 0;
        owners[0].cash = c.cash;
        gameStarted = 1;
        gameLengthIndex = 0;
        currentDifficulty = 2;
        EXPECT_EQ(finishGame(), c.place);
        EXPECT_EQ(std::tuple(currentStateId(), gameStarted), std::tuple(kStateHighScores, 0));
        EXPECT_EQ(std::tuple(nameAt(0, 1), nameAt(0, 9)), std::tuple(c.second, c.tenth));
        if (c.place > 0) {
            const ScoreEntry& e = highScores[0][c.place - 1];
            EXPECT_EQ(std::tuple(nameAt(0, c.place - 1), e.difficulty, e.score),
                      std::tuple(u"Ann", 2, uint32_t(c.cash)));
        }
        EXPECT_EQ(highScores[1][0].score, 1900u) << "other tables untouched";
    }
    const int32_t wraps[][2] = {{-1, 4}, {5, 0}, {-6, 4}, {3, 3}};
    for (const auto& w : wraps) EXPECT_EQ(wrapScoreTable(w[0]), w[1]) << w[0];
    const int32_t bands[][2] = {{0, 0},   {24, 0},  {25, 1},  {48, 1}, {49, 2},
                                {144, 2}, {145, 3}, {240, 3}, {241, 4}};
    for (const auto& b : bands) EXPECT_EQ(gameLengthForMonths(b[0]), b[1]) << b[0] << " months";
}

TEST_F(SaveTest, ANewPlayersOptionsAndTablesStartAsDefaultsAndTheTablesKeepTheirBytesInTheSave) {
    // A new player (no files at all): music 30, effects 8 and the window, not an empty block's
    // zeros, and the default tables; then a save whose tables are all zero gets the default tables.
    setBlockInt(kOffMusicVolume, 0);
    setBlockInt(kOffEffectVolume, 0);
    setBlockInt(kOffWindowed, 0);
    std::memset(highScores, 0, sizeof highScores);
    EXPECT_EQ(loadPlayer(0), 0);
    EXPECT_EQ(std::tuple(blockInt(kOffMusicVolume), blockInt(kOffEffectVolume), blockInt(kOffWindowed),
                         savedWindowed()),
              std::tuple(30, 8, 1, true));
    const ScoreEntry &first = highScores[3][0], &last = highScores[4][9];
    EXPECT_EQ(std::tuple(nameAt(3, 0), first.score, nameAt(4, 9), last.score, last.difficulty),
              std::tuple(u"Margaret", 130000u, u"Percy", 730000u, -1));

    fillGame();
    houseCount = 0;
    gameLengthIndex = 2;
    ASSERT_EQ(insertScore(19250, u"Zo\u00eb", 1), 3);
    shownScoreTable = 3;
    gameStarted = 0;
    writeFinishedGame();
    std::vector<uint8_t> f = readFile(saveFile());
    ASSERT_EQ(f.size(), 4u + 16296u + 4u + size_t(houseCount) * 188u);
    const size_t entry = 4 + 8696 + 2 * 280 + 2 * 28; // table 2, third place
    const uint8_t expected[28] = {'Z', 0, 'o', 0, 0xEB, 0, 0, 0, 0, 0, 0,    0,    0, 0,
                                  0,   0, 0,   0, 0,    0, 1, 0, 0, 0, 0x32, 0x4B, 0, 0};
    for (size_t i = 0; i < 28; ++i) EXPECT_EQ(f[entry + i], expected[i]) << "entry byte " << i;
    // Table 0's first score, table 4's tenth difficulty (-1), the game length, the shown table, and
    // a finished game is not in progress.
    EXPECT_EQ(std::tuple(le32(f, 4 + 8696 + 24), le32(f, 4 + 8696 + 4 * 280 + 9 * 28 + 20),
                         le32(f, 4 + 13600), le32(f, 4 + 14204), le32(f, 4 + 13588)),
              std::tuple(800u, 0xFFFFFFFFu, 2u, 3u, 0u));
    EXPECT_FALSE(gameResumable());

    // Another table chosen on the screen: only its word changes in the file.
    shownScoreTable = 1;
    writeHighScoresIntoSave();
    std::vector<uint8_t> g = readFile(saveFile());
    ASSERT_EQ(g.size(), f.size());
    g[4 + 14204] += 2;
    EXPECT_EQ(g, f) << "only the low byte of the shown table, 3 to 1";
    g[4 + 14204] -= 2;
    // Loaded back; then the same file with its tables cleared loads the defaults.
    setDefaultHighScores();
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_EQ(std::tuple(nameAt(2, 2), highScores[2][2].score, shownScoreTable),
              std::tuple(u"Zo\u00eb", 19250u, 1));
    std::fill(g.begin() + 4 + 8696, g.begin() + 4 + 8696 + 1400, uint8_t(0));
    writeFile(saveFile(), g);
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_EQ(std::tuple(nameAt(2, 2), highScores[2][2].score), std::tuple(u"Hazel", 19000u));
}

} // namespace
} // namespace bvtest
