// The saved game. Each player has one save file in the per-user data folder, named after the
// player ("<name>_bvx2.sav"); the last-player file "bvx2.sav" (10 bytes: the name, NUL-padded)
// says whose file start-up loads.
//
// Save file: uint32 block size (16296), the persistent block, uint32 house record size (188),
// then one HouseState per house of the block's map, in house order.
//
// The persistent block is one fixed 16296-byte image of the game (little-endian). Offsets that
// other parts of the game rely on are fixed (kOff* below, marked "fixed"); the remaining state
// sits in the gaps between them, at offsets marked "ours", which stay stable from now on:
//   8672   score-service password, 10 bytes                           (fixed start)
//   8682   the game name registered with the score service, 10 bytes  (ours)
//   10100  economy schedule, 120 x int32                               (fixed start)
//   10580  the bank's owner record, 100 bytes                          (ours)
//   10680  dayClock, hurryMonth, foreclosedHouse, tutorialActive,
//          ownerOverlayShown, pendingApplicantHouse,
//          pendingApplicantHistory, 7 x int32                          (ours)
//   10708  credit notice: improvePending, slipPending, noticeDelay    (ours)
//   10720  the tutorial's help setting                                 (ours)
//   10724  newListingPrice, bankListTimer, daysSinceDamage, 3 x int32   (ours)
//   13604  scenario loaded flag                                        (ours)
// The negotiation in progress sits at the block's start (dealBuyer, dealHouse, dealOffer,
// dealCounter); money still flying to an owner is booked into the saved cash. The high scores,
// the game length and the shown table are the high-score tables' (levels/high_scores.h).
// Everything else in the block (dialog state, the old editor grid area) is kept byte for byte as
// it was loaded, so a save and a load leave it unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bv {

constexpr uint32_t kSaveBlockBytes = 16296;
constexpr uint32_t kSaveHouseBytes = 188;
constexpr int32_t kLastPlayerBytes = 10;
constexpr const char* kLastPlayerFile = "bvx2.sav";

// Fixed offsets of the persistent block.
constexpr uint32_t kOffNegotiation = 0; // dealBuyer, dealHouse, dealOffer, dealCounter
constexpr uint32_t kOffBlockSizeCopy = 8660;
constexpr uint32_t kOffScorePassword = 8672; // 8-bit text, NUL-terminated
constexpr uint32_t kOffVersion = 8692;
constexpr uint32_t kOffHighScores = 8696; // five tables of 280 bytes (levels/high_scores.h)
constexpr uint32_t kOffEconomy = 10100;
constexpr uint32_t kOffOwners = 12504; // the player and the four rivals, 100 bytes each
constexpr uint32_t kOffGameInProgress = 13588;
constexpr uint32_t kOffLoading = 13592;
constexpr uint32_t kOffDifficulty = 13596;
constexpr uint32_t kOffGameLength = 13600;
constexpr uint32_t kOffMonthsElapsed = 13616;
constexpr uint32_t kOffStateId = 13724;
constexpr uint32_t kOffPreviousStateId = 13732;
constexpr uint32_t kOffTransient = 13752; // two words cleared before every save
constexpr uint32_t kOffShownScoreTable = 14204;
constexpr uint32_t kOffWindowed = 14208;
constexpr uint32_t kOffSelectedHouse = 14228;
constexpr uint32_t kOffScenarioFile = 14232; // 1000 bytes
constexpr uint32_t kOffCalendar = 15240;     // start month, start year, day of month
constexpr uint32_t kOffLevel = 15336;
constexpr uint32_t kOffGoalHold = 15340;
constexpr uint32_t kOffMusicVolume = 15476;
constexpr uint32_t kOffEffectVolume = 15480;
constexpr uint32_t kOffChosenScenario = 15488;
constexpr uint32_t kOffEditorGrids = 15352; // kept as loaded: the editor keeps its grids in its own file
constexpr uint32_t kOffEventQueue = 15492;
// Our own offsets (see the table above).
constexpr uint32_t kOffBankOwner = 10580;
constexpr uint32_t kOffSimWords = 10680;
constexpr uint32_t kOffCreditNotice = 10708;
constexpr uint32_t kOffHelpSetting = 10720;
constexpr uint32_t kOffMarketWords = 10724; // newListingPrice, bankListTimer, daysSinceDamage
constexpr uint32_t kOffScenarioLoaded = 13604;
constexpr uint32_t kOffScoreGameName = 8682; // 8-bit text, NUL-terminated
// The password and the game name each take 10 bytes: nine characters and the terminator.
constexpr uint32_t kScoreAccountFieldBytes = 10;

