// Drawing the floating effects over the board: the coin and amount of a money flight, pictures
// growing in, rising and fading out, rising texts, and the purchase announcement's card. The
// effects' timing lives with the simulation (sim/float_effects); this file gives them a look.
#include <algorithm>
#include <cstring>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "core/memory.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "screens/board_parts.h"
#include "screens/float_effects.h"
#include "sim/houses.h"
#include "sim/owners.h"
#include "ui/widgets.h"
#include "world/map.h"

namespace bv {

namespace {

constexpr int32_t kCoinLift = 9;
constexpr uint32_t kBandColour = 0x80000000u; // black at half opacity behind the text
constexpr int32_t kCardTop = 50;              // announcement cards start below the top bar

// Gives the slot its own copy of a rendered text sprite, anchored on its centre; the text sprite
// is released. False when there is nothing to keep.
bool adopt(FloatEffect& e, Sprite* rendered) {
    if (!rendered) return false;
    const size_t bytes = size_t(rendered->width) * size_t(rendered->height) * 4;
    auto* pixels = static_cast<uint32_t*>(memAlloc(bytes));
    if (pixels) {
        std::memcpy(pixels, rendered->pixels, bytes);
        e.picture = *rendered;
        e.picture.pixels = pixels;
        e.picture.xOffset = -rendered->width / 2;
        e.picture.yOffset = -rendered->height / 2;
    }
    freeTextSprite(rendered);
    return pixels != nullptr;
}

// The amount in the number font: "$%d", or "-$%d" with the magnitude.
void buildAmountPicture(FloatEffect& e) {
    pushFont(&numberFont);
    const int64_t magnitude = e.amount < 0 ? -int64_t(e.amount) : int64_t(e.amount);
    char16_t digits[24];
    formatWideText(digits, 24, e.amount < 0 ? u"-$%u" : u"$%u", uint32_t(magnitude));
    adopt(e, renderPlainTextSprite(0, digits));
    popFont();
}

// A rising text that starts to fade becomes a picture of itself, so that it can narrow and fade.
void buildTextPicture(FloatEffect& e) {
    pushFont(&fontOliverSb8);
    adopt(e, renderPlainTextSprite(uint32_t(e.colour) & 0xFFFFFFu, e.text));
    popFont();
}

// `src` laid over `dst` (straight alpha) with its top-left corner at (x, y) of the picture.
void stamp(Sprite& dst, const Sprite* src, int32_t x, int32_t y) {
    if (!src || !src->pixels) return;
    for (int32_t row = 0; row < src->height; ++row) {
        const int32_t ty = y + row;
        if (ty < 0 || ty >= dst.height) continue;
        for (int32_t col = 0; col < src->width; ++col) {
            const int32_t tx = x + col;
            if (tx < 0 || tx >= dst.width) continue;
            const uint32_t s = src->pixels[row * src->width + col];
            const uint32_t sa = s >> 24;
            if (sa == 0) continue;
            uint32_t& d = dst.pixels[ty * dst.width + tx];
            const uint32_t da = d >> 24;
            const uint32_t outA = sa + da * (255 - sa) / 255;
            if (outA == 0) continue;
            uint32_t out = outA << 24;
            for (int32_t shift = 0; shift <= 16; shift += 8) {
                const uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                const uint32_t c = (sc * sa + dc * da * (255 - sa) / 255) / outA;
                out |= std::min<uint32_t>(c, 255) << shift;
            }
            d = out;
        }
    }
}

const Sprite* pictureOf(const FloatEffect& e) {
    return e.picture.pixels ? &e.picture : e.source;
}

// The picture narrowed to `fraction` of its width and faded to the same fraction.
void drawNarrowed(const FloatEffect& e, float fraction) {
    const Sprite* s = pictureOf(e);
    if (!s) return;
    fraction = std::clamp(fraction, 0.0f, 1.0f);
    const int32_t width = int32_t(float(s->width) * fraction);
    if (width < 1) return;
    drawSpriteFaded(frameBuffer, int32_t(e.x), int32_t(e.y), s, width, s->height, false,
                    int32_t(255.0f * fraction));
}

} // namespace

bool buildAnnouncementPicture(FloatEffect& e) {
    const MapHouse* house = getMapHouse(e.house);
    const Sprite* plate = spriteAt(backgroundSprites, pic::kBkgndAnnouncePlate);
    if (!house || !plate) return false;
    char16_t address[sizeof(MapHouse::address) / sizeof(char16_t)];
    std::copy(house->address, house->address + (sizeof address / sizeof address[0]) - 1, address);
    address[sizeof address / sizeof address[0] - 1] = 0;
    char16_t line[kFormatBufferUnits];
    const char16_t* format = text("purchaseAnnounce");
    formatWideText(line, kFormatBufferUnits, format ? format : u"%s: %s", ownerName(e.buyer), address);
    pushFont(&fontArial15Bld);
    Sprite* words = renderPlainTextSprite(0, line);
    popFont();
    const int32_t textW = words ? words->width : 0, textH = words ? words->height : 0;
    const int32_t width = textW + plate->width + 10 + 10;
    const int32_t height = std::max(textH, plate->height) + 10;
    auto* pixels = static_cast<uint32_t*>(memAllocZeroed(size_t(width) * size_t(height) * 4));
    if (!pixels) {
        if (words) freeTextSprite(words);
        return false;
    }
    Sprite card{};
    card.width = width;
    card.height = height;
    card.pixels = pixels;
    // The dark band runs behind the text, from under the plate to the right edge, centred on the
    // plate (rows 20..49 of a card with a 64-pixel plate).
    const int32_t middle = 5 + plate->height / 2;
    for (int32_t y = std::max(middle - 15, 0); y < std::min(middle + 15, height); ++y)
        for (int32_t x = 50; x < width; ++x) pixels[y * width + x] = kBandColour;
    stamp(card, plate, 0, 5);
    if (const Sprite* face = spriteAt(smallCharacterSprites, ownerAvatarIndex(e.buyer)))
        stamp(card, face, plate->width / 2 - face->width / 2, 5 + plate->height / 2 - face->height / 2);
    if (words) {
        stamp(card, words, plate->width + 10, middle - textH / 2);
        freeTextSprite(words);
    }
    // The card stands over its house, its lower edge at the middle of the house picture, moved in
    // where it would leave the screen or hide under the top bar.
    const Sprite* picture = housePicture(e.house);
    card.xOffset = std::max(std::min(-width / 2, kFrameWidth - house->x - width), -house->x);
    card.yOffset = std::max(-height - (picture ? picture->height / 2 : 0), kCardTop - house->y);
    e.picture = card;
    return true;
}

void drawFloatEffect(FloatEffect& e) {
    if (e.kind & (kFloatFlight | kFloatMoneyFlight)) {
        if (e.kind & kFloatMoneyFlight) {
            if (!e.picture.pixels) buildAmountPicture(e);
            if (const Sprite* coin = spriteAt(iconSprites, pic::kIconCoin))
                drawSprite(frameBuffer, int32_t(e.x), int32_t(e.y) - kCoinLift, coin, false);
        }
        if (const Sprite* s = pictureOf(e)) drawSprite(frameBuffer, int32_t(e.x), int32_t(e.y), s, false);
    } else if (e.kind & kFloatGrowIn) {
        if (e.house >= 0 && e.buyer >= 0 && !e.picture.pixels && !buildAnnouncementPicture(e)) return;
        drawNarrowed(e, float(e.elapsed) / float(kGrowInMs));
    } else if (e.kind & kFloatRisingText) {
        pushFont(&fontOliverSb8);
        drawText(int32_t(e.x) + 1, int32_t(e.y), true, kNearBlackText, e.text);
        drawText(int32_t(e.x), int32_t(e.y), true, uint32_t(e.colour) & 0xFFFFFFu, e.text);
        popFont();
    } else if (e.kind & kFloatRisingPicture) {
        if (const Sprite* s = pictureOf(e)) drawSprite(frameBuffer, int32_t(e.x), int32_t(e.y), s, false);
    } else if (e.kind & kFloatFadeOut) {
        if (!e.picture.pixels && !e.source && e.text[0]) buildTextPicture(e);
        drawNarrowed(e, 1.0f - float(e.elapsed) / float(kFadeOutMs));
    }
}

} // namespace bv
