// Saving and loading a real game: a shipped scenario played a little, saved, disturbed and loaded
// back must come back byte for byte; damaged files of many shapes load without harm.
#include <algorithm>
#include <tuple>

#include "assets/archive.h"
#include "assets/sprites.h"
#include "core/state_ids.h"
#include "gfx/display.h"
#include "gfx/framebuffer.h"
#include "gfx/sprite_startup.h"
#include "levels/goals.h"
#include "levels/level_start.h"
#include "save_fixture.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/effect_list.h"
#include "sim/market.h"
#include "sim/repairs.h"
#include "sim/tenancy.h"
#include "ui/hotspots.h"
#include "world/map_picture.h"
#include "world/picture_sets.h"

namespace bvtest {
namespace {

using namespace bv;

class SaveLoadTest : public SaveTest {
  protected:
    static void SetUpTestSuite() {
        ensureMemory();
        platform::setProgramFolder(std::string(BV_GAME_DIR) + "/");
        archiveOpen("bb_Blob32");
        loadMapPictureSets();
        // The screens entered on the way (goals, exit dialog) draw into a frame.
        allocFrameBuffer();
        initHotSpots();
    }
    static void TearDownTestSuite() {
        clearMap();
        freePicture(backgroundPicture);
        freeTownSets();
        archiveCloseForTests();
    }

    void SetUp() override {
        SaveTest::SetUp();
        buildScenarioList();
        ASSERT_GT(scenarioListCount, 0);
        chosenScenario = 0;
        currentDifficulty = 1;
        ASSERT_EQ(startScenario(), 0);
        resetGame();
        ASSERT_GT(houseCount, 2);
        // Some play: houses change hands, a renter moves in, the month moves on.
        for (int32_t i = 0; i < houseCount; ++i) {
            houseStates[i].owner = i % 6;
            houseStates[i].askingPrice = 1000 * i + 1;
            houseStates[i].wear = 0.25f * float(i % 4);
        }
        houseStates[1].hasRenter = 1;
        houseStates[1].renterHistory = 3;
        monthsElapsed = 7;
        dayOfMonth = 9;
        owners[0].cash = 54321;
        owners[0].avatar = 22;
        selectedHouse = 2;
        changeState(kStateGame);
    }

