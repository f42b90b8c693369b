// The guarded allocation interface. One large block is reserved at start-up as the memory pool;
// allocations are served by the heap, and the pool's free list is what the statistics report.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bv {

constexpr uint32_t kPoolBytes = 61440000;
constexpr uint32_t kPoolHeaderBytes = 20;

struct MemStats {
    int32_t largest;
    int32_t total;
    int32_t lowWater;
};

int memInit(void* block, uint32_t size);
int memShutdown();
bool memInitialised();
void* memAlloc(size_t size);
void* memAllocZeroed(size_t size);
void memFree(void* pointer);
void* memRealloc(void* pointer, size_t size);
void memFill(void* pointer, uint8_t value, size_t count);
void memCopy(void* target, const void* source, size_t count);
MemStats memStats();

// Reserves the pool block on the heap and initialises the pool (start-up step 1).
void memStartup();

} // namespace bv
