// The house card: the picture of a house with its sign, stars, address and rooms, in the panel and
// in every dialog about a house.
#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/town_view.h"
#include "sim/houses.h"
#include "world/map.h"

namespace bv {

namespace {

constexpr int32_t kStars = 5;
constexpr int32_t kStarStep = 16;
constexpr int32_t kAddressUnits = int32_t(sizeof(MapHouse::address) / sizeof(char16_t));

void drawStars(int32_t x, int32_t y, int32_t level) {
    const Sprite* full = spriteAt(iconSprites, pic::kIconStarFull);
    const Sprite* empty = spriteAt(iconSprites, pic::kIconStarEmpty);
    // Five stars centred on x; a damaged house (level -1) shows none filled.
    const int32_t left = x - (kStars - 1) * kStarStep / 2;
    for (int32_t s = 0; s < kStars; ++s) {
        const Sprite* star = s < level ? full : empty;
        if (star) drawSprite(frameBuffer, left + s * kStarStep, y, star, false);
    }
}

} // namespace

void drawHouseCard(int32_t house, int32_t x, int32_t y, CardLayout layout) {
    const MapHouse* m = getMapHouse(house);
    const HouseState* h = getHouse(house);
    if (!m || !h) return;
    // Cards always show the full-size picture, standing where the town would stand it.
    if (const Sprite* picture = spriteAt(houseSprites, m->pictureIndex))
        drawSprite(frameBuffer, x, y + 100, picture, false);
    if (h->forSale)
        if (const Sprite* sign = spriteAt(iconSprites, pic::kIconForSale0))
            drawSprite(frameBuffer, x, y + 25, sign, false);
    const bool dialog = layout == CardLayout::kDialog;
    drawStars(x, dialog ? y + 125 : y + 100, h->level);
    pushFont(&fontArial15Brown);
    const int32_t textY = dialog ? y + 150 : y + 120;
    // The address comes from the map file: drawn from a copy that is surely terminated.
    char16_t address[kAddressUnits];
    std::copy(m->address, m->address + kAddressUnits - 1, address);
    address[kAddressUnits - 1] = 0;
    drawText(x, textY, true, 0, address);
    printBoardKey(x, textY + 15, true, 0, "rooms", m->bedrooms, m->bathrooms);
    popFont();
}

} // namespace bv
