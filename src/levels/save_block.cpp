// The persistent block: the game's state copied into one fixed image and back. Reading back never
// trusts the image: every index and id is checked before the game uses it.
#include <cstring>

#include "audio/audio.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/display.h"
#include "levels/goals.h"
#include "levels/high_scores.h"
#include "levels/save.h"
#include "platform/byte_reader.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "sim/tenancy.h"
#include "world/map.h"
#include "world/scenario.h"

namespace bv {

namespace {

uint8_t g_block[kSaveBlockBytes];

constexpr int32_t kSimWordCount = 7;
int32_t* const kSimWords[kSimWordCount] = {&dayClock,
                                           &hurryMonth,
                                           &foreclosedHouse,
                                           &tutorialActive,
                                           &ownerOverlayShown,
                                           &pendingApplicantHouse,
                                           &pendingApplicantHistory};

void putWords(uint32_t offset, const int32_t* words, int32_t count) {
    for (int32_t i = 0; i < count; ++i) setBlockInt(offset + 4 * uint32_t(i), words[i]);
}

void getWords(uint32_t offset, int32_t* words, int32_t count) {
    for (int32_t i = 0; i < count; ++i) words[i] = blockInt(offset + 4 * uint32_t(i));
}

int32_t clampInt(int32_t v, int32_t lo, int32_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// A house index that is not a house of the current map means "none".
int32_t houseOrNone(int32_t index) {
    return (index >= 0 && index < houseCount) ? index : -1;
}

// The ids a saved state may resume in: the board and the screens and dialogs opened from it.
// A dialog's own data (the offer, the house it is about) lives in the block as well.
bool resumableState(int32_t id) {
    return id == kStateGame || id == kStateLevelIntro || id == kStateOptions || id == kStateDisplayGoals ||
           id == kStateExitGame || id == kStateYouWin || id == kStateEndOfLevel;
}

bool g_optionsLive = false;

} // namespace

void enableSavedOptions() {
    g_optionsLive = true;
    applySavedOptions();
}

void applySavedOptions() {
    // Before audio is up the sound layer must not be touched; start-up applies them afterwards.
    if (!g_optionsLive) return;
    // The setters hold the volumes to their ranges.
    setMusicVolume(blockInt(kOffMusicVolume));
    setEffectVolume(blockInt(kOffEffectVolume));
    // The display follows the stored windowed flag (a missing save means full screen).
    const bool windowed = blockInt(kOffWindowed) != 0;
    if (isWindowed() != windowed) toggleFullScreen(!windowed);
}

uint8_t* saveBlock() {
    return g_block;
}

int32_t blockInt(uint32_t offset) {
    return i32At(g_block, kSaveBlockBytes, offset);
}

void setBlockInt(uint32_t offset, int32_t value) {
    if (offset + 4 > kSaveBlockBytes) return;
    const uint32_t v = static_cast<uint32_t>(value);
    uint8_t* p = g_block + offset;
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

namespace {
// Only dialogs are ever queued: never the menus, a new game, the board itself or the editor.
bool queueableDialog(int32_t id) {
    switch (id) {
    case kStateAttract:
    case kStateInitGame:
    case kStateGame:
    case kStateSetup:
    case kStateResume:
    case kStateEnterName:
    case kStateEditor:
        return false;
    default:
        return findState(id) != nullptr;
    }
}
} // namespace

void gatherBlock() {
    setBlockInt(kOffVersion, kSaveVersion);
    putWords(kOffEconomy, economySchedule, kScheduleLength);
    // Money still flying over the board is booked into the saved cash: a resumed game has no
    // flights, and the money must not be lost with them.
    for (int32_t i = 0; i <= kOwnerBank; ++i) {
        OwnerRecord saved = owners[i];
        saved.cash = addSaturated(saved.cash, cashInFlight(i));
        std::memcpy(g_block + (i < kOwnerCount ? kOffOwners + 100 * uint32_t(i) : kOffBankOwner), &saved,
                    sizeof(OwnerRecord));
    }
    setBlockInt(kOffNegotiation, dealBuyer);
    setBlockInt(kOffNegotiation + 4, dealHouse);
    setBlockInt(kOffNegotiation + 8, dealOffer);
    setBlockInt(kOffNegotiation + 12, dealCounter);
    setBlockInt(kOffMarketWords, newListingPrice);
    setBlockInt(kOffMarketWords + 4, bankListTimer);
    setBlockInt(kOffMarketWords + 8, daysSinceDamage);
    for (int32_t i = 0; i < kSimWordCount; ++i) setBlockInt(kOffSimWords + 4 * uint32_t(i), *kSimWords[i]);
    setBlockInt(kOffCreditNotice, creditNotice.improvePending);
    setBlockInt(kOffCreditNotice + 4, creditNotice.slipPending);
    setBlockInt(kOffCreditNotice + 8, creditNotice.noticeDelay);
    setBlockInt(kOffHelpSetting, helpSetting);
    setBlockInt(kOffGameInProgress, gameStarted);
    setBlockInt(kOffDifficulty, currentDifficulty);
    setBlockInt(kOffMonthsElapsed, monthsElapsed);
    setBlockInt(kOffStateId, currentStateId());
    setBlockInt(kOffPreviousStateId, previousStateId());
    setBlockInt(kOffTransient, 0);
    setBlockInt(kOffTransient + 4, 0);
    setBlockInt(kOffWindowed, isWindowed() ? 1 : 0);
    setBlockInt(kOffSelectedHouse, selectedHouse);
    std::memcpy(g_block + kOffScenarioFile, scenarioFileName, sizeof scenarioFileName);
    g_block[kOffScenarioFile + sizeof scenarioFileName - 1] = 0;
    setBlockInt(kOffCalendar, startMonth);
    setBlockInt(kOffCalendar + 4, startYear);
    setBlockInt(kOffCalendar + 8, dayOfMonth);
    setBlockInt(kOffLevel, currentLevel);
    setBlockInt(kOffGoalHold, goalHoldCounter);
    // The dialog queue: 99 state ids, then 99 arguments, then the count.
    for (int32_t i = 0; i < kQueueCapacity; ++i) {
        int32_t id = 0, argument = 0;
        queuedPair(i, id, argument);
        setBlockInt(kOffEventQueue + 4 * uint32_t(i), id);
        setBlockInt(kOffEventQueue + 4 * uint32_t(kQueueCapacity + i), argument);
    }
    setBlockInt(kOffEventQueue + 8 * uint32_t(kQueueCapacity), queuedCount());
    setBlockInt(kOffMusicVolume, musicVolume());
    setBlockInt(kOffEffectVolume, effectVolume());
    setBlockInt(kOffChosenScenario, chosenScenario);
    setBlockInt(kOffScenarioLoaded, scenarioLoaded);
    putHighScores(g_block);
    setBlockInt(kOffBlockSizeCopy, int32_t(kSaveBlockBytes));
}

void scatterBlock() {
    getWords(kOffEconomy, economySchedule, kScheduleLength);
    for (int32_t& e : economySchedule) e = clampInt(e, 0, kEconomyLevels - 1);
    for (int32_t i = 0; i < kOwnerCount; ++i)
        std::memcpy(&owners[i], g_block + kOffOwners + 100 * uint32_t(i), sizeof(OwnerRecord));
    std::memcpy(&owners[kOwnerBank], g_block + kOffBankOwner, sizeof(OwnerRecord));
    for (int32_t i = 0; i <= kOwnerBank; ++i) {
        OwnerRecord& o = owners[i];
        o.avatar = clampInt(o.avatar, 0, 25);
        o.creditRating = clampInt(o.creditRating, 0, kCreditRatings - 1);
        if (o.creditPoints < 0) o.creditPoints = 0;
        o.style = clampInt(o.style, 0, 2);
        setCash(i, o.cash); // the loaded cash is where the money paths go on from
    }
    dealBuyer = clampInt(blockInt(kOffNegotiation), 0, kOwnerBank);
    dealHouse = houseOrNone(blockInt(kOffNegotiation + 4));
    dealOffer = clampInt(blockInt(kOffNegotiation + 8), 0, INT32_MAX);
    dealCounter = clampInt(blockInt(kOffNegotiation + 12), 0, INT32_MAX);
    newListingPrice = clampInt(blockInt(kOffMarketWords), 0, INT32_MAX);
    bankListTimer = clampInt(blockInt(kOffMarketWords + 4), 0, INT32_MAX);
    daysSinceDamage = clampInt(blockInt(kOffMarketWords + 8), 0, INT32_MAX);
    for (int32_t i = 0; i < kSimWordCount; ++i) *kSimWords[i] = blockInt(kOffSimWords + 4 * uint32_t(i));
    if (dayClock < 0 || dayClock >= kDayMs) dayClock = 0;
    hurryMonth = hurryMonth ? 1 : 0;
    foreclosedHouse = houseOrNone(foreclosedHouse);
    pendingApplicantHouse = houseOrNone(pendingApplicantHouse);
    pendingApplicantHistory = clampInt(pendingApplicantHistory, 0, 4);
    creditNotice.improvePending = blockInt(kOffCreditNotice) ? 1 : 0;
    creditNotice.slipPending = blockInt(kOffCreditNotice + 4) ? 1 : 0;
    creditNotice.noticeDelay = clampInt(blockInt(kOffCreditNotice + 8), 0, 100000);
    helpSetting = blockInt(kOffHelpSetting);
    if (helpSetting != kHelpShown && helpSetting != kHelpHidden) helpSetting = 0;
    gameStarted = blockInt(kOffGameInProgress) ? 1 : 0;
    currentDifficulty = clampInt(blockInt(kOffDifficulty), 0, kDifficultyCount - 1);
    monthsElapsed = blockInt(kOffMonthsElapsed);
    if (monthsElapsed < 0) monthsElapsed = 0;
    g_block[kOffScenarioFile + sizeof scenarioFileName - 1] = 0;
    std::memcpy(scenarioFileName, g_block + kOffScenarioFile, sizeof scenarioFileName);
    startMonth = clampInt(blockInt(kOffCalendar), 0, 11);
    startYear = blockInt(kOffCalendar + 4);
    dayOfMonth = clampInt(blockInt(kOffCalendar + 8), 0, 30);
    currentLevel = clampInt(blockInt(kOffLevel), 0, kMaxLevels - 1);
    goalHoldCounter = clampInt(blockInt(kOffGoalHold), 0, 1000);
    // Queued dialogs come back only when they name a state of the table.
    clearStateQueue();
    const int32_t queued =
        clampInt(blockInt(kOffEventQueue + 8 * uint32_t(kQueueCapacity)), 0, kQueueCapacity);
    for (int32_t i = 0; i < queued; ++i) {
        const int32_t id = blockInt(kOffEventQueue + 4 * uint32_t(i));
        const int32_t argument = blockInt(kOffEventQueue + 4 * uint32_t(kQueueCapacity + i));
        if (queueableDialog(id)) queueState(id, argument);
    }
    chosenScenario = blockInt(kOffChosenScenario);
    if (chosenScenario < 0 || chosenScenario >= kMaxScenarios) chosenScenario = 0;
    scenarioLoaded = blockInt(kOffScenarioLoaded) ? 1 : 0;
    selectedHouse = houseOrNone(blockInt(kOffSelectedHouse));
    getHighScores(g_block);
    applySavedOptions();
    // State ids are checked where the game resumes (resumeGameUpdate); keep a sane copy here.
    const int32_t state = blockInt(kOffStateId);
    if (!resumableState(state)) setBlockInt(kOffStateId, gameStarted ? kStateGame : kStateAttract);
}

} // namespace bv
