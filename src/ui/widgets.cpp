// Panel frame, progress bar, picture buttons and avatar pictures.
#include "ui/widgets.h"

#include <algorithm>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/pulse.h"
#include "gfx/text.h"

namespace bv {

namespace {

constexpr uint32_t kBarFrame = 0x3B2412;

int32_t pieceWidth(int32_t n) {
    const Sprite* s = spriteAt(iconSprites, n);
    return s ? s->width : 0;
}

int32_t pieceHeight(int32_t n) {
    const Sprite* s = spriteAt(iconSprites, n);
    return s ? s->height : 0;
}

void drawPiece(int32_t n, int32_t x, int32_t y) {
    if (const Sprite* s = spriteAt(iconSprites, n)) drawSprite(frameBuffer, x, y, s, false);
}

// `count` copies of a piece from (x, y), stepping by (dx, dy). A piece without size is skipped:
// its step would never move.
void tile(int32_t n, int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t count) {
    if (dx <= 0 && dy <= 0) return;
    for (int32_t i = 0; i < count; ++i) drawPiece(n, x + i * dx, y + i * dy);
}

// Number of tiles of size `step` for a span, plus one so the last may run past it; none for a
// piece without size.
int32_t tileCount(int32_t span, int32_t step) {
    return step > 0 ? span / step + 1 : 0;
}

void openPortfolio(int32_t, int32_t, int32_t owner) {
    playSound(kSoundClickWhoosh, 5);
    changeState(kStatePortfolio, owner << 8);
}

} // namespace

void drawPanelFrame(int32_t x, int32_t y, int32_t w, int32_t h) {
    using namespace pic;
    // Edge tiles are whole pictures, so the last one of a row can reach past the far corner; the
    // frame is clipped to its own rectangle so that nothing shows outside it. The caller's clip
    // rectangle is kept locally (the clip stack may be full) and restored at the end.
    const int32_t oldLeft = clipLeft(), oldTop = clipTop(), oldRight = clipRight(), oldBottom = clipBottom();
    setClip(std::max(oldLeft, x), std::max(oldTop, y), int32_t(std::min<int64_t>(oldRight, int64_t(x) + w)),
            int32_t(std::min<int64_t>(oldBottom, int64_t(y) + h)));
    const int32_t wCentre = pieceWidth(kIconFrameCentre), hCentre = pieceHeight(kIconFrameCentre);
    const int32_t cols = tileCount(w - pieceWidth(kIconFrameLeft) - pieceWidth(kIconFrameRight), wCentre);
    const int32_t rows =
        tileCount(h - pieceHeight(kIconFrameTopLeft) - pieceHeight(kIconFrameBottomLeft), hCentre);
    for (int32_t r = 0; r < rows; ++r)
        tile(kIconFrameCentre, x + pieceWidth(kIconFrameLeft),
             y + pieceHeight(kIconFrameTopLeft) + r * hCentre, wCentre, 0, cols);

    const int32_t wTop = pieceWidth(kIconFrameTop);
    tile(kIconFrameTop, x + pieceWidth(kIconFrameTopLeft), y, wTop, 0,
         tileCount(w - pieceWidth(kIconFrameTopLeft) - pieceWidth(kIconFrameTopRight), wTop));
    const int32_t wBottom = pieceWidth(kIconFrameBottom);
    tile(kIconFrameBottom, x + pieceWidth(kIconFrameBottomLeft), y + h - pieceHeight(kIconFrameBottomLeft),
         wBottom, 0,
         tileCount(w - pieceWidth(kIconFrameBottomLeft) - pieceWidth(kIconFrameBottomRight), wBottom));

    const int32_t sideSpan = h - pieceHeight(kIconFrameTopLeft) - pieceHeight(kIconFrameBottomLeft);
    const int32_t hLeft = pieceHeight(kIconFrameLeft), hRight = pieceHeight(kIconFrameRight);
    tile(kIconFrameLeft, x, y + pieceHeight(kIconFrameTopLeft), 0, hLeft, tileCount(sideSpan, hLeft));
    tile(kIconFrameRight, x + w - pieceWidth(kIconFrameRight), y + pieceHeight(kIconFrameTopRight), 0, hRight,
         tileCount(sideSpan, hRight));

    drawPiece(kIconFrameTopLeft, x, y);
    drawPiece(kIconFrameTopRight, x + w - pieceWidth(kIconFrameTopRight), y);
    drawPiece(kIconFrameBottomLeft, x, y + h - pieceHeight(kIconFrameBottomLeft));
    drawPiece(kIconFrameBottomRight, x + w - pieceWidth(kIconFrameBottomRight),
              y + h - pieceHeight(kIconFrameBottomRight));
    setClip(oldLeft, oldTop, oldRight, oldBottom);
}

void drawProgressBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t value, int32_t maximum,
                     uint32_t fillColour, uint32_t restColour) {
    // The framed box: a one-pixel dark outline around the inner area.
    fillRect(frameBuffer, x, y, w, 1, kBarFrame);
    fillRect(frameBuffer, x, y + h - 1, w, 1, kBarFrame);
    fillRect(frameBuffer, x, y + 1, 1, h - 2, kBarFrame);
    fillRect(frameBuffer, x + w - 1, y + 1, 1, h - 2, kBarFrame);
    const int32_t innerW = w - 2, innerH = h - 2;
    if (innerW < 1 || innerH < 1) return;
    if (value >= maximum) {
        fillRect(frameBuffer, x + 1, y + 1, innerW, innerH, lerpColour(fillColour, 0xFFFFFF, 0.5f));
        return;
    }
    // Here maximum > value; a negative value fills nothing.
    const int64_t filled = value > 0 ? int64_t(innerW) * value / maximum : 0;
    const int32_t fillW = int32_t(filled);
    fillRect(frameBuffer, x + 1, y + 1, fillW, innerH, lerpColour(fillColour, 0xFFFFFF, 0.2f));
    fillRect(frameBuffer, x + 1 + fillW, y + 1, innerW - fillW, innerH, lerpColour(restColour, 0, 0.2f));
}

