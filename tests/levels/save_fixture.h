// A save folder of its own for each test, and a game state with known values in it.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "core/state.h"
#include "levels/save.h"
#include "platform/platform.h"
#include "sim/calendar.h"
#include "sim/economy.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "support/bytes.h"
#include "support/test_support.h"
#include "world/scenario.h"

namespace bvtest {

inline void setName(const char* name) {
    std::memset(bv::playerName, 0, sizeof bv::playerName);
    std::strncpy(bv::playerName, name, sizeof bv::playerName - 1);
}

class SaveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureMemory();
        bvtest::useNamedStates();
        bv::platform::setUserDataFolder(dir_.path() + "/");
        bv::enableSavedOptions();
        std::memset(bv::saveBlock(), 0, bv::kSaveBlockBytes);
        std::memset(bv::owners, 0, sizeof bv::owners);
        bv::gameStarted = 0;
        bv::monthsElapsed = 0;
        bv::selectedHouse = -1;
        bv::setSaveWriteLimitForTests(-1);
        bv::setMusicVolume(bv::kDefaultMusicVolume);
        bv::setEffectVolume(bv::kDefaultEffectVolume);
        setName("Ann");
    }
    void TearDown() override { bv::setSaveWriteLimitForTests(-1); }

    // A game in progress with a distinct value in every field the fixed offsets name.
    void fillGame() {
        bv::gameStarted = 1;
        bv::currentDifficulty = 2;
        bv::monthsElapsed = 17;
        bv::currentLevel = 3;
        bv::startMonth = 4;
        bv::startYear = 2031;
        bv::dayOfMonth = 12;
        bv::chosenScenario = 5;
        std::strcpy(bv::scenarioFileName, "career.bvx");
        bv::setMusicVolume(64);
        bv::setEffectVolume(3);
        for (int32_t i = 0; i < bv::kScheduleLength; ++i) bv::economySchedule[i] = i % 7;
        for (int32_t o = 0; o <= bv::kOwnerBank; ++o) {
            bv::owners[o].avatar = 20 + o;
            bv::owners[o].cash = 100000 * (o + 1) + 7;
            bv::owners[o].creditRating = o;
        }
    }

    std::string saveFile(const char* name = "Ann") const { return dir_.path() + "/" + name + "_bvx2.sav"; }
    std::string lastPlayerFile() const { return dir_.path() + "/bvx2.sav"; }

    TempDir dir_;
};

} // namespace bvtest
