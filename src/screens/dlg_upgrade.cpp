// The upgrade dialog (state 45) for the selected house: what the house is worth and earns now, and
// what it would after an upgrade (one level) or a complete renovation (to the top level), with the
// costs. Work the player cannot afford is shown disabled.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/level_screens.h"
#include "screens/town_view.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/money.h"

namespace bv {

namespace {

constexpr int32_t kLineGap = 16;
int32_t g_house = -1;

struct Preview {
    int32_t value;
    int32_t rent;
};

// Value and rent at another level: the level is changed for the sums and restored.
Preview previewAt(int32_t house, int32_t level) {
    HouseState* h = getHouse(house);
    if (!h) return {0, 0};
    const int32_t kept = h->level;
    h->level = level;
    const Preview p{currentValue(house), currentRent(house)};
    h->level = kept;
    return p;
}

void moneyLine(int32_t& y, const char* key, int32_t amount) {
    printKey(360, y, false, 0, key, moneyStr(amount));
    y += kLineGap;
}

void upgradeClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    if (canUpgrade(g_house)) startUpgrade(g_house);
    changeState(kStateGame);
}

void renovateClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    if (canRenovate(g_house)) startCompleteReno(g_house);
    changeState(kStateGame);
}

} // namespace

int32_t upgradeEnter(int32_t, int32_t, int32_t) {
    const HouseState* h = getHouse(selectedHouse);
    if (!h || h->owner != kOwnerPlayer) {
        changeState(kStateGame);
        return 0;
    }
    g_house = selectedHouse;
    openDialogCentred();
    return 0;
}

int32_t upgradeUpdate(int32_t) {
    const HouseState* h = getHouse(g_house);
    if (!h) {
        changeState(kStateGame);
        return 0;
    }
    if (!dialogFrame(100, 30, 600, 440)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 70, true, 0, "upgrade");
    popFont();
    drawHouseCard(g_house, 225, 140);

    pushFont(&fontArial15Brown);
    setTextArea(360, 100, 690, 600);
    int32_t y = 110;
    moneyLine(y, "currentValue", currentValue(g_house));
    moneyLine(y, "currentRent", currentRent(g_house));
    y += 2 * kLineGap;
    const Preview up = previewAt(g_house, h->level + 1);
    moneyLine(y, "upgradeCost", upgradeCostOf(g_house));
    moneyLine(y, "upgradedPV", up.value);
    moneyLine(y, "upgradedRent", up.rent);
    const bool renovationOffered = h->level + 1 < kMaxLevel;
    if (renovationOffered) {
        y += kLineGap;
        const Preview top = previewAt(g_house, kMaxLevel);
        moneyLine(y, "renovationCost", renovationCost(g_house));
        moneyLine(y, "renovatedPV", top.value);
        moneyLine(y, "renovatedRent", top.rent);
    }
    y += kLineGap;
    printKey(360, y, false, 0, "currRentExplained");
    if (h->hasRenter) {
        setTextArea(150, 350, 650, 600);
        printKey(150, 350, false, 0,
                 h->renterHistory > h->level ? "upgradeTenantHappy" : "upgradeTenantUnhappy");
    }
    setTextArea(0, 0, 800, 600);
    popFont();

    button(210, 430, 175, 30, text("minorReno"), 0, canUpgrade(g_house) ? upgradeClicked : nullptr);
    button(395, 430, 175, 30, text("completeReno"), 0, canRenovate(g_house) ? renovateClicked : nullptr);
    button(580, 430, 175, 30, text("cancel"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv
