// Save files: the last-player file and one save per player. A save is written to a temporary file
// beside the real one and renamed over it only when complete, so a crash while saving leaves the
// previous save whole.
#include "levels/save.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "assets/strings.h"
#include "audio/audio.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "levels/high_scores.h"
#include "levels/level_start.h"
#include "platform/byte_reader.h"
#include "platform/platform.h"
#include "sim/calendar.h"
#include "sim/daily_loop.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "ui/dialog.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

// A stored fraction held to 0..most; not-a-number and infinities become 0.
float heldFraction(float value, float most) {
    if (!std::isfinite(value) || value < 0.0f) return 0.0f;
    return value > most ? most : value;
}

// A save file is the block, the houses of one map and a few sizes; anything longer is damaged.
constexpr size_t kMaxSaveFileBytes = 8u << 20;
constexpr int32_t kResumeMonthsLimit = 120;

int32_t g_writeLimit = -1;
bool g_windowed = false;

bool unsafeChar(unsigned char c) {
    return c < 32 || c == 127 || std::strchr("/\\:*?\"<>|", c) != nullptr;
}

bool readWhole(const std::string& path, std::vector<uint8_t>& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t chunk[4096];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
        if (out.size() + n > kMaxSaveFileBytes) break;
        out.insert(out.end(), chunk, chunk + n);
    }
    std::fclose(f);
    return true;
}

void appendU32(std::vector<uint8_t>& d, uint32_t v) {
    for (int i = 0; i < 4; ++i) d.push_back(uint8_t(v >> (8 * i)));
}

// Writes the bytes to path + ".tmp" and renames that over path. Nothing changes at path unless
// every byte was written.
bool writeReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    size_t count = bytes.size();
    const bool cut = g_writeLimit >= 0 && size_t(g_writeLimit) < count;
    if (cut) count = size_t(g_writeLimit);
    const bool ok = std::fwrite(bytes.data(), 1, count, f) == count && std::fflush(f) == 0;
    std::fclose(f);
    // A cut write stands for a program killed mid-save: the temporary file stays behind.
    if (cut) return false;
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

// No save, or nothing in it: a clear block, a window (a first launch should not take over the
// screen), the tutorial reset, default volumes.
int32_t setDefaults() {
    std::memset(saveBlock(), 0, kSaveBlockBytes);
    setBlockInt(kOffMusicVolume, kDefaultMusicVolume);
    setBlockInt(kOffEffectVolume, kDefaultEffectVolume);
    setBlockInt(kOffStateId, kStateAttract);
    setBlockInt(kOffPreviousStateId, -1);
    // A first launch opens a window, and the options applied at start-up must say so too.
    setBlockInt(kOffWindowed, 1);
    scatterBlock();
    g_windowed = true;
    tutorialActive = 0;
    return 0;
}

// A file with nothing in it: start-up and a new name take the defaults, but a game to resume that
// is not there changes nothing, so the game in memory and the player's options stay as they are.
int32_t nothingToLoad(int32_t loadGame) {
    return loadGame ? 0 : setDefaults();
}

} // namespace

bool nameCharAllowed(char16_t c, int32_t position) {
    if (c > 255) return false;
    if (unsafeChar(static_cast<unsigned char>(c))) return false;
    return !(position == 0 && c == u'.');
}

std::string saveFileNameFor(const char* name) {
    std::string safe;
    for (int32_t i = 0; name && name[i] && i < kLastPlayerBytes - 1; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        safe.push_back(unsafeChar(c) || (i == 0 && c == '.') ? '_' : char(c));
    }
    return safe + "_" + kLastPlayerFile;
}

std::string saveFilePathFor(const char* name) {
    return platform::userDataFolder() + saveFileNameFor(name);
}

void writeLastPlayer() {
    std::vector<uint8_t> bytes(kLastPlayerBytes, 0);
    for (int32_t i = 0; i < kLastPlayerBytes - 1 && playerName[i]; ++i)
        bytes[size_t(i)] = uint8_t(playerName[i]);
    writeReplacing(platform::userDataFolder() + kLastPlayerFile, bytes);
}

