// The town view: the town with its houses, then the panel, the top bar and the board's click areas,
// and the flight of a newly selected house to the panel.
#include "screens/town_view.h"

#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/sound.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/draw_list.h"
#include "gfx/framebuffer.h"
#include "levels/goals.h"
#include "screens/board_notices.h"
#include "screens/board_parts.h"
#include "screens/float_effects.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"
#include "world/map.h"
#include "world/map_draw.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr int32_t kSelectFlightMs = 200;
constexpr int32_t kCardPictureX = 550; // where the panel's card shows the house standing
constexpr int32_t kCardPictureY = 545;
constexpr int32_t kTutorialHouseTag = 18;

// A house picture flying from the town to the panel; it selects the house when it lands.
struct SelectFlight {
    TimedObject header;
    int32_t house;
    int32_t elapsed;
};
SelectFlight* g_flight = nullptr;

void forgetFlight(TimedObject* self) {
    if (g_flight && self == &g_flight->header) g_flight = nullptr;
}

void updateFlight(TimedObject* self) {
    auto* f = reinterpret_cast<SelectFlight*>(self);
    // Like the floating effects, the flight waits while a dialog covers the board.
    if (currentStateId() != kStateGame) return;
    f->elapsed += frameMs;
    const MapHouse* m = getMapHouse(f->house);
    const Sprite* picture = m ? spriteAt(houseSprites, m->pictureIndex) : nullptr;
    if (!m || f->elapsed >= kSelectFlightMs) {
        if (m) selectedHouse = f->house;
        removeTimedObject(self);
        return;
    }
    if (!picture) return;
    // From the town's size (5/12 in tycoon towns) to the card's full size.
    const float t = float(f->elapsed) / float(kSelectFlightMs);
    const float from = isCareerMode() ? 1.0f : kMapScale;
    const float scale = from + (1.0f - from) * t;
    const int32_t x = m->x + int32_t(float(kCardPictureX - m->x) * t);
    const int32_t y = m->y + int32_t(float(kCardPictureY - m->y) * t);
    drawSpriteScaled(frameBuffer, x, y, picture, int32_t(float(picture->width) * scale),
                     int32_t(float(picture->height) * scale), false, 1.0f);
}

void clickHouse(int32_t, int32_t, int32_t house) {
    selectHouse(house);
}

// The houses back to front through the draw list. A highlighted house (state 1) glows; state 2
// hides it for this frame.
void drawHouses() {
    for (int32_t i = 0; i < houseCount; ++i) {
        const MapHouse& m = mapHouses[i];
        const Sprite* picture = housePicture(i);
        if (!picture || m.highlight >= 2 || !houseInDrawRange(m)) continue;
        if (m.highlight == 1)
            drawListAddHighlighted(m.x, m.y, picture, false);
        else
            drawListAdd(m.x, m.y, picture, false);
    }
    drawListFlush();
}

void drawTown() {
    pushClip();
    setClip(0, 0, kFrameWidth, kTownClipBottom);
    drawMapBelowHouses();
    drawHouses();
    drawMapAboveHouses();
    if (currentStateId() != kStateEditor) drawHouseMarks();
    popClip();
}

// While the tutorial runs, its "house for sale" step points at the first listed house: a click
// area over that house's pixels in the hit map.
void tutorialHouseArea() {
    if (!tutorialActive || !houseIndexImage) return;
    for (int32_t i = 0; i < houseCount; ++i) {
        if (!houseStates[i].forSale) continue;
        const Sprite* picture = housePicture(i);
        if (!picture) return;
        const Rect r = spriteRectAt(mapHouses[i].x, mapHouses[i].y, picture, false);
        int32_t x0 = kFrameWidth, y0 = kFrameHeight, x1 = -1, y1 = -1;
        for (int32_t y = std::max(r.y, 0); y < std::min(r.y + r.height, kFrameHeight); ++y)
            for (int32_t x = std::max(r.x, 0); x < std::min(r.x + r.width, kFrameWidth); ++x)
                if (houseIndexImage[y * kFrameWidth + x] == i + 1) {
                    x0 = std::min(x0, x), x1 = std::max(x1, x);
                    y0 = std::min(y0, y), y1 = std::max(y1, y);
                }
        if (x1 >= x0 && addHotSpot(x0, y0, x1 - x0 + 1, y1 - y0 + 1, clickHouse, i))
            tagLastHotSpot(kTutorialHouseTag);
        return;
    }
}

// A house under the mouse takes the click anywhere the board has no button. The panel hides the
// town's lowest rows, so houses are found only above it.
void houseClickArea() {
    const Point mouse = mousePos();
    if (mouse.y >= kBoardPanelTop) return;
    const int32_t house = houseAtPixel(mouse.x, mouse.y);
    if (house >= 0) addHotSpot(0, 0, kFrameWidth, kFrameHeight, clickHouse, house);
}

void drawPanelBackground() {
    if (const Sprite* panel = spriteAt(backgroundSprites, pic::kBkgndBoardPanel))
        drawSprite(frameBuffer, 0, kBoardPanelTop, panel, false);
    spriteButton(110, 475, spriteAt(iconSprites, pic::kIconOptionsButton), kStateOptions, goStateWhoosh,
                 false, false);
}

bool boardHouseSelected() {
    return getHouse(selectedHouse) != nullptr;
}

} // namespace

void drawTownScreen() {
    drawTown();
    drawPanelBackground();
    drawTopBar();
    drawEconomyChart(15, 550);
    // The selected house blinks: its highlight hides it every other pair of frames. Every other
    // highlight ends with this frame.
    for (int32_t i = 0; i < houseCount; ++i) mapHouses[i].highlight = 0;
    if (getHouse(selectedHouse)) drawHousePanel(selectedHouse);
    drawGoalsButton();
    drawRivalButtons();
    // The first hot spot under the mouse takes the click, so the houses come after every button:
    // a rival's button standing over a house opens that rival's portfolio.
    tutorialHouseArea();
    houseClickArea();
    if (ownerOverlayShown) drawOwnerOverlay();
}

void selectHouse(int32_t house) {
    if (!getHouse(house)) return;
    if (house == selectedHouse) {
        playSound(kSoundSelectSame);
        return;
    }
    playSound(kSoundSelectNew);
    if (g_flight) removeTimedObject(&g_flight->header);
    auto* f =
        reinterpret_cast<SelectFlight*>(addTimedObject(sizeof(SelectFlight), updateFlight, forgetFlight));
    if (!f) {
        selectedHouse = house;
        return;
    }
    f->house = house;
    g_flight = f;
}

int32_t houseInFlight() {
    return g_flight ? g_flight->house : -1;
}

void installTownView() {
    setNoticePresenter(presentNotice);
    setOwnerLooks(OwnerLooks{ownerAvatarIndex, ownerDisplayName});
    setFloatEffectDrawer(drawFloatEffect);
    setDialogBoardHooks(DialogBoardHooks{drawTownScreen, boardHouseSelected});
}

void gameUpdate() {
    simulationFrame();
    drawTownScreen();
    if (isPressed(kSlotEscape)) changeState(kStateOptions);
    if (isPressed(kSlotI)) ownerOverlayShown = !ownerOverlayShown;
    updateCreditNotice(frameMs);
    // Opens at most one queued dialog, and only while the board is still current.
    drainStateQueue();
    immediateGoalCheck();
}

int32_t updateGame(int32_t) {
    gameUpdate();
    return 0;
}

int32_t enterBoard(int32_t, int32_t, int32_t) {
    installTownView();
    return 0;
}

} // namespace bv
