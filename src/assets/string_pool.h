// Interned strings looked up by a 32-bit hash, the storage behind the string table.
//
// Two kinds of pool share the layout: the key pool holds 8-bit keys (case-insensitive, hashed
// with nameHash) and the text pool holds UTF-16 texts (hashed over the low bytes of their first
// 250 units). A lookup goes through an open-addressed index of the hashes; on an equal hash the
// strings themselves are compared, so two different strings never share an entry even when their
// hashes collide. Interning n strings takes time in proportion to n (hash collisions aside).
#pragma once

#include <cstdint>

namespace bv {

struct StringPoolEntry {
    uint32_t hash;
    int32_t length;     // in units, without the terminator
    int32_t textOffset; // bytes from the start of the text area
};

struct StringPool {
    int32_t capacity = 0;     // entries allocated
    int32_t count = 0;        // entries used; 1 once created, index 0 means "none"
    int32_t textCapacity = 0; // bytes allocated for texts
    int32_t textUsed = 0;     // bytes used
    uint8_t* text = nullptr;  // each string followed by a zero terminator unit
    StringPoolEntry* entries = nullptr;
    // The lookup index: slotCount (a power of two) entry numbers placed by hash, 0 for a free slot.
    int32_t* slots = nullptr;
    int32_t slotCount = 0;
};

// The sizes the game starts with. Pools grow by at least 100 entries and 500 bytes at a time, and
// by half their size once that is more, so a huge table does not copy itself over and over.
constexpr int32_t kKeyPoolEntries = 2300;
constexpr int32_t kKeyPoolTextBytes = 35000;
constexpr int32_t kTextPoolEntries = 2000;
constexpr int32_t kTextPoolTextBytes = 236000;
// Texts are hashed over this many leading units.
constexpr int32_t kTextHashUnits = 250;

void poolCreate(StringPool& pool, int32_t entries, int32_t textBytes);
void poolDestroy(StringPool& pool);

// Key pool. internKey returns the key's index, adding it when new; 0 for an empty key.
// findKey returns the index without adding, 0 when absent. Keys match without regard to case.
int32_t internKey(StringPool& pool, const char* key);
int32_t findKey(const StringPool& pool, const char* key);
const char* keyAt(const StringPool& pool, int32_t index);

// Text pool. Equal texts share one index; an empty text is never interned (index 0).
uint32_t textHash(const char16_t* text, int32_t length);
int32_t internText(StringPool& pool, const char16_t* text);
// The text with that index, nullptr for an index below 1 or not below count.
const char16_t* textAt(const StringPool& pool, int32_t index);

} // namespace bv