    std::vector<uint8_t> blockBytes() const {
        gatherBlock();
        return std::vector<uint8_t>(saveBlock(), saveBlock() + kSaveBlockBytes);
    }
};

// A resume goes on in the state the game was saved in (the options panel and a state the table
// cannot resume give the board) and never puts the options back to the defaults: saved with music
// 70, effects 3, help shown and full screen; since then the player has 40, 9, hidden and a window.
TEST_F(SaveLoadTest, ResumeContinuesInTheSavedStateWithTheSavedOptions) {
    struct Case {
        const char* name;
        int32_t saved;
        uint32_t blockSize;
        const char* removed;
        int32_t state, music, effects, help;
    };
    // clang-format off
    const Case cases[] = {
        {"on the goals screen", kStateDisplayGoals, 16296, "", kStateDisplayGoals, 70, 3, kHelpShown},
        {"in the options panel", kStateOptions, 16296, "", kStateGame, 70, 3, kHelpShown},
        {"in a state that is not resumed", 59, 16296, "", kStateGame, 70, 3, kHelpShown},
        // 15000 bytes reach the help setting (10720) but not the volumes (15476, 15480).
        {"short block", kStateGame, 15000, "", kStateGame, 40, 9, kHelpShown},
        {"block size 0", kStateGame, 0, "", kStateAttract, 40, 9, kHelpHidden},
        {"no save file", kStateGame, 16296, "Ann_bvx2.sav", kStateAttract, 40, 9, kHelpHidden},
        {"no last-player file", kStateGame, 16296, "bvx2.sav", kStateAttract, 40, 9, kHelpHidden},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setMusicVolume(70);
        setEffectVolume(3);
        helpSetting = kHelpShown;
        setWindowed(false);
        changeState(c.saved);
        writeSavedGame();
        setWindowed(true);
        std::vector<uint8_t> f = readFile(saveFile());
        f[0] = uint8_t(c.blockSize), f[1] = uint8_t(c.blockSize >> 8);
        writeFile(saveFile(), f);
        if (c.removed[0]) std::filesystem::remove(dir_.path() + "/" + c.removed);
        setMusicVolume(40);
        setEffectVolume(9);
        helpSetting = kHelpHidden;
        monthsElapsed = 0;
        changeState(kStateAttract);
        resumeGameUpdate(0);
        // Saved full screen: a save that is loaded puts the display to full screen, else it stays.
        EXPECT_EQ(std::tuple(currentStateId(), monthsElapsed, musicVolume(), effectVolume(), helpSetting,
                             isWindowed()),
                  std::tuple(c.state, c.state == kStateAttract ? 0 : 7, c.music, c.effects, c.help,
                             c.state == kStateAttract));
    }
}

// A save naming a scenario no maps folder holds, or a level its scenario does not have, is refused:
// the game in memory and the file stay as they were.
TEST_F(SaveLoadTest, ASaveThatCannotBeResumedIsRefused) {
    writeSavedGame();
    const std::vector<uint8_t> good = readFile(saveFile());
    const int32_t levels = scenario.levelCount;
    for (const int32_t level : {0, levels, levels + 3, -1}) {
        SCOPED_TRACE(level);
        std::vector<uint8_t> f = good;
        if (level == 0)
            std::memcpy(&f[4 + kOffScenarioFile], "no_such_town.bvx", 17);
        else
            std::memcpy(&f[4 + kOffLevel], &level, 4);
        writeFile(saveFile(), f);
        owners[0].cash = 777;
        currentLevel = 0;
        monthsElapsed = 2;
        EXPECT_EQ(loadSaveFile(1, saveFile()), -1);
        EXPECT_EQ(std::tuple(owners[0].cash, currentLevel, monthsElapsed), std::tuple(777, 0, 2));
        changeState(kStateAttract);
        resumeGameUpdate(0);
        EXPECT_EQ(currentStateId(), kStateAttract);
        EXPECT_EQ(readFile(saveFile()), f);
    }
}

TEST_F(SaveLoadTest, DamagedFilesOfManyShapesLoadWithinRange) {
    writeSavedGame();
    const std::vector<uint8_t> good = readFile(saveFile());
    std::vector<std::vector<uint8_t>> shapes;
    for (size_t cut : {size_t(0), size_t(1), size_t(4), size_t(5), size_t(100), size_t(16299), size_t(16300),
                       size_t(16303), size_t(16304), size_t(16304 + 188 + 17)})
        shapes.emplace_back(good.begin(), good.begin() + long(std::min(cut, good.size())));
    // A block size far too large, a house record size far too large, tiny house records.
    std::vector<uint8_t> f;
    for (const auto& [at, word] :
         {std::pair{0u, 0xFFFFFFFFu}, {4u + 16296u, 0x7FFFFFFFu}, {4u + 16296u, 3u}}) {
        f = good;
        setLE32(f, at, word);
        shapes.push_back(f);
    }
    f = good;
    for (uint32_t off : {kOffStateId, kOffLevel, kOffDifficulty, kOffSelectedHouse, kOffChosenScenario,
                         kOffMonthsElapsed, kOffCalendar + 8, kOffOwners, kOffOwners + 8, kOffMusicVolume})
        setLE32(f, 4 + off, 0x80000001u);
    for (int32_t i = 0; i < houseCount; ++i) setLE32(f, 8 + 16296 + size_t(i) * 188 + 80, 77); // owner ids
    shapes.push_back(f);
    f = good;
    f.insert(f.end(), 1 << 20, 0xAB); // oversized
    shapes.push_back(f);

    for (size_t k = 0; k < shapes.size(); ++k) {
        SCOPED_TRACE(k);
        writeFile(saveFile(), shapes[k]);
        for (int32_t flag : {0, 1}) {
            const int32_t r = loadSaveFile(flag, saveFile());
            // A block too short to name its scenario cannot be resumed: -1, the game untouched.
            EXPECT_TRUE(r == 0 || r == 1 || (flag == 1 && r == -1)) << r;
            EXPECT_TRUE(currentDifficulty >= 0 && currentDifficulty <= 2);
            EXPECT_TRUE(currentLevel >= 0 && currentLevel < kMaxLevels);
            EXPECT_TRUE(selectedHouse >= -1 && selectedHouse < houseCount);
            EXPECT_TRUE(owners[0].avatar >= 0 && owners[0].avatar <= 25);
            EXPECT_TRUE(musicVolume() >= 0 && musicVolume() <= 100);
            for (int32_t i = 0; i < houseCount; ++i)
                ASSERT_TRUE(houseStates[i].owner >= 0 && houseStates[i].owner <= 5);
            const int32_t state = blockInt(kOffStateId);
            EXPECT_TRUE(findState(state) != nullptr) << state;
        }
    }
}

// Every figure the simulation keeps outside the owners and the houses: the value this test gives
// it (a buyer's offer waits; the bank's timer, the quiet days and the calendar run) and the value
// a new process starts with.
struct Figure {
    const char* name;
    int32_t* at;
    int32_t value, fresh;
};
const Figure kFigures[] = {{"dealBuyer", &dealBuyer, 3, 0},
                           {"dealHouse", &dealHouse, 1, 0},
                           {"dealOffer", &dealOffer, 87000, 0},
                           {"dealCounter", &dealCounter, 88000, 0},
                           {"newListingPrice", &newListingPrice, 45000, 0},
                           {"bankListTimer", &bankListTimer, 1234, 0},
                           {"daysSinceDamage", &daysSinceDamage, 17, 0},
                           {"dayClock", &dayClock, 500, 0},
                           {"hurryMonth", &hurryMonth, 1, 0},
                           {"dayOfMonth", &dayOfMonth, 9, 0},
                           {"monthsElapsed", &monthsElapsed, 7, 0},
                           {"startMonth", &startMonth, 4, 0},
                           {"startYear", &startYear, 1999, 0},
                           {"foreclosedHouse", &foreclosedHouse, 2, -1},
                           {"pendingApplicantHouse", &pendingApplicantHouse, 1, -1},
                           {"pendingApplicantHistory", &pendingApplicantHistory, 3, 0},
                           {"ownerOverlayShown", &ownerOverlayShown, 1, 0},
                           {"improvePending", &creditNotice.improvePending, 1, 0},
                           {"slipPending", &creditNotice.slipPending, 0, 0},
                           {"noticeDelay", &creditNotice.noticeDelay, 700, 0},
                           {"goalHoldCounter", &goalHoldCounter, 2, 0},
                           {"selectedHouse", &selectedHouse, 2, -1},
                           {"currentLevel", &currentLevel, 0, 0}};

std::vector<uint8_t> ownerAndHouseBytes() {
    const auto* o = reinterpret_cast<const uint8_t*>(owners);
    const auto* h = reinterpret_cast<const uint8_t*>(houseStates);
    std::vector<uint8_t> out(o, o + sizeof owners);
    out.insert(out.end(), h, h + size_t(houseCount) * sizeof(HouseState));
    return out;
}

TEST_F(SaveLoadTest, EverySimulationFieldComesBackInAFreshProcess) {
    for (const Figure& f : kFigures) *f.at = f.value;
    ASSERT_TRUE(queueState(kStateHouseOffer, 1));
    owners[3].creditPoints = 77;
    owners[2].style = 2;
    // Every condition from -1 to 4 on the houses.
    for (int32_t i = 0; i < houseCount; ++i) houseStates[i].level = -1 + i % 6;
    const std::vector<uint8_t> before = ownerAndHouseBytes();
    // Rent still flying to the player and a rival is booked at save time.
    addCashLater(500, kOwnerPlayer, 1000);
    addCashLater(-200, 2, 1000);
    addCashLater(30, 2, 1000);
    writeSavedGame();
    ASSERT_EQ(timedObjectCount(), 3) << "the game saved goes on with its flights";
    const std::vector<uint8_t> f = readFile(saveFile());
    ASSERT_EQ(f.size(), 8u + 16296u + size_t(houseCount) * 188u);

    // The globals as a new process has them, before it loads the save.
    for (const Figure& figure : kFigures) *figure.at = figure.fresh;
    clearStateQueue();
    clearTimedObjects();
    std::memset(owners, 0, sizeof owners);
    std::memset(houseStates, 0, size_t(houseCount) * sizeof(HouseState));
    currentDifficulty = 0;
    ASSERT_EQ(loadSaveFile(1, saveFile()), 1);
    EXPECT_EQ(currentDifficulty, 1);
    // The block gathered again is the block saved: the waiting offer's queue among it.
    EXPECT_EQ(blockBytes(), std::vector<uint8_t>(f.begin() + 4, f.begin() + 4 + 16296));
    for (const Figure& figure : kFigures) EXPECT_EQ(*figure.at, figure.value) << figure.name;
    EXPECT_EQ(queuedCount(), 1);
    // The flights' money is in the loaded cash: 54,321 + 500 for the player, -200 + 30 for rival 2.
    EXPECT_EQ(owners[kOwnerPlayer].cash, 54321 + 500);
    owners[kOwnerPlayer].cash -= 500;
    owners[2].cash -= -200 + 30;
    EXPECT_EQ(ownerAndHouseBytes(), before);
    EXPECT_EQ(timedObjectCount(), 0) << "nothing flies on into the loaded game";
}

} // namespace
} // namespace bvtest