namespace {
// The editor's test play saves under a name of its own (empty: the player's).
std::string g_saveNameOverride;
} // namespace

void useSaveName(const char* name) {
    g_saveNameOverride = name ? name : "";
}

bool savingUnderOwnName() {
    return g_saveNameOverride.empty();
}

namespace {

void writeGameFile() {
    const bool ownName = g_saveNameOverride.empty();
    gatherBlock();
    std::vector<uint8_t> bytes;
    bytes.reserve(8 + kSaveBlockBytes + size_t(houseCount > 0 ? houseCount : 0) * kSaveHouseBytes);
    appendU32(bytes, kSaveBlockBytes);
    bytes.insert(bytes.end(), saveBlock(), saveBlock() + kSaveBlockBytes);
    appendU32(bytes, kSaveHouseBytes);
    for (int32_t i = 0; i < houseCount && houseStates; ++i) {
        const uint8_t* h = reinterpret_cast<const uint8_t*>(&houseStates[i]);
        bytes.insert(bytes.end(), h, h + kSaveHouseBytes);
    }
    writeReplacing(saveFilePathFor(ownName ? playerName : g_saveNameOverride.c_str()), bytes);
}

} // namespace

void writeSavedGame() {
    // Test play from the editor leaves the player's files alone, the last-player file included.
    if (savingUnderOwnName()) writeLastPlayer();
    setBlockInt(kOffVersion, kSaveVersion);
    if (gameStarted) writeGameFile();
}

void writeFinishedGame() {
    if (savingUnderOwnName()) writeLastPlayer();
    writeGameFile();
}

void writeHighScoresIntoSave() {
    if (!savingUnderOwnName()) return;
    putHighScores(saveBlock());
    const std::string path = saveFilePathFor(playerName);
    std::vector<uint8_t> file;
    const uint32_t end = kOffShownScoreTable + 4;
    if (readWhole(path, file) && file.size() >= 4 + end && u32At(file.data(), file.size(), 0) >= end) {
        const uint8_t* block = saveBlock();
        std::memcpy(&file[4 + kOffHighScores], block + kOffHighScores, kScoreTables * kScoreTableBytes);
        std::memcpy(&file[4 + kOffShownScoreTable], block + kOffShownScoreTable, 4);
    } else {
        // No save (or one too short to hold the tables): the block as it stands, with no game in
        // it, and no houses.
        file.clear();
        appendU32(file, kSaveBlockBytes);
        file.insert(file.end(), saveBlock(), saveBlock() + kSaveBlockBytes);
        for (int32_t i = 0; i < 4; ++i) file[4 + kOffGameInProgress + uint32_t(i)] = 0;
        appendU32(file, kSaveHouseBytes);
    }
    writeReplacing(path, file);
}

static_assert(kOffScoreGameName == kOffScorePassword + kScoreAccountFieldBytes &&
              kOffScoreGameName + kScoreAccountFieldBytes <= kOffVersion);

