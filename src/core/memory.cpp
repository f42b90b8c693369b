#include "core/memory.h"

#include <cstdlib>
#include <cstring>

#include "core/fatal.h"

namespace bv {

namespace {

// A block header inside the pool: two words without use, then previous and next block (as byte
// offsets from the pool base, 0xFFFFFFFF for none) and the block size including the header.
// Offsets instead of pointers keep the header at 20 bytes on every platform.
struct BlockHeader {
    uint32_t unused[2];
    uint32_t prev;
    uint32_t next;
    uint32_t size;
};
static_assert(sizeof(BlockHeader) == kPoolHeaderBytes);
constexpr uint32_t kNone = 0xFFFFFFFFu;

struct Pool {
    uint8_t* base = nullptr;
    uint32_t size = 0;
    uint32_t freeList = kNone;
    uint32_t usedList = kNone;
    uint32_t lowWater = 0;
    bool initialised = false;
};
Pool g_pool;

void requireInit() {
    if (!g_pool.initialised) fatal("memAlloc called before initialization!\n");
}

} // namespace

int memInit(void* block, uint32_t size) {
    if (size % 4 != 0) fatal("memInit requires memory block which is a multiple of 4.\n");
    g_pool.base = static_cast<uint8_t*>(block);
    g_pool.size = size;
    BlockHeader head{{0, 0}, kNone, kNone, size};
    std::memcpy(g_pool.base, &head, sizeof head);
    g_pool.freeList = 0;
    g_pool.usedList = kNone;
    g_pool.lowWater = 0;
    g_pool.initialised = true;
    return 1;
}

int memShutdown() {
    g_pool.initialised = false;
    return 1;
}

bool memInitialised() {
    return g_pool.initialised;
}

void* memAlloc(size_t size) {
    requireInit();
    return std::malloc(size ? size : 1);
}

void* memAllocZeroed(size_t size) {
    requireInit();
    return std::calloc(size ? size : 1, 1);
}

void memFree(void* pointer) {
    if (!pointer) return;
    std::free(pointer);
}

void* memRealloc(void* pointer, size_t size) {
    requireInit();
    return std::realloc(pointer, size ? size : 1);
}

void memFill(void* pointer, uint8_t value, size_t count) {
    auto* bytes = static_cast<uint8_t*>(pointer);
    uint32_t word = value * 0x01010101u;
    size_t words = count / 4;
    for (size_t i = 0; i < words; ++i) std::memcpy(bytes + i * 4, &word, 4);
    for (size_t i = words * 4; i < count; ++i) bytes[i] = value;
}

void memCopy(void* target, const void* source, size_t count) {
    auto* t = static_cast<uint8_t*>(target);
    const auto* s = static_cast<const uint8_t*>(source);
    for (size_t i = 0; i < count; ++i) t[i] = s[i];
}

MemStats memStats() {
    MemStats stats{0, 0, 0};
    uint32_t at = g_pool.initialised ? g_pool.freeList : kNone;
    while (at != kNone && at + sizeof(BlockHeader) <= g_pool.size) {
        BlockHeader head;
        std::memcpy(&head, g_pool.base + at, sizeof head);
        int32_t usable = static_cast<int32_t>(head.size - kPoolHeaderBytes);
        if (usable > stats.largest) stats.largest = usable;
        stats.total += usable;
        at = head.next;
    }
    if (g_pool.lowWater == 0 || static_cast<uint32_t>(stats.largest) < g_pool.lowWater)
        g_pool.lowWater = static_cast<uint32_t>(stats.largest);
    stats.lowWater = static_cast<int32_t>(g_pool.lowWater);
    return stats;
}

void memStartup() {
    static void* reserved = nullptr;
    if (reserved) {
        memInit(reserved, kPoolBytes); // a second start-up in one process reuses the block
        return;
    }
    // The pool is reserved, never touched beyond its first header, so it costs address space only.
    reserved = std::malloc(kPoolBytes);
    if (!reserved) fatal("memAlloc failure reserving the memory pool.\n");
    memInit(reserved, kPoolBytes);
}

} // namespace bv
