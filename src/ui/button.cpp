// Buttons in their two looks, the label cache and the two state-changing callbacks.
#include "ui/button.h"

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/sound.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/text.h"

namespace bv {

namespace {

int32_t g_look = kButtonLookSprite;

struct LabelEntry {
    char16_t* text; // a private copy
    const Font* font;
    Sprite* normal;
    Sprite* disabled;
    Sprite* hovered;
};
LabelEntry g_labels[kLabelCacheCapacity];
int32_t g_labelCount = 0;

constexpr uint32_t kDisabledGrey = 0xA0A0A0;
constexpr uint32_t kHoverYellow = 0xFFFF00;
constexpr uint32_t kNearBlack = 1; // tint 0 would mean the glyphs' own colours
constexpr int32_t kDisabledOpacity = 96;

// Colours of the drawn look.
struct BarColours {
    uint32_t upperTop, upperBottom, lowerTop, lowerBottom;
};
constexpr BarColours kBlueBar = {0x3F68A0, 0x5480BF, 0x254576, 0x345B92};
constexpr BarColours kRedBar = {0x940119, 0xCB131B, 0x850F14, 0x9B060D};
constexpr uint32_t kLightLine = 0x6BC0E2;
constexpr uint32_t kDarkLine = 0x517889;
constexpr uint32_t kOuterBorder = 0x214276;

bool sameText(const char16_t* a, const char16_t* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

char16_t* copyText(const char16_t* s) {
    int32_t n = 0;
    while (s[n]) ++n;
    auto* copy = static_cast<char16_t*>(memAlloc(sizeof(char16_t) * size_t(n + 1)));
    for (int32_t i = 0; i <= n; ++i) copy[i] = s[i];
    return copy;
}

// Label texts hold no placeholders, so the text itself serves as the format.
Sprite* renderLabel(const Font* font, uint32_t colour, const char16_t* label) {
    pushFont(font);
    Sprite* s = renderTextSprite(colour, label);
    popFont();
    return s;
}

// A gradient from `from` to `to` over `lines` lines starting at row y.
void paintGradient(int32_t left, int32_t y, int32_t width, int32_t lines, uint32_t from, uint32_t to,
                   int32_t alpha) {
    for (int32_t i = 0; i < lines; ++i) {
        const float t = lines > 1 ? float(i) / float(lines - 1) : 0.0f;
        fillRectAlpha(frameBuffer, left, y + i, width, 1, lerpColour(from, to, t), alpha);
    }
}

// The drawn look over the rectangle, starting one pixel right of its left edge: two gradients,
// light inner lines on the upper half, dark ones on the lower half, and the outer border.
void paintBar(const Rect& r, const BarColours& c, int32_t alpha) {
    const int32_t left = r.x + 1, width = r.width - 1, top = r.y, h = r.height;
    if (width < 1 || h < 1) return;
    const int32_t upper = h / 2;
    paintGradient(left, top, width, upper, c.upperTop, c.upperBottom, alpha);
    paintGradient(left, top + upper, width, h - upper, c.lowerTop, c.lowerBottom, alpha);
    const int32_t right = left + width - 1, bottom = top + h - 1;
    // Inner lines, one pixel inside the border.
    fillRectAlpha(frameBuffer, left + 1, top + 1, width - 2, 1, kLightLine, alpha);
    fillRectAlpha(frameBuffer, left + 1, top + 1, 1, upper - 1, kLightLine, alpha);
    fillRectAlpha(frameBuffer, right - 1, top + 1, 1, upper - 1, kLightLine, alpha);
    fillRectAlpha(frameBuffer, left + 1, bottom - 1, width - 2, 1, kDarkLine, alpha);
    fillRectAlpha(frameBuffer, left + 1, top + upper, 1, h - upper - 1, kDarkLine, alpha);
    fillRectAlpha(frameBuffer, right - 1, top + upper, 1, h - upper - 1, kDarkLine, alpha);
    // Outer border.
    fillRectAlpha(frameBuffer, left, top, width, 1, kOuterBorder, alpha);
    fillRectAlpha(frameBuffer, left, bottom, width, 1, kOuterBorder, alpha);
    fillRectAlpha(frameBuffer, left, top + 1, 1, h - 2, kOuterBorder, alpha);
    fillRectAlpha(frameBuffer, right, top + 1, 1, h - 2, kOuterBorder, alpha);
}

void drawPiece(const Sprite* s, int32_t x, int32_t y, bool hovered, bool disabled) {
    if (!s) return;
    if (disabled)
        drawSpriteFaded(frameBuffer, x, y, s, s->width, s->height, false, kDisabledOpacity);
    else
        drawSpriteScaled(frameBuffer, x, y, s, s->width, s->height, false, hovered ? 1.1f : 1.0f);
}

// The sprite look: left end, middle pieces side by side, right end.
void paintSpriteButton(const Rect& r, bool hovered, bool disabled) {
    const Sprite* leftEnd = spriteAt(iconSprites, pic::kIconButtonLeft);
    const Sprite* middle = spriteAt(iconSprites, pic::kIconButtonMiddle);
    const Sprite* rightEnd = spriteAt(iconSprites, pic::kIconButtonRight);
    if (!leftEnd || !middle || !rightEnd) return;
    const int32_t end = r.x + 1 + r.width;
    int32_t pos = r.x + 1;
    drawPiece(leftEnd, pos, r.y, hovered, disabled);
    pos += leftEnd->width;
    if (middle->width > 0) {
        while (pos + rightEnd->width < end) {
            drawPiece(middle, pos, r.y, hovered, disabled);
            pos += middle->width;
        }
    }
    drawPiece(rightEnd, pos, r.y, hovered, disabled);
}

// Registers the rectangle when the button is enabled; returns whether it is hovered.
bool registerButton(const Rect& r, int32_t value, HotSpotCallback callback) {
    if (!callback) return false;
    const bool hovered = isMouseOver(r);
    addHotSpot(r.x, r.y, r.width, r.height, callback, value);
    return hovered;
}

void goState(int32_t value, int32_t defaultSound) {
    const int32_t sound = (value >> 8) & 0xFF;
    if (sound != 0)
        playSound(sound, 0);
    else
        playSound(defaultSound, 5);
    changeState(value & 0xFF, 0);
}

} // namespace

void setButtonLook(int32_t look) {
    g_look = look;
}

int32_t buttonLook() {
    return g_look;
}

Rect buttonRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    return Rect{x - width / 2, y - height / 2, width, height};
}

bool labelSprites(const char16_t* label, const Font* font, const Font* hoveredFont, LabelSprites& out) {
    for (int32_t i = 0; i < g_labelCount; ++i) {
        const LabelEntry& e = g_labels[i];
        if (e.font == font && sameText(e.text, label)) {
            out = {e.normal, e.disabled, e.hovered};
            return true;
        }
    }
    if (g_labelCount >= kLabelCacheCapacity) return false;
    LabelEntry& e = g_labels[g_labelCount++];
    e.text = copyText(label);
    e.font = font;
    e.normal = renderLabel(font, 0, label);
    e.disabled = renderLabel(font, kDisabledGrey, label);
    e.hovered = hoveredFont ? renderLabel(hoveredFont, 0, label) : renderLabel(font, kHoverYellow, label);
    out = {e.normal, e.disabled, e.hovered};
    return true;
}

int32_t labelCacheCount() {
    return g_labelCount;
}

void resetLabelCacheForTests() {
    for (int32_t i = 0; i < g_labelCount; ++i) {
        LabelEntry& e = g_labels[i];
        memFree(e.text);
        freeTextSprite(e.normal);
        freeTextSprite(e.disabled);
        freeTextSprite(e.hovered);
        e = LabelEntry{};
    }
    g_labelCount = 0;
}

void button(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* label, int32_t value,
            HotSpotCallback callback) {
    const Rect r = buttonRect(x, y, width, height);
    const bool disabled = callback == nullptr;
    const bool hovered = registerButton(r, value, callback);

    if (g_look == kButtonLookDrawn)
        paintBar(r, kBlueBar, disabled ? kDisabledOpacity : 255);
    else
        paintSpriteButton(r, hovered, disabled);
    if (!label) return;

    const bool editor = currentStateId() == kStateEditor;
    const Font* normalFont = editor ? &fontArial15BldGlw : &fontArial15Blue;
    const Font* hoveredFont = editor ? &fontArial15BldGlwLit : &fontArial15BlueLit;
    // The label's line starts 8 pixels above the button's middle: our fonts place the pen at the
    // top of the line with capitals 3 pixels below it, so a 15-pixel label sits centred. The plain
    // text drawn when the cache is full stands 2 pixels lower.
    const int32_t labelY = r.y + height / 2 - 8;
    pushFont(hovered ? hoveredFont : normalFont);
    LabelSprites sprites{};
    if (labelSprites(label, normalFont, hoveredFont, sprites)) {
        const Sprite* s = disabled ? sprites.disabled : hovered ? sprites.hovered : sprites.normal;
        if (s) drawSprite(frameBuffer, x, labelY, s, false);
    } else {
        drawText(x, labelY + 2, true, disabled ? kDisabledGrey : kNearBlack, label);
    }
    popFont();
}

void colourBarButton(int32_t x, int32_t y, int32_t width, int32_t height, int32_t value,
                     HotSpotCallback callback, bool red) {
    const Rect r = buttonRect(x, y, width, height);
    registerButton(r, value, callback);
    paintBar(r, red ? kRedBar : kBlueBar, callback ? 255 : kDisabledOpacity);
}

void goStateClick(int32_t, int32_t, int32_t value) {
    goState(value, kSoundMagicWand);
}

void goStateWhoosh(int32_t, int32_t, int32_t value) {
    goState(value, kSoundClickWhoosh);
}

} // namespace bv
