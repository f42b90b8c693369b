// The two wide formatters that fill arguments into string-table texts. Both write into a caller's
// buffer of `capacity` units, terminator included, and never past it: output that does not fit is
// cut, and the buffer is always terminated when capacity is at least 1. Both return the number of
// units written before the terminator.
#pragma once

#include <cstdarg>
#include <cstdint>

namespace bv {

// The game's own buffers for formatted texts; every text of the string table fits one.
constexpr int32_t kFormatBufferUnits = 1000;

// The formatter nearly every text goes through. Only three conversions exist:
//   %d  a signed 32-bit integer (int)
//   %s  a narrow 8-bit text (const char*), each byte one character; money texts, typed names;
//       a null text prints "(null)"
//   %f  a double with six decimals, trailing zeros and a bare decimal point removed
//       (18.0 -> "18", 5.5 -> "5.5", 0.25 -> "0.25")
// A '%' followed by anything else is copied as it is, so "%%" prints two percent signs and a
// width or a length letter prints literally. The caller passes exactly as many arguments as the
// format has conversions.
int32_t formatWideV(char16_t* out, int32_t capacity, const char16_t* format, va_list args);
int32_t formatWide(char16_t* out, int32_t capacity, const char16_t* format, ...);

// The formatter for texts that take wide arguments (names, addresses, scenario names):
//   %s  a wide text (const char16_t*); a null text prints "(null)"
//   %d  signed 32-bit decimal; %u unsigned decimal; %x / %X hexadecimal; %c one character (the
//       argument's low byte)
//   flags: '-' pads on the right with spaces, else '0' pads on the left with zeros (a minus sign
//   stays in front of them), then a decimal width; without flags the padding is spaces on the left
//   "%%" prints one percent sign; a '%' at the end of the format ends the output; any other
//   character after the flags and width is skipped and prints nothing (there is no %f).
int32_t formatWideTextV(char16_t* out, int32_t capacity, const char16_t* format, va_list args);
int32_t formatWideText(char16_t* out, int32_t capacity, const char16_t* format, ...);

} // namespace bv