bool writeScoreAccount(const char* gameName, const char* password) {
    const auto put = [](uint8_t* at, const char* text) {
        std::memset(at, 0, kScoreAccountFieldBytes);
        for (uint32_t i = 0; text && text[i] && i < kScoreAccountFieldBytes - 1; ++i)
            at[i] = uint8_t(text[i]);
    };
    put(saveBlock() + kOffScoreGameName, gameName);
    put(saveBlock() + kOffScorePassword, password);
    if (!playerName[0] || !g_saveNameOverride.empty()) return false;

    // Only the account's bytes change in a save that covers them; the game in it stays as it is.
    const std::string path = saveFilePathFor(playerName);
    const size_t end = 4 + size_t(kOffScorePassword) + 2 * kScoreAccountFieldBytes;
    std::vector<uint8_t> file;
    if (readWhole(path, file) && file.size() >= end && u32At(file.data(), file.size(), 0) + 4 >= end) {
        std::memcpy(file.data() + 4 + kOffScorePassword, saveBlock() + kOffScorePassword,
                    2 * kScoreAccountFieldBytes);
        return writeReplacing(path, file);
    }
    // No usable save: the block as loaded (options, tables, the account), without a game.
    std::vector<uint8_t> bytes(8 + size_t(kSaveBlockBytes), 0);
    for (uint32_t i = 0; i < 4; ++i) {
        bytes[i] = uint8_t(kSaveBlockBytes >> (8 * i));
        bytes[4 + kSaveBlockBytes + i] = uint8_t(kSaveHouseBytes >> (8 * i));
    }
    std::memcpy(bytes.data() + 4, saveBlock(), kSaveBlockBytes);
    std::memset(bytes.data() + 4 + kOffGameInProgress, 0, 4);
    return writeReplacing(path, bytes);
}

int32_t loadSaveFile(int32_t loadGame, const std::string& path) {
    std::vector<uint8_t> file;
    if (!readWhole(path, file)) return nothingToLoad(loadGame);
    return loadSaveImage(loadGame, file.data(), file.size());
}

int32_t loadSaveImage(int32_t loadGame, const uint8_t* data, size_t length) {
    if (!data || length <= 4) return nothingToLoad(loadGame);
    if (length > kMaxSaveFileBytes) length = kMaxSaveFileBytes; // what a file read gives too
    // The stored size is held to the block; a short file gives what it has.
    size_t size = u32At(data, length, 0);
    if (size > kSaveBlockBytes) size = kSaveBlockBytes;
    if (size > length - 4) size = length - 4;
    if (size == 0) return nothingToLoad(loadGame);

    // Keep the game as it is until the block is known to be usable.
    static uint8_t previous[kSaveBlockBytes];
    std::memcpy(previous, saveBlock(), kSaveBlockBytes);
    std::memset(saveBlock(), 0, kSaveBlockBytes);
    // The volumes lie near the block's end: a short block leaves them at the defaults, or, when
    // resuming, at the player's own.
    setBlockInt(kOffMusicVolume, loadGame ? musicVolume() : kDefaultMusicVolume);
    setBlockInt(kOffEffectVolume, loadGame ? effectVolume() : kDefaultEffectVolume);
    std::memcpy(saveBlock(), data + 4, size);
    g_windowed = blockInt(kOffWindowed) != 0;

    if (loadGame) {
        // The scenario and its level's map come first: they decide how many houses follow.
        char name[sizeof scenarioFileName];
        std::memcpy(name, saveBlock() + kOffScenarioFile, sizeof name);
        name[sizeof name - 1] = 0;
        const int32_t level = blockInt(kOffLevel);
        const int32_t difficulty = blockInt(kOffDifficulty);
        const int32_t keepLevel = currentLevel, keepDifficulty = currentDifficulty;
        currentLevel = (level >= 0 && level < kMaxLevels) ? level : 0;
        currentDifficulty = (difficulty >= 0 && difficulty < kDifficultyCount) ? difficulty : 0;
        // A level the scenario does not have would resume on an empty level: refused before
        // anything of the game in memory changes.
        const int32_t levels = name[0] ? scenarioLevelCount(name) : -1;
        const bool levelMissing = levels >= 1 && (level < 0 || level >= levels);
        if (name[0] == 0 || levelMissing || loadScenario(name, 0) != 0) {
            currentLevel = keepLevel;
            currentDifficulty = keepDifficulty;
            std::memcpy(saveBlock(), previous, kSaveBlockBytes);
            return -1;
        }
        if (level < 0 || level >= scenario.levelCount) {
            currentLevel = keepLevel;
            currentDifficulty = keepDifficulty;
            std::memcpy(saveBlock(), previous, kSaveBlockBytes);
            return -1;
        }
    }
    scatterBlock();
    if (!loadGame) return 1;
    // Nothing of the game that was in memory flies on into the loaded one (its money is in the
    // saved cash already).
    clearTimedObjects();

    const size_t houseAt = 4 + size;
    size_t record = u32At(data, length, houseAt);
    if (record > kSaveHouseBytes) record = kSaveHouseBytes;
    for (int32_t i = 0; i < houseCount && houseStates; ++i) {
        HouseState& h = houseStates[i];
        std::memset(&h, 0, sizeof h);
        const size_t at = houseAt + 4 + size_t(i) * record;
        if (record && at < length) {
            const size_t n = (length - at < record) ? length - at : record;
            std::memcpy(&h, data + at, n);
        }
        if (h.owner < kOwnerPlayer || h.owner > kOwnerBank) h.owner = kOwnerBank;
        if (h.level < -1 || h.level > kMaxLevel) h.level = 0;
        if (h.rentLevel < 0 || h.rentLevel > 2) h.rentLevel = 1;
        if (h.renterHistory < 0 || h.renterHistory > 4) h.renterHistory = 0;
        // The house's fractions feed frame drawing and money: nothing infinite, nothing a whole
        // number cannot hold once scaled (a rival's wear grows on past 1 by design).
        h.mtgRate = heldFraction(h.mtgRate, 100.0f);
        h.applicantProgress = heldFraction(h.applicantProgress, 1.0e6f);
        h.wear = heldFraction(h.wear, 1.0e6f);
        h.buyerInterest = heldFraction(h.buyerInterest, 1.0e6f);
    }
    setBlockInt(kOffLoading, 0);
    return 1;
}

