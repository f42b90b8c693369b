// The text drawing context, the layout of a text into lines, and drawing glyphs.
#include "gfx/text.h"

#include <algorithm>
#include <cstdint>

#include "gfx/draw.h"
#include "gfx/draw_area.h"

namespace bv {

namespace {

constexpr char16_t kLineBreak = 10;
constexpr char16_t kCarriageReturn = 13;

struct TextContext {
    const Font* font = nullptr;
    const Font* stack[kFontStackSize] = {};
    int32_t depth = 0;
    int32_t lineHeight = 0;
    int32_t penX = 0, penY = 0;
    TextArea area{0, 0, kFrameWidth, kFrameHeight};
    uint32_t flags = 0;
    bool tintOn = false;
    uint32_t tint = 0;
    // Until a target is chosen, texts go to the frame buffer (allocated after this is built).
    bool defaultTarget = true;
    uint32_t* target = nullptr;
    int32_t boundsLeft = 0, boundsTop = 0, boundsRight = 0, boundsBottom = 0;
    // Line ends the last layout made (breaks and wraps), for counting lines.
    int32_t lineEnds = 0;
};
TextContext ctx;

bool isSpace(char16_t c) {
    return c == u' ' || c == kCarriageReturn;
}

char16_t shownCode(char16_t c) {
    if ((ctx.flags & kStyleUpperCase) && c >= u'a' && c <= u'z') return char16_t(c - u'a' + u'A');
    return c;
}

int32_t advanceOf(char16_t c) {
    if (!ctx.font) return 0;
    const Glyph* g = findGlyph(*ctx.font, shownCode(c));
    return g ? g->advance : 0;
}

struct Word {
    int32_t width;
    int32_t length;
};

// Leading spaces, then other characters up to the next space, line break or end.
Word measureWord(const char16_t* p) {
    Word w{0, 0};
    while (p[w.length] && isSpace(p[w.length])) w.width += advanceOf(p[w.length++]);
    while (p[w.length] && p[w.length] != kLineBreak && !isSpace(p[w.length]))
        w.width += advanceOf(p[w.length++]);
    return w;
}

int32_t wordsWidth(const char16_t* p) {
    int32_t width = 0;
    while (*p) {
        if (*p == kLineBreak) {
            ++p;
            continue;
        }
        const Word w = measureWord(p);
        width += w.width;
        p += w.length;
    }
    return width;
}

// Every pixel of the glyph (clipped) per the blending rule: its own colour, or the tint.
void blitGlyph(uint32_t* target, int32_t x, int32_t y, const Glyph& g, bool tinted, uint32_t tint) {
    const Area a = clipArea(x, y, g.width, g.height);
    for (int32_t row = a.y0; row < a.y1; ++row) {
        const uint32_t* src = g.pixels + size_t(row - y) * size_t(g.width) - x;
        uint32_t* dst = target + size_t(row) * kFrameWidth;
        for (int32_t col = a.x0; col < a.x1; ++col) {
            const uint32_t p = src[col];
            const uint32_t alpha = p >> 24;
            if (alpha == 0) continue;
            if (tinted)
                dst[col] = alpha == 255 ? tint : blendColour(tint, dst[col], alpha);
            else
                dst[col] = blendColour(p, dst[col], alpha);
        }
    }
}

void blitSilhouette(uint32_t* target, int32_t x, int32_t y, const Glyph& g) {
    const Area a = clipArea(x, y, g.width, g.height);
    for (int32_t row = a.y0; row < a.y1; ++row) {
        const uint32_t* src = g.pixels + size_t(row - y) * size_t(g.width) - x;
        uint32_t* dst = target + size_t(row) * kFrameWidth;
        for (int32_t col = a.x0; col < a.x1; ++col)
            if (src[col] >> 24) dst[col] = 0;
    }
}

void drawChar(char16_t c, uint32_t* target) {
    if (!ctx.font) return;
    const Glyph* g = findGlyph(*ctx.font, shownCode(c));
    if (!g) return;
    const int32_t x = ctx.penX + g->xOffset, y = ctx.penY + g->yOffset;
    if (g->width > 0 && g->height > 0) {
        ctx.boundsLeft = std::min(ctx.boundsLeft, x);
        ctx.boundsTop = std::min(ctx.boundsTop, y);
        ctx.boundsRight =
            std::max(ctx.boundsRight, int32_t(std::min<int64_t>(int64_t(x) + g->width, INT32_MAX)));
        ctx.boundsBottom =
            std::max(ctx.boundsBottom, int32_t(std::min<int64_t>(int64_t(y) + g->height, INT32_MAX)));
        if (target && g->pixels) {
            if (ctx.tintOn) {
                blitGlyph(target, x, y, *g, true, ctx.tint);
            } else {
                if (ctx.flags & kStyleOutline) {
                    blitSilhouette(target, x, y - 1, *g);
                    blitSilhouette(target, x, y + 1, *g);
                    blitSilhouette(target, x - 1, y, *g);
                    blitSilhouette(target, x + 1, y, *g);
                }
                blitGlyph(target, x, y, *g, false, 0);
            }
        }
    }
    ctx.penX += g->advance;
    ctx.penY += g->yAdvance;
}

} // namespace

void setFont(const Font* font) {
    ctx.font = font;
    int32_t h = 0;
    if (font) {
        const Glyph* a = findGlyph(*font, u'A');
        if (a) h = a->height;
    }
    ctx.lineHeight = h + h / 2;
}

const Font* currentFont() {
    return ctx.font;
}

void pushFont(const Font* font) {
    if (ctx.depth < kFontStackSize) ctx.stack[ctx.depth++] = ctx.font;
    setFont(font);
}

int32_t popFont() {
    if (ctx.depth == 0) return 0;
    setFont(ctx.stack[--ctx.depth]);
    return 1;
}

int32_t lineHeight() {
    return ctx.lineHeight;
}

void setTextArea(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ctx.area = {left, top, right, bottom};
}

void setTextAreaClipped(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    right = std::min(right, kFrameWidth);
    bottom = std::min(bottom, kFrameHeight);
    ctx.area = {left, top, right, bottom};
    setClip(left - 1, top, right, bottom);
}

TextArea textArea() {
    return ctx.area;
}

void setDrawTarget(uint32_t* target) {
    ctx.defaultTarget = false;
    ctx.target = target;
}

uint32_t* drawTarget() {
    return ctx.defaultTarget ? frameBuffer : ctx.target;
}

int32_t penX() {
    return ctx.penX;
}

int32_t penY() {
    return ctx.penY;
}

void drawText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* text) {
    if (!text) text = u"NULL";
    uint32_t* target = drawTarget();
    ctx.flags = style & ~kStyleColourMask;
    ctx.penX = x;
    ctx.penY = y;
    ctx.boundsLeft = ctx.boundsRight = x;
    ctx.boundsTop = ctx.boundsBottom = y;
    ctx.lineEnds = 0;
    if (centre) ctx.penX -= wordsWidth(text) / 2;
    ctx.tintOn = (style & kStyleColourMask) != 0;
    if (ctx.tintOn) ctx.tint = style & kStyleColourMask;

    const char16_t* p = text;
    while (*p) {
        const Word w = measureWord(p);
        bool lineEnd = false;
        if (*p == kLineBreak) {
            // The filler unit after a break is a carriage return, dropped below with the other
            // spaces at the start of the line; a lone break loses no character this way.
            ++p;
            lineEnd = true;
        } else if (int64_t(ctx.penX) + w.width >= ctx.area.right && ctx.penX != ctx.area.left) {
            lineEnd = true;
        }
        if (lineEnd) {
            ++ctx.lineEnds;
            if (ctx.flags & kStyleSingleLine) break;
            ctx.penY += ctx.lineHeight;
            ctx.penX = ctx.area.left;
            while (*p && isSpace(*p)) ++p;
            continue;
        }
        for (int32_t i = 0; i < w.length; ++i) drawChar(p[i], target);
        p += w.length;
    }
    ctx.flags = 0;
}

