// Formatted texts (printText, printKey, countLines) and texts rendered into sprites.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "assets/strings.h"
#include "core/memory.h"
#include "gfx/format.h"
#include "gfx/text.h"

namespace bv {

namespace {

constexpr int32_t kOriginX = 400, kOriginY = 300;
constexpr int32_t kMaxSpriteWidth = 8192, kMaxSpriteHeight = 1024;

// A formatted text in a buffer of the caller's stack, always terminated.
struct Formatted {
    char16_t units[kTextFormatUnits];
    Formatted(const char16_t* format, va_list args) {
        units[0] = 0;
        if (!format) format = u"NULL";
        formatWideV(units, kTextFormatUnits, format, args);
        units[kTextFormatUnits - 1] = 0;
    }
};

struct Box {
    int32_t left, top, right, bottom;
    void add(int64_t x, int64_t y, int32_t w, int32_t h) {
        left = int32_t(std::max<int64_t>(std::min<int64_t>(left, x), INT32_MIN));
        top = int32_t(std::max<int64_t>(std::min<int64_t>(top, y), INT32_MIN));
        right = int32_t(std::min<int64_t>(std::max<int64_t>(right, x + w), INT32_MAX));
        bottom = int32_t(std::min<int64_t>(std::max<int64_t>(bottom, y + h), INT32_MAX));
    }
};

// Walks the text as one line from (kOriginX, kOriginY), calling visit(glyph, x, y) for every
// glyph with a picture. Line breaks are not drawn.
template <typename Visit> void walkLine(const Font& font, const char16_t* text, Visit visit) {
    int64_t x = kOriginX, y = kOriginY;
    for (const char16_t* p = text; *p; ++p) {
        if (*p == 10) continue;
        const Glyph* g = findGlyph(font, *p);
        if (!g) continue;
        if (g->width > 0 && g->height > 0) visit(*g, x + g->xOffset, y + g->yOffset);
        x += g->advance;
        y += g->yAdvance;
    }
}

// Copies a glyph into the sprite keeping the larger alpha: an opaque source pixel always wins,
// a partly transparent one only over a more transparent destination.
void stampGlyph(Sprite& s, const Glyph& g, int32_t x, int32_t y, uint32_t colour) {
    if (!g.pixels) return;
    for (int32_t row = 0; row < g.height; ++row) {
        const int32_t ty = y + row;
        if (ty < 0 || ty >= s.height) continue;
        for (int32_t col = 0; col < g.width; ++col) {
            const int32_t tx = x + col;
            if (tx < 0 || tx >= s.width) continue;
            const uint32_t p = g.pixels[size_t(row) * size_t(g.width) + size_t(col)];
            const uint32_t a = p >> 24;
            uint32_t& d = s.pixels[size_t(ty) * size_t(s.width) + size_t(tx)];
            if (a == 0 || (a < 255 && a <= (d >> 24))) continue;
            d = colour ? (a << 24 | (colour & kStyleColourMask)) : p;
        }
    }
}

} // namespace

void printTextV(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format, va_list args) {
    Formatted f(format, args);
    drawText(x, y, centre, style, f.units);
}

void printText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    printTextV(x, y, centre, style, format, args);
    va_end(args);
}

void printKeyV(int32_t x, int32_t y, bool centre, uint32_t style, const char* key, va_list args) {
    const char16_t* t = key ? text(key) : nullptr;
    if (!t) return;
    printTextV(x, y, centre, style, t, args);
}

void printKey(int32_t x, int32_t y, bool centre, uint32_t style, const char* key, ...) {
    va_list args;
    va_start(args, key);
    printKeyV(x, y, centre, style, key, args);
    va_end(args);
}

void printKeyAtPen(const char* key, ...) {
    va_list args;
    va_start(args, key);
    printKeyV(penX(), penY(), false, 0, key, args);
    va_end(args);
}

int32_t countLinesV(const char16_t* format, va_list args) {
    Formatted f(format, args);
    return countTextLines(f.units);
}

int32_t countLines(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int32_t n = countLinesV(format, args);
    va_end(args);
    return n;
}

Sprite* renderPlainTextSprite(uint32_t colour, const char16_t* text) {
    const Font* font = currentFont();
    if (!font || font->count <= 0 || !text) return nullptr;
    // The bounds start as the pen's point, as for a drawn text, so the anchor below is the pen.
    Box box{kOriginX, kOriginY, kOriginX, kOriginY};
    walkLine(*font, text, [&](const Glyph& g, int64_t x, int64_t y) { box.add(x, y, g.width, g.height); });
    const int64_t width = int64_t(box.right) - box.left, height = int64_t(box.bottom) - box.top;
    if (width <= 0 || height <= 0 || width > kMaxSpriteWidth || height > kMaxSpriteHeight) return nullptr;

    const size_t pixels = size_t(width) * size_t(height);
    auto* block = static_cast<uint8_t*>(memAllocZeroed(sizeof(Sprite) + pixels * 4));
    if (!block) return nullptr;
    auto* s = reinterpret_cast<Sprite*>(block);
    s->width = int32_t(width);
    s->height = int32_t(height);
    s->pixels = reinterpret_cast<uint32_t*>(block + sizeof(Sprite));
    // Drawn at (x, y) it covers what drawText(x, y, centred) would.
    s->xOffset = box.left - kOriginX - textWidth(text) / 2;
    s->yOffset = box.top - kOriginY;
    walkLine(*font, text, [&](const Glyph& g, int64_t x, int64_t y) {
        stampGlyph(*s, g, int32_t(x - box.left), int32_t(y - box.top), colour);
    });
    return s;
}

Sprite* renderTextSpriteV(uint32_t colour, const char16_t* format, va_list args) {
    Formatted f(format, args);
    return renderPlainTextSprite(colour, f.units);
}

Sprite* renderTextSprite(uint32_t colour, const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    Sprite* s = renderTextSpriteV(colour, format, args);
    va_end(args);
    return s;
}

void freeTextSprite(Sprite* sprite) {
    memFree(sprite);
}

} // namespace bv