int32_t loadPlayer(int32_t loadGame) {
    std::vector<uint8_t> last;
    // Nobody has played yet: the options are the defaults, not an empty block (which would start
    // the game with both volumes at 0).
    if (!readWhole(platform::userDataFolder() + kLastPlayerFile, last) ||
        !readLastPlayer(last.data(), last.size()))
        return nothingToLoad(loadGame);
    return loadSaveFile(loadGame, saveFilePathFor(playerName));
}

bool readLastPlayer(const uint8_t* data, size_t size) {
    if (!data || size < size_t(kLastPlayerBytes)) return false;
    std::memset(playerName, 0, sizeof playerName);
    for (int32_t i = 0; i < kLastPlayerBytes - 1 && data[i]; ++i) playerName[i] = char(data[i]);
    return true;
}

bool savedWindowed() {
    return g_windowed;
}

bool gameResumable() {
    // What counts is the player's save file: a game started since, but never saved, is not there.
    std::vector<uint8_t> file;
    if (!playerName[0] || !readWhole(saveFilePathFor(playerName), file)) return false;
    if (file.size() < 4 + size_t(kOffMonthsElapsed) + 4) return false;
    const bool inProgress = u32At(file.data(), file.size(), 4 + kOffGameInProgress) != 0;
    const int32_t months = i32At(file.data(), file.size(), 4 + kOffMonthsElapsed);
    return inProgress && months >= 0 && months < kResumeMonthsLimit;
}

void setSaveWriteLimitForTests(int32_t bytes) {
    g_writeLimit = bytes;
}

int32_t resumeGameUpdate(int32_t) {
    const int32_t result = loadPlayer(1);
    if (result == 1) {
        int32_t state = blockInt(kOffStateId);
        if (state == kStateOptions || state == kStateExitGame || !findState(state) || state == kStateResume)
            state = kStateGame;
        changeState(state);
        return 0;
    }
    changeState(kStateAttract);
    if (result == -1) {
        // The scenario the game was played in is gone or unreadable; the save stays as it is.
        const char16_t* title = text("resumeFailedTitle");
        const char16_t* body = text("resumeFailedBody");
        if (title && body) simpleDialogCentred(kStateAttract, 500, 220, title, body);
    }
    return 0;
}

} // namespace bv