Rect spriteRectAt(int32_t x, int32_t y, const Sprite* s, bool mirrored) {
    if (!s) return Rect{x, y, 0, 0};
    const int32_t left = mirrored ? x - (s->width + s->xOffset) : x + s->xOffset;
    return Rect{left, y + s->yOffset, s->width, s->height};
}

void spriteButton(int32_t x, int32_t y, const Sprite* sprite, int32_t value, HotSpotCallback callback,
                  bool mirrored, bool disabled) {
    if (!sprite) return;
    float brightness = 0.5f;
    if (!disabled) {
        const Rect r = spriteRectAt(x, y, sprite, mirrored);
        const bool hovered = callback && isMouseOver(r);
        if (callback) addHotSpot(r.x, r.y, r.width, r.height, callback, value);
        brightness = hovered ? 1.0f + pulse() : 1.0f;
    }
    drawSpriteScaled(frameBuffer, x, y, sprite, sprite->width, sprite->height, mirrored, brightness);
}

void spriteButtonGlow(int32_t x, int32_t y, const Sprite* sprite, int32_t value, HotSpotCallback callback,
                      float baseBrightness) {
    if (!sprite) return;
    float brightness = 0.8f;
    if (callback) {
        const Rect r = spriteRectAt(x, y, sprite, false);
        const bool hovered = isMouseOver(r);
        addHotSpot(r.x, r.y, r.width, r.height, callback, value);
        brightness = hovered ? baseBrightness + pulse() / 2.0f : 1.0f;
    }
    drawSpriteScaled(frameBuffer, x, y, sprite, sprite->width, sprite->height, false, brightness);
}

void arrowButton(int32_t x, int32_t y, bool right, HotSpotCallback callback, int32_t value) {
    const Sprite* s = spriteAt(iconSprites, right ? pic::kIconArrowRight : pic::kIconArrowLeft);
    spriteButton(x, y, s, value, callback, false, false);
}

namespace {
OwnerLooks g_looks{};
} // namespace

void setOwnerLooks(const OwnerLooks& looks) {
    g_looks = looks;
}

int32_t avatarIndexOf(int32_t owner) {
    return g_looks.avatarIndex ? g_looks.avatarIndex(owner) : pic::kCharacterBank;
}

void avatarPicture(int32_t x, int32_t y, int32_t owner, int32_t flags, bool clickable) {
    const int32_t avatar = avatarIndexOf(owner);
    const bool small = (flags & kAvatarSmall) != 0;
    const Sprite* backing = nullptr;
    if (small) {
        backing = spriteAt(smallCharacterSprites, characterSprites.count);
        if (backing) drawSprite(frameBuffer, x, y, backing, false);
        if (const Sprite* p = spriteAt(smallCharacterSprites, avatar))
            drawSprite(frameBuffer, x, y - 2, p, false);
    } else {
        // The portraits set ends with the backing and the overlay at the portraits' size.
        backing = spriteAt(portraitSprites, portraitSprites.count - 2);
        if (backing) drawSprite(frameBuffer, x, y, backing, false);
        if (const Sprite* p = spriteAt(portraitSprites, avatar)) drawSprite(frameBuffer, x, y, p, false);
        if (const Sprite* o = spriteAt(portraitSprites, portraitSprites.count - 1))
            drawSprite(frameBuffer, x, y, o, false);
    }
    if (flags & kAvatarWithName) {
        if (const char16_t* name = g_looks.displayName ? g_looks.displayName(owner) : nullptr)
            drawText(x, y + (small ? 40 : 75), true, 0, name);
    }
    if (clickable && backing) {
        const Rect r = spriteRectAt(x, y, backing, false);
        if (isMouseOver(r)) addHotSpot(r.x, r.y, r.width, r.height, openPortfolio, owner);
    }
}

} // namespace bv
