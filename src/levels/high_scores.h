// The local high scores: five tables, one per game length (0 the shortest games .. 4 the longest),
// of ten entries each, best first. They are kept in the saved block: the tables at 8696 (5 x 280
// bytes; an entry is the name in 10 UTF-16 units, NUL-terminated, an int32 difficulty and a
// uint32 score), the game length of the game in progress at 13600 and the table the high-score
// screen shows at 14204.
//
// A game's length is the sum of its scenario's months to play over all levels at the game's
// difficulty: up to 24 months is table 0, up to 48 table 1, up to 144 table 2, up to 240 table 3,
// longer games table 4. A finished game scores the player's net worth, 0 when that is negative.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kScoreTables = 5;
constexpr int32_t kScorePlaces = 10;
constexpr int32_t kScoreNameUnits = 10;
constexpr uint32_t kScoreEntryBytes = 28;
constexpr uint32_t kScoreTableBytes = kScorePlaces * kScoreEntryBytes;
constexpr int32_t kDefaultEntryDifficulty = -1;

struct ScoreEntry {
    char16_t name[kScoreNameUnits];
    int32_t difficulty; // 0 Easy, 1 Normal, 2 Hard; -1 an entry the game came with
    uint32_t score;
};

extern ScoreEntry highScores[kScoreTables][kScorePlaces];
// The table of the game in progress (set when a new game starts).
extern int32_t gameLengthIndex;
// The table the high-score screen shows (0..4).
extern int32_t shownScoreTable;

// Every table back to the ten names and scores a new player finds.
void setDefaultHighScores();
// A table index moved past either end comes round at the other: -1 is 4, 5 is 0.
int32_t wrapScoreTable(int32_t table);
// The table of a game that plays this many months in all.
int32_t gameLengthForMonths(int32_t months);
// The months to play of all the loaded scenario's levels at the current difficulty.
int32_t scenarioMonths();

// Puts the score into the table of the game in progress: it goes above the first entry it reaches
// (an equal score goes above the older one) and the tenth entry drops out. Returns the place
// reached, 1..10, or 0 when the score is below all ten (the table is left as it was).
int32_t insertScore(uint32_t score, const char16_t* name, int32_t difficulty);

// The tables, the game length and the shown table into the block image and back. Read back, the
// indexes are held to 0..4, every name ends within its ten units, and tables that are all zero
// (an older save) become the defaults.
void putHighScores(uint8_t* block);
void getHighScores(const uint8_t* block);

// The game is over (its last level won or a level failed): the player's net worth goes into the
// table of the game's length under the player's name, the finished game is saved as one that
// cannot be resumed, and the high-score screen opens on that table with the place reached as its
// argument (0 when the score did not make the table). Test play from the editor records no score.
// Returns the place.
int32_t finishGame();

} // namespace bv
