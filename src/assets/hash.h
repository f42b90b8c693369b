// Name hashing shared by the asset archive, the string table and sprite names.
#pragma once

#include <cstdint>

namespace bv {

// The initial value every name hash of the game starts from.
constexpr uint32_t kNameHashInit = 123456;
// Names longer than this are hashed by their first kNameHashMaxChars characters.
constexpr int kNameHashMaxChars = 999;

// Bob Jenkins' 1996 hash ("lookup2") of `length` bytes starting at `key`.
uint32_t lookup2(const uint8_t* key, uint32_t length, uint32_t initval);

// lookup2 of the name with ASCII a-z folded to A-Z (at most 999 characters), initial value
// 123456: "logos.bin", "LOGOS.BIN" and "Logos.bin" hash alike. A null name hashes as "".
uint32_t nameHash(const char* name);

// Compares two names the way nameHash folds them: ASCII letters without regard to case.
bool namesEqual(const char* a, const char* b);

} // namespace bv
