// The string table: every text the player sees, looked up by an 8-bit key, and the small
// conversions between 8-bit strings and UTF-16 texts.
//
// The table file is UTF-16LE starting with the byte-order mark 0xFEFF, holding double-quoted
// strings in pairs: key, then text. Everything outside quotes is skipped. Inside quotes,
// backslash-n is a line break and backslash-quote a quote; every other character stands for
// itself. A line break is stored as two units, 10 followed by kLineBreakFiller, and text layout
// skips the unit after every line break.
//
// Keys match without regard to letter case. A key that appears twice takes the text of its
// last pair; the pairs around it keep their own texts. A pair with an empty key is ignored.
// A quoted string that runs into a raw line end is broken: its pair is dropped and reading goes
// on after the line end. Keys and texts are cut at kMaxTextUnits units. A text that asks for other
// arguments than its key is formatted with (assets/text_arguments.h) is refused: its pair is
// dropped as if it were not in the file.
#pragma once

#include <cstdint>

namespace bv {

// The unit stored after each line break. A carriage return: should anything ever draw it, the
// layout treats it as whitespace, and narrowed texts still read as a line end.
constexpr char16_t kLineBreakFiller = u'\r';
constexpr int32_t kMaxTextUnits = 4999;
// Sizes of the shared conversion buffers (terminator included).
constexpr int32_t kWideBufferUnits = 500;
constexpr int32_t kNarrowBufferChars = 999;

// Loads the table from the asset archive (or a loose file). Called once at start-up; a later
// call adds its pairs to the table. An unreadable file or one without the byte-order mark is
// fatal. Texts stay valid until the next initText.
void initText(const char* fileName);
// The same from a file image in memory, never fatal: false (and nothing added) for data without
// the byte-order mark.
bool addTextTable(const uint8_t* data, uint32_t size);
// Tests only: empties the table and releases its memory.
void resetTextForTests();

// The text stored for the key, nullptr when the key is missing or its text was empty.
const char16_t* text(const char* key);
// The pooled text's index for the key (0 when missing); equal texts share one index.
int32_t keyTextIndex(const char* key);
// The pooled text with that index; nullptr for an index below 1 or past the last text.
const char16_t* textByIndex(int32_t index);

// Formats printf-style, then widens (Latin-1: each byte becomes one unit) into `target` of
// `capacity` units, terminator included. Returns the number of units written before it.
int32_t widenInto(char16_t* target, int32_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Widens the text as is (a '%' stays a '%') into a shared buffer of kWideBufferUnits units
// that the next call overwrites.
const char16_t* widen(const char* text);
// Keeps the low byte of each unit, into a shared buffer of kNarrowBufferChars that the next
// call overwrites. A null text gives "".
const char* narrow(const char16_t* text);
// The same into the caller's buffer of `capacity` bytes, terminator included.
void narrowInto(char* target, int32_t capacity, const char16_t* text);

} // namespace bv
