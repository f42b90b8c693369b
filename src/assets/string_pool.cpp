#include "assets/string_pool.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "assets/hash.h"
#include "core/fatal.h"
#include "core/memory.h"

namespace bv {

namespace {

constexpr int32_t kEntryGrowth = 100;
constexpr int32_t kTextGrowth = 500;
constexpr int32_t kFirstSlots = 4096;

[[noreturn]] void outOfMemory() {
    fatal("Out of memory while building the string table.\n");
}

// The next capacity: at least `step` more than now, or half as much again once that is more.
int32_t grownCapacity(int32_t capacity, int64_t needed, int32_t step) {
    int64_t grown = capacity + std::max<int64_t>(step, capacity / 2);
    if (grown < needed) grown = needed + step;
    if (grown > INT32_MAX) outOfMemory();
    return int32_t(grown);
}

void reserveEntry(StringPool& pool) {
    if (pool.count < pool.capacity) return;
    int32_t capacity = grownCapacity(pool.capacity, int64_t(pool.count) + 1, kEntryGrowth);
    void* grown = memRealloc(pool.entries, sizeof(StringPoolEntry) * static_cast<size_t>(capacity));
    if (!grown) outOfMemory();
    pool.entries = static_cast<StringPoolEntry*>(grown);
    pool.capacity = capacity;
}

void reserveText(StringPool& pool, int32_t bytes) {
    if (int64_t(pool.textUsed) + bytes < pool.textCapacity) return;
    // Small strings grow the area by a fixed step; a large one by its own size and the step,
    // so loading never reallocates for every string.
    int32_t step = bytes >= kTextGrowth ? bytes + kTextGrowth : kTextGrowth;
    int32_t capacity = grownCapacity(pool.textCapacity, int64_t(pool.textUsed) + bytes + 1, step);
    void* grown = memRealloc(pool.text, static_cast<size_t>(capacity));
    if (!grown) outOfMemory();
    pool.text = static_cast<uint8_t*>(grown);
    pool.textCapacity = capacity;
}

void placeInIndex(StringPool& pool, int32_t index) {
    const uint32_t mask = uint32_t(pool.slotCount) - 1;
    uint32_t slot = pool.entries[index].hash & mask;
    while (pool.slots[slot] != 0) slot = (slot + 1) & mask;
    pool.slots[slot] = index;
}

// Keeps the index at most half full, so that a probe ends at a free slot soon.
void reserveSlot(StringPool& pool) {
    if (int64_t(pool.count) * 2 < pool.slotCount) return;
    int64_t slotCount = pool.slotCount > 0 ? pool.slotCount : kFirstSlots;
    while (slotCount <= int64_t(pool.count) * 2) slotCount *= 2;
    if (slotCount > INT32_MAX) outOfMemory();
    auto* slots = static_cast<int32_t*>(memAllocZeroed(sizeof(int32_t) * static_cast<size_t>(slotCount)));
    if (!slots) outOfMemory();
    memFree(pool.slots);
    pool.slots = slots;
    pool.slotCount = int32_t(slotCount);
    for (int32_t i = 1; i < pool.count; ++i) placeInIndex(pool, i);
}

// The entry with this hash for which same(index) holds, 0 when there is none.
template <class Same> int32_t lookup(const StringPool& pool, uint32_t hash, Same same) {
    if (pool.slotCount == 0) return 0;
    const uint32_t mask = uint32_t(pool.slotCount) - 1;
    for (uint32_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const int32_t i = pool.slots[slot];
        if (i == 0) return 0;
        if (pool.entries[i].hash == hash && same(i)) return i;
    }
}

// Appends a string of `bytes` bytes (terminator included) and returns its index.
int32_t append(StringPool& pool, uint32_t hash, int32_t length, const void* data, int32_t bytes) {
    reserveEntry(pool);
    reserveText(pool, bytes);
    reserveSlot(pool);
    int32_t index = pool.count++;
    pool.entries[index] = StringPoolEntry{hash, length, pool.textUsed};
    placeInIndex(pool, index);
    std::memcpy(pool.text + pool.textUsed, data, static_cast<size_t>(bytes));
    pool.textUsed += bytes;
    return index;
}

int32_t textLength(const char16_t* text) {
    int32_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

const char16_t* unitsAt(const StringPool& pool, int32_t index) {
    return reinterpret_cast<const char16_t*>(pool.text + pool.entries[index].textOffset);
}

} // namespace

void poolCreate(StringPool& pool, int32_t entries, int32_t textBytes) {
    pool.entries =
        static_cast<StringPoolEntry*>(memAlloc(sizeof(StringPoolEntry) * static_cast<size_t>(entries)));
    pool.text = static_cast<uint8_t*>(memAlloc(static_cast<size_t>(textBytes)));
    if (!pool.entries || !pool.text) outOfMemory();
    pool.capacity = entries;
    pool.textCapacity = textBytes;
    pool.textUsed = 0;
    pool.count = 1;
    pool.entries[0] = StringPoolEntry{0, 0, 0};
}

void poolDestroy(StringPool& pool) {
    memFree(pool.entries);
    memFree(pool.text);
    memFree(pool.slots);
    pool = StringPool{};
}

int32_t findKey(const StringPool& pool, const char* key) {
    if (!key || key[0] == '\0') return 0;
    return lookup(pool, nameHash(key), [&](int32_t i) { return namesEqual(keyAt(pool, i), key); });
}

int32_t internKey(StringPool& pool, const char* key) {
    int32_t found = findKey(pool, key);
    if (found != 0 || !key || key[0] == '\0') return found;
    int32_t length = static_cast<int32_t>(std::strlen(key));
    return append(pool, nameHash(key), length, key, length + 1);
}

const char* keyAt(const StringPool& pool, int32_t index) {
    if (index < 1 || index >= pool.count) return nullptr;
    return reinterpret_cast<const char*>(pool.text + pool.entries[index].textOffset);
}

uint32_t textHash(const char16_t* text, int32_t length) {
    uint8_t low[kTextHashUnits];
    int32_t n = length < kTextHashUnits ? length : kTextHashUnits;
    for (int32_t i = 0; i < n; ++i) low[i] = static_cast<uint8_t>(text[i]);
    return lookup2(low, static_cast<uint32_t>(n), kNameHashInit);
}

int32_t internText(StringPool& pool, const char16_t* text) {
    if (!text || text[0] == 0) return 0;
    int32_t length = textLength(text);
    uint32_t hash = textHash(text, length);
    // Only the first 250 units are hashed, so long texts that differ later collide here.
    const int32_t found = lookup(pool, hash, [&](int32_t i) {
        return pool.entries[i].length == length &&
               std::memcmp(unitsAt(pool, i), text, sizeof(char16_t) * static_cast<size_t>(length)) == 0;
    });
    if (found != 0) return found;
    int32_t bytes = static_cast<int32_t>(sizeof(char16_t)) * (length + 1);
    return append(pool, hash, length, text, bytes);
}

const char16_t* textAt(const StringPool& pool, int32_t index) {
    if (index < 1 || index >= pool.count) return nullptr;
    return unitsAt(pool, index);
}

} // namespace bv
