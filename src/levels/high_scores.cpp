#include "levels/high_scores.h"

#include <algorithm>
#include <cstring>

#include "core/state.h"
#include "core/state_ids.h"
#include "levels/save.h"
#include "platform/byte_reader.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/owners.h"
#include "sim/portfolio.h"
#include "world/scenario.h"

namespace bv {

ScoreEntry highScores[kScoreTables][kScorePlaces];
int32_t gameLengthIndex = 0;
int32_t shownScoreTable = 0;

namespace {

constexpr const char16_t* kDefaultNames[kScorePlaces] = {u"Margaret", u"Arthur", u"Hazel",   u"Wilfred",
                                                         u"Beatrice", u"Cecil",  u"Dorothy", u"Reginald",
                                                         u"Edith",    u"Percy"};
constexpr uint32_t kDefaultTop[kScoreTables] = {800, 1900, 20000, 130000, 1000000};
constexpr uint32_t kDefaultStep[kScoreTables] = {50, 100, 500, 5000, 30000};
// The longest game of tables 0..3, in months; longer games go to table 4.
constexpr int32_t kLengthBands[kScoreTables - 1] = {24, 48, 144, 240};

void copyName(char16_t* to, const char16_t* from) {
    int32_t i = 0;
    for (; from && from[i] && i < kScoreNameUnits - 1; ++i) to[i] = from[i];
    for (; i < kScoreNameUnits; ++i) to[i] = 0;
}

uint32_t entryOffset(int32_t table, int32_t place) {
    return kOffHighScores + uint32_t(table) * kScoreTableBytes + uint32_t(place) * kScoreEntryBytes;
}

void putU32(uint8_t* p, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

} // namespace

void setDefaultHighScores() {
    for (int32_t t = 0; t < kScoreTables; ++t) {
        for (int32_t p = 0; p < kScorePlaces; ++p) {
            ScoreEntry& e = highScores[t][p];
            copyName(e.name, kDefaultNames[p]);
            e.difficulty = kDefaultEntryDifficulty;
            e.score = kDefaultTop[t] - kDefaultStep[t] * uint32_t(p);
        }
    }
}

namespace {
// Until a save is loaded the tables are the defaults, never empty.
[[maybe_unused]] const bool g_defaultsSet = [] {
    setDefaultHighScores();
    return true;
}();
} // namespace

int32_t wrapScoreTable(int32_t table) {
    return ((table % kScoreTables) + kScoreTables) % kScoreTables;
}

int32_t gameLengthForMonths(int32_t months) {
    int32_t table = 0;
    while (table < kScoreTables - 1 && months > kLengthBands[table]) ++table;
    return table;
}

int32_t scenarioMonths() {
    const int32_t difficulty = std::clamp(currentDifficulty, 0, kDifficultyCount - 1);
    const int32_t levels = std::clamp(scenario.levelCount, 0, kMaxLevels);
    int64_t months = 0;
    for (int32_t i = 0; i < levels; ++i) months += std::max(levelTable[difficulty][i].monthsToPlay, 0);
    return int32_t(std::min<int64_t>(months, INT32_MAX));
}

int32_t insertScore(uint32_t score, const char16_t* name, int32_t difficulty) {
    ScoreEntry* table = highScores[std::clamp(gameLengthIndex, 0, kScoreTables - 1)];
    int32_t place = 0;
    while (place < kScorePlaces && score < table[place].score) ++place;
    if (place == kScorePlaces) return 0;
    for (int32_t i = kScorePlaces - 1; i > place; --i) table[i] = table[i - 1];
    copyName(table[place].name, name);
    table[place].difficulty = difficulty;
    table[place].score = score;
    return place + 1;
}

void putHighScores(uint8_t* block) {
    for (int32_t t = 0; t < kScoreTables; ++t) {
        for (int32_t p = 0; p < kScorePlaces; ++p) {
            const ScoreEntry& e = highScores[t][p];
            uint8_t* at = block + entryOffset(t, p);
            for (int32_t i = 0; i < kScoreNameUnits; ++i) {
                at[2 * i] = uint8_t(e.name[i]);
                at[2 * i + 1] = uint8_t(e.name[i] >> 8);
            }
            putU32(at + 20, uint32_t(e.difficulty));
            putU32(at + 24, e.score);
        }
    }
    putU32(block + kOffGameLength, uint32_t(gameLengthIndex));
    putU32(block + kOffShownScoreTable, uint32_t(shownScoreTable));
}

void getHighScores(const uint8_t* block) {
    const uint8_t* first = block + kOffHighScores;
    const uint32_t bytes = kScoreTables * kScoreTableBytes;
    if (std::all_of(first, first + bytes, [](uint8_t b) { return b == 0; })) {
        setDefaultHighScores();
    } else {
        for (int32_t t = 0; t < kScoreTables; ++t) {
            for (int32_t p = 0; p < kScorePlaces; ++p) {
                ScoreEntry& e = highScores[t][p];
                const uint8_t* at = block + entryOffset(t, p);
                for (int32_t i = 0; i < kScoreNameUnits; ++i)
                    e.name[i] = char16_t(u16At(at, kScoreEntryBytes, 2 * i));
                e.name[kScoreNameUnits - 1] = 0;
                e.difficulty = i32At(at, kScoreEntryBytes, 20);
                e.score = u32At(at, kScoreEntryBytes, 24);
            }
        }
    }
    gameLengthIndex = std::clamp(i32At(block, kSaveBlockBytes, kOffGameLength), 0, kScoreTables - 1);
    shownScoreTable = std::clamp(i32At(block, kSaveBlockBytes, kOffShownScoreTable), 0, kScoreTables - 1);
}

int32_t finishGame() {
    int32_t place = 0;
    if (gameStarted) {
        gameLengthIndex = std::clamp(gameLengthIndex, 0, kScoreTables - 1);
        if (savingUnderOwnName()) {
            char16_t name[kScoreNameUnits];
            for (int32_t i = 0; i < kScoreNameUnits; ++i)
                name[i] = char16_t(static_cast<unsigned char>(playerName[i]));
            // Money still on its way to the player counts; a debt is no score (it must not wrap
            // round to the top of the unsigned table).
            const int32_t worth = addSaturated(netWorth(kOwnerPlayer), cashInFlight(kOwnerPlayer));
            place = insertScore(worth > 0 ? uint32_t(worth) : 0u, name, currentDifficulty);
        }
        shownScoreTable = gameLengthIndex;
        // Over for good: nothing to resume, in memory or in the file.
        gameStarted = 0;
        writeFinishedGame();
    }
    changeState(kStateHighScores, place);
    return place;
}

} // namespace bv
