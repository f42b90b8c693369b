// The local high-score tables: where a score goes, what a finished game scores, the game-length
// bands, and the tables' bytes in the saved game.
#include <string>

#include "core/state_ids.h"
#include "levels/high_scores.h"
#include "save_fixture.h"

namespace bvtest {
namespace {

using namespace bv;

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
        EXPECT_EQ(currentStateId(), kStateHighScores);
        EXPECT_EQ(gameStarted, 0);
        EXPECT_EQ(nameAt(0, 1), c.second);
        EXPECT_EQ(nameAt(0, 9), c.tenth);
        if (c.place > 0) {
            const ScoreEntry& e = highScores[0][c.place - 1];
            EXPECT_EQ(std::u16string(e.name), u"Ann");
            EXPECT_EQ(e.difficulty, 2);
            EXPECT_EQ(e.score, uint32_t(c.cash));
        }
        EXPECT_EQ(highScores[1][0].score, 1900u) << "other tables untouched";
    }
    // Two equal scores: the newer one above.
    setDefaultHighScores();
    EXPECT_EQ(insertScore(600, u"Old", 0), 5);
    EXPECT_EQ(insertScore(600, u"New", 1), 5);
    EXPECT_EQ(nameAt(0, 4), u"New");
    EXPECT_EQ(nameAt(0, 5), u"Old");
    EXPECT_EQ(nameAt(0, 6), u"Beatrice");

    const int32_t wraps[][2] = {{-1, 4}, {5, 0}, {-6, 4}, {3, 3}};
    for (const auto& w : wraps) EXPECT_EQ(wrapScoreTable(w[0]), w[1]) << w[0];
    const int32_t bands[][2] = {{0, 0},   {24, 0},  {25, 1},  {48, 1}, {49, 2},
                                {144, 2}, {145, 3}, {240, 3}, {241, 4}};
    for (const auto& b : bands) EXPECT_EQ(gameLengthForMonths(b[0]), b[1]) << b[0] << " months";
}

TEST_F(SaveTest, TablesStartAsDefaultsAndKeepTheirBytesInTheSave) {
    // A new player (no files at all), then a save whose tables are all zero: the default tables.
    std::memset(highScores, 0, sizeof highScores);
    EXPECT_EQ(loadPlayer(0), 0);
    EXPECT_EQ(nameAt(3, 0), u"Margaret");
    EXPECT_EQ(highScores[3][0].score, 130000u);
    EXPECT_EQ(highScores[4][9].score, 730000u);
    EXPECT_EQ(highScores[4][9].difficulty, -1);
    EXPECT_EQ(nameAt(4, 9), u"Percy");

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
    EXPECT_EQ(le32(f, 4 + 8696 + 24), 800u) << "table 0, first score";
    EXPECT_EQ(le32(f, 4 + 8696 + 4 * 280 + 9 * 28 + 20), 0xFFFFFFFFu) << "table 4, tenth difficulty -1";
    EXPECT_EQ(le32(f, 4 + 13600), 2u);
    EXPECT_EQ(le32(f, 4 + 14204), 3u);
    EXPECT_EQ(le32(f, 4 + 13588), 0u) << "a finished game is not in progress";
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
    EXPECT_EQ(nameAt(2, 2), u"Zo\u00eb");
    EXPECT_EQ(highScores[2][2].score, 19250u);
    EXPECT_EQ(shownScoreTable, 1);
    std::fill(g.begin() + 4 + 8696, g.begin() + 4 + 8696 + 1400, uint8_t(0));
    writeFile(saveFile(), g);
    EXPECT_EQ(loadPlayer(0), 1);
    EXPECT_EQ(highScores[2][2].score, 19000u);
    EXPECT_EQ(nameAt(2, 2), u"Hazel");
}

} // namespace
} // namespace bvtest
