// Status marks over the houses of the town: the rented marker, the for-rent sign, the swinging
// for-sale sign, the bar of work in progress and the damage meter with the renter's face.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/clock.h"
#include "core/memory.h"
#include "gfx/draw.h"
#include "screens/board_notices.h"
#include "screens/board_parts.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/repairs.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"
#include "world/map.h"
#include "world/map_draw.h"
#include "world/scenario.h"

namespace bv {

namespace {

constexpr uint32_t kMoveOutBlue = 0x2F7FE0;
constexpr uint32_t kWorkGreen = 0x2FB84A;
constexpr uint32_t kDamageRed = 0xE02020;
constexpr uint32_t kWearYellow = 0xF0C020;
constexpr uint32_t kBarRest = 0x5A5048;
// The for-sale sign swings through frames 0, 1, 2, 3, 4, 1, 2, 3.
constexpr int32_t kSignFrames[8] = {0, 1, 2, 3, 4, 1, 2, 3};

int32_t* g_order = nullptr;
int32_t g_orderCapacity = 0;

// House indexes back to front (by y; equal y in index order, as the draw list draws them).
const int32_t* drawOrder() {
    if (houseCount > g_orderCapacity) {
        if (g_order) memFree(g_order);
        g_order = static_cast<int32_t*>(memAlloc(sizeof(int32_t) * size_t(houseCount)));
        g_orderCapacity = g_order ? houseCount : 0;
    }
    if (!g_order) return nullptr;
    for (int32_t i = 0; i < houseCount; ++i) g_order[i] = i;
    std::stable_sort(g_order, g_order + houseCount,
                     [](int32_t a, int32_t b) { return mapHouses[a].y < mapHouses[b].y; });
    return g_order;
}

void icon(int32_t index, int32_t x, int32_t y) {
    if (const Sprite* s = spriteAt(iconSprites, index)) drawSprite(frameBuffer, x, y, s, false);
}

// Work in progress as a 50 x 6 bar under the house: the move-out before a complete renovation in
// blue, the work itself in green. False when no work is under way.
bool drawWorkBar(const HouseState& h, int32_t x, int32_t y) {
    if (h.evicting) {
        drawProgressBar(x - 25, y - 1, 50, 6, h.evictElapsed, kMoveOutMs, kMoveOutBlue, kBarRest);
        return true;
    }
    if (h.renoKind != kWorkNone && h.renoDuration > 0) {
        drawProgressBar(x - 25, y - 1, 50, 6, h.renoElapsed, h.renoDuration, kWorkGreen, kBarRest);
        return true;
    }
    return false;
}

void clickDamageMeter(int32_t, int32_t, int32_t house) {
    damageMeterClicked(house);
}

// The damage meter of a rented player house: the information mark, a 40 x 6 bar (the countdown to
// permanent damage in red while a repair is pending, else the wear in yellow) that can be
// clicked, and the renter's face.
void drawDamageMeter(int32_t house, const HouseState& h, int32_t x, int32_t y) {
    icon(pic::kIconInfo, x - 17, y + 3);
    if (h.damagePending)
        drawProgressBar(x, y, 40, 6, h.damageCountdown, kPermanentDamageMs, kDamageRed, kBarRest);
    else
        drawProgressBar(x, y, 40, 6, int32_t(h.wear * 100.0f), 100, kWearYellow, kBarRest);
    // The click area takes in the information mark, so the small bar is easy to hit. It is
    // registered only under the mouse: a town of rented houses must not fill the hot-spot list
    // before the panel's buttons.
    const Rect area{x - 25, y - 5, 65, 16};
    if (isMouseOver(area)) addHotSpot(area.x, area.y, area.width, area.height, clickDamageMeter, house);
    const int32_t mood = h.evicting ? kMoodUnhappy : std::clamp(h.renterMood, 0, 2);
    icon(pic::kIconFaceHappy + mood, x + 55, y + 3);
}

void drawForSaleSign(const MapHouse& m) {
    const int32_t frame = kSignFrames[((m.x + m.y + totalTicks) / 8 & 0x7FFFFFFF) % 8];
    icon(pic::kIconForSale0 + frame, m.x, m.y - (isCareerMode() ? 50 : 25));
}

} // namespace

void drawHouseMarks() {
    const int32_t* order = drawOrder();
    for (int32_t n = 0; order && n < houseCount; ++n) {
        const int32_t i = order[n];
        const MapHouse& m = mapHouses[i];
        const HouseState& h = houseStates[i];
        if (!houseInDrawRange(m)) continue;
        if (h.owner == kOwnerPlayer && h.hasRenter) {
            icon(pic::kIconRented, m.x, m.y);
            const bool work = drawWorkBar(h, m.x, m.y);
            drawDamageMeter(i, h, m.x - 20, m.y + 2 + (work ? 5 : 0));
        } else if (h.owner == kOwnerPlayer) {
            if (!drawWorkBar(h, m.x, m.y)) icon(pic::kIconForRent, m.x, m.y);
        }
        if (h.forSale) drawForSaleSign(m);
    }
}

} // namespace bv
