// The arguments the game formats each string-table text with, and the check that a text asks for
// no others. Texts are format strings of the two wide formatters (gfx/format.h); a replaced table
// whose text asks for an argument its key is not given would read past the caller's arguments, so
// the table refuses such a text when it is read.
#pragma once

#include <cstdint>

namespace bv {

// The arguments `key` (any letter case) is formatted with, in order: 'd' an int, 's' a text, 'f' a
// double. "" for a key that takes none, which is every key the content manifest does not list with
// arguments.
const char* keyArguments(const char* key);

// Whether both wide formatters can format `text` with `arguments`: the conversions that take an
// argument, as each formatter reads them, ask for the given arguments in order (a text may leave out
// trailing ones, never ask for one more or for another kind). A null text takes none.
bool textTakesArguments(const char16_t* text, const char* arguments);

} // namespace bv
