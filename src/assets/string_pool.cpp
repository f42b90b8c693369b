#include "assets/string_pool.h"

#include <cstring>

#include "assets/hash.h"
#include "core/fatal.h"
#include "core/memory.h"

namespace bv {

namespace {

constexpr int32_t kEntryGrowth = 100;
constexpr int32_t kTextGrowth = 500;

[[noreturn]] void outOfMemory() {
    fatal("Out of memory while building the string table.\n");
}

void reserveEntry(StringPool& pool) {
    if (pool.count < pool.capacity) return;
    int32_t capacity = pool.capacity + kEntryGrowth;
    void* grown = memRealloc(pool.entries, sizeof(StringPoolEntry) * static_cast<size_t>(capacity));
    if (!grown) outOfMemory();
    pool.entries = static_cast<StringPoolEntry*>(grown);
    pool.capacity = capacity;
}

void reserveText(StringPool& pool, int32_t bytes) {
    if (pool.textUsed + bytes < pool.textCapacity) return;
    // Small strings grow the area by a fixed step; a large one by its own size and the step,
    // so loading never reallocates for every string.
    int32_t step = bytes >= kTextGrowth ? bytes + kTextGrowth : kTextGrowth;
    int32_t capacity = pool.textCapacity + step;
    void* grown = memRealloc(pool.text, static_cast<size_t>(capacity));
    if (!grown) outOfMemory();
    pool.text = static_cast<uint8_t*>(grown);
    pool.textCapacity = capacity;
}

// Appends a string of `bytes` bytes (terminator included) and returns its index.
int32_t append(StringPool& pool, uint32_t hash, int32_t length, const void* data, int32_t bytes) {
    reserveEntry(pool);
    reserveText(pool, bytes);
    int32_t index = pool.count++;
    pool.entries[index] = StringPoolEntry{hash, length, pool.textUsed};
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
    pool = StringPool{};
}

int32_t findKey(const StringPool& pool, const char* key) {
    if (!key || key[0] == '\0') return 0;
    uint32_t hash = nameHash(key);
    for (int32_t i = 1; i < pool.count; ++i) {
        if (pool.entries[i].hash == hash && namesEqual(keyAt(pool, i), key)) return i;
    }
    return 0;
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
    for (int32_t i = 1; i < pool.count; ++i) {
        const StringPoolEntry& e = pool.entries[i];
        // Only the first 250 units are hashed, so long texts that differ later collide here.
        if (e.hash == hash && e.length == length &&
            std::memcmp(unitsAt(pool, i), text, sizeof(char16_t) * static_cast<size_t>(length)) == 0)
            return i;
    }
    int32_t bytes = static_cast<int32_t>(sizeof(char16_t)) * (length + 1);
    return append(pool, hash, length, text, bytes);
}

const char16_t* textAt(const StringPool& pool, int32_t index) {
    if (index < 1 || index >= pool.count) return nullptr;
    return unitsAt(pool, index);
}

} // namespace bv
