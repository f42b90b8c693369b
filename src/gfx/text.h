// Text drawing: one global drawing context (current font, font stack, pen, text area, draw
// target, bounds of the last text) shared by every screen. Texts are UTF-16.
//
// Layout: a "word" is a run of leading spaces (space or carriage return) followed by other
// characters, up to the next space, line break (10) or end. A word that would reach the right of
// the text area moves to the next line unless the pen is already at the left (a word wider than
// the area then runs past the right edge on its own line). Spaces and carriage returns at the
// start of a new line are not drawn, which also drops the filler unit the string table stores
// after every line break. The pen's y is the top of the line; each glyph's yOffset places its
// picture below it, and a new line starts lineHeight() lower at the area's left.
#pragma once

#include <cstdarg>
#include <cstdint>

#include "assets/sprite.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"

namespace bv {

// The style word passed with every text.
constexpr uint32_t kStyleColourMask = 0x00FFFFFFu; // tint 0xRRGGBB; 0 = the glyphs' own colours
constexpr uint32_t kStyleUpperCase = 1u << 28;     // a..z drawn as A..Z
constexpr uint32_t kStyleSingleLine = 1u << 30;    // stop at the first line end (break or wrap)
constexpr uint32_t kStyleOutline = 1u << 31;       // black outline around untinted glyphs

// Capacity (units, terminator included) of the buffer formatted texts are built in.
constexpr int32_t kTextFormatUnits = 5000;

// --- Fonts -----------------------------------------------------------------------------------
// Makes the font current; line height = h + h / 2 with h the height of its 'A' glyph.
void setFont(const Font* font);
const Font* currentFont();
// Saves the current font (not when 5 are already saved) and makes `font` current.
constexpr int32_t kFontStackSize = 5;
void pushFont(const Font* font);
// Makes the last saved font current. Returns 1, or 0 (nothing changes) when none is saved.
int32_t popFont();
int32_t lineHeight();

// --- Text area, target, pen ------------------------------------------------------------------
// Wrapping uses left and right. Screens reset it to (0, 0, 800, 600) after a paragraph.
void setTextArea(int32_t left, int32_t top, int32_t right, int32_t bottom);
// As setTextArea with right at most 800 and bottom at most 600, and sets the clip rectangle to
// (left - 1, top, right, bottom).
void setTextAreaClipped(int32_t left, int32_t top, int32_t right, int32_t bottom);
struct TextArea {
    int32_t left, top, right, bottom;
};
TextArea textArea();
// The 800 x 600 buffer texts are drawn into; nullptr measures only (layout runs, nothing drawn).
void setDrawTarget(uint32_t* target);
uint32_t* drawTarget();
// Where the next character would go; after a text it stays at the text's end.
int32_t penX();
int32_t penY();

// --- Drawing ---------------------------------------------------------------------------------
// Lays out and draws a text at (x, y). With centre the text is one line whose width (sum of its
// words) is halved to the left of x. A null text is drawn as "NULL". The tint (style colour)
// stays in force after the text; the flag bits do not.
void drawText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* text);
// Formats with formatWide (ui/format.h) into a local buffer, then drawText.
void printText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format, ...);
void printTextV(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* format, va_list args);
// The string-table text of `key` formatted and drawn; a missing key draws nothing.
void printKey(int32_t x, int32_t y, bool centre, uint32_t style, const char* key, ...);
void printKeyV(int32_t x, int32_t y, bool centre, uint32_t style, const char* key, va_list args);
// printKey at the current pen, not centred, style 0.
void printKeyAtPen(const char* key, ...);

// --- Measuring -------------------------------------------------------------------------------
// Sum of the widths of the text's words (leading spaces included), ignoring wrapping and breaks.
int32_t textWidth(const char16_t* text);
// What the last drawn or measured text covered: x, y, width, height.
Rect textBounds();
// Measures a text with no draw target at (x, y) (wrapping in the current text area) and returns
// its bounds; the draw target is restored afterwards.
Rect measureText(int32_t x, int32_t y, bool centre, uint32_t style, const char16_t* text);
// Lines the formatted text takes in the current text area with the current font: one, plus one
// for every line end (break or wrap) drawText would make starting at the area's left.
int32_t countLines(const char16_t* format, ...);
int32_t countLinesV(const char16_t* format, va_list args);
// The same for a text as is (no formatting; a '%' is just a character).
int32_t countTextLines(const char16_t* text);
// (bottom - top + 1) / (line height - 2) of the text area; 0 when the line height is 2 or less.
int32_t linesInArea();

// --- Text sprites ----------------------------------------------------------------------------
// Renders the formatted text (current font, one line) into a new sprite the size of its bounds,
// keeping the larger alpha where glyphs overlap; a non-zero colour (0xRRGGBB) replaces the glyphs'
// own colours. Its anchor is the centred text's baseline: drawSprite at (x, y) covers exactly
// what drawText(x, y, centre, 0, text) would (xOffset about -width / 2, yOffset the distance
// from the baseline up to the top of the tallest glyph, so labels of one font share a baseline). Returns
// nullptr for a text that covers nothing. The caller owns the sprite: one memAlloc block holding
// the record and its pixels, released with freeTextSprite (or memFree).
// Texts wider than 8,192 pixels or taller than 1,024 give nullptr too.
Sprite* renderTextSprite(uint32_t colour, const char16_t* format, ...);
Sprite* renderTextSpriteV(uint32_t colour, const char16_t* format, va_list args);
// The same for a text as is (no formatting), e.g. a button label that may hold a '%'.
Sprite* renderPlainTextSprite(uint32_t colour, const char16_t* text);
void freeTextSprite(Sprite* sprite);

// Tests only: the initial context (no font, empty stack, area 0,0,800,600, frameBuffer target).
void resetTextStateForTests();

} // namespace bv