constexpr int32_t kSaveVersion = 2;

// The block as last loaded or saved.
uint8_t* saveBlock();
int32_t blockInt(uint32_t offset);
void setBlockInt(uint32_t offset, int32_t value);

// Copies the game's state into the block (clearing the transient words, setting the size copy
// and the version marker), and back out again. Reading back checks every value: a state id the
// game does not know resumes the board (or the title when no game is in progress), an index
// outside its range becomes "none" (-1) or its nearest legal value.
void gatherBlock();
void scatterBlock();

// The file name for a player's save: unsafe characters (control characters, / \ : * ? " < > |,
// a leading dot) become '_', so the path never leaves the save folder.
std::string saveFileNameFor(const char* playerName);
std::string saveFilePathFor(const char* playerName);
// A character the player may type into a name: printable, not one of the unsafe ones, and not a
// dot as the first character.
bool nameCharAllowed(char16_t c, int32_t position);

// Writes the last-player file, then, when a game is in progress, the player's save file through
// a temporary file that is renamed over the old one. Write failures are silent.
void writeSavedGame();
// The same for a game that has just ended (gameStarted already cleared): the player's file then
// holds the finished game, which is not offered for resuming, and its high scores.
void writeFinishedGame();
// Only the high-score tables and the shown table into the player's save file; every other byte of
// the file stays as it is. Without a save file, one is written that holds no game in progress.
// Nothing is written while saves go under another name.
void writeHighScoresIntoSave();
// From now on writeSavedGame writes "<name>_bvx2.sav" instead of the player's file and leaves the
// last-player file alone (the editor's test play); nullptr or "" goes back to the player's file.
void useSaveName(const char* name);
// Saves go to the player's own file (not the editor's test play).
bool savingUnderOwnName();
// Puts the score-service account (game name and password) into the block and into the player's
// save file without touching the rest of it: a save file holding a game keeps that game, and a
// player without a save file gets one with the options and no game in progress. False when there
// is no player name or the write failed.
bool writeScoreAccount(const char* gameName, const char* password);
// The 10-byte last-player file with playerName.
void writeLastPlayer();
// Reads the last-player file into playerName and loads that player's save with the flag.
// 0 when there is no last-player file (or it is shorter than 10 bytes).
int32_t loadPlayer(int32_t loadGame);
// The reader: 1 when a block was read, 0 when there was none (defaults are set then, except with
// loadGame 1, which leaves the game and the options as they were). With loadGame 1 the block's
// scenario is loaded and the houses are read; a scenario that cannot be loaded returns -1 and
// leaves the game as it was.
int32_t loadSaveFile(int32_t loadGame, const std::string& path);
// The same from a save file image in memory (the block's scenario is still read from the maps
// folder).
int32_t loadSaveImage(int32_t loadGame, const uint8_t* data, size_t size);
// The last-player file's image: playerName from its first 9 bytes (up to a zero byte). False,
// leaving playerName alone, for an image shorter than 10 bytes.
bool readLastPlayer(const uint8_t* data, size_t size);

// The block's music and effect volumes to audio. Until enableSavedOptions (start-up, once audio
// is up) this does nothing.
void applySavedOptions();
void enableSavedOptions();

// The windowed flag of the last load (start-up creates the display with it).
bool savedWindowed();
// The player's save file holds a game in progress with fewer than 120 months elapsed (reads the
// file: ask once per screen, not every frame).
bool gameResumable();

// State 22: loads the saved game and continues in its state (16 and 59 continue on the board);
// the title menu with a message when that fails.
int32_t resumeGameUpdate(int32_t argument);

// Tests only: a write that stops after this many bytes of the temporary file (-1: no limit), as
// if the program had been killed while saving.
void setSaveWriteLimitForTests(int32_t bytes);

} // namespace bv
