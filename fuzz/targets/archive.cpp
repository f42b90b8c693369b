// The asset archive's directory and entries, read from an archive image: every entry delivered
// both into a buffer of its own and into a caller's buffer, and no delivery larger than it says.
#include <vector>

#include "assets/archive.h"
#include "core/memory.h"
#include "fuzz.h"

namespace {
constexpr int32_t kMostEntries = 64;
constexpr uint32_t kCallerBytes = 1 << 16;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::openGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    const uint32_t n = uint32_t(size);
    const int32_t count = bv::archiveImageCount(data, n);
    FUZZ_CHECK(count < 0 || 4 + uint64_t(count) * 16 <= size);
    static std::vector<uint8_t> callerBuffer(kCallerBytes);
    for (int32_t i = 0; i < count && i < kMostEntries; ++i) {
        uint32_t hash = 0;
        void* own = nullptr;
        const uint32_t got = bv::archiveImageEntry(data, n, i, hash, own, 0);
        FUZZ_CHECK((got == 0) == (own == nullptr));
        // Touch every delivered byte, so that a short buffer shows under the sanitizers.
        uint32_t sum = 0;
        for (uint32_t b = 0; b < got; ++b) sum += static_cast<const uint8_t*>(own)[b];
        bv::memFree(own);
        void* caller = callerBuffer.data();
        const uint32_t again = bv::archiveImageEntry(data, n, i, hash, caller, kCallerBytes);
        FUZZ_CHECK(again <= kCallerBytes && caller == callerBuffer.data());
        FUZZ_CHECK(again == 0 || got == 0 || again == got);
        (void)sum;
    }
    return 0;
}