int32_t textWidth(const char16_t* text) {
    return text ? wordsWidth(text) : 0;
}

Rect textBounds() {
    return {ctx.boundsLeft, ctx.boundsTop, ctx.boundsRight - ctx.boundsLeft,
            ctx.boundsBottom - ctx.boundsTop};
}

Rect measureText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* text) {
    const bool wasDefault = ctx.defaultTarget;
    uint32_t* const was = ctx.target;
    // Measuring must not change the tint the next text inherits.
    const bool tintOn = ctx.tintOn;
    const uint32_t tint = ctx.tint;
    setDrawTarget(nullptr);
    drawText(x, y, centre, style, text);
    ctx.defaultTarget = wasDefault;
    ctx.target = was;
    ctx.tintOn = tintOn;
    ctx.tint = tint;
    return textBounds();
}

int32_t countTextLines(const char16_t* text) {
    // Counting is a question about a text, not a drawing: the pen and bounds stay as they were.
    const TextContext saved = ctx;
    measureText(ctx.area.left, ctx.area.top, false, 0, text);
    const int32_t lines = 1 + ctx.lineEnds;
    ctx = saved;
    return lines;
}

int32_t linesInArea() {
    const int32_t step = ctx.lineHeight - 2;
    if (step <= 0) return 0;
    return (ctx.area.bottom - ctx.area.top + 1) / step;
}

void resetTextStateForTests() {
    ctx = TextContext{};
}

} // namespace bv
