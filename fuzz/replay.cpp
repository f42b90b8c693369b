// The fuzz targets' main when they are not built with libFuzzer (the normal GCC build):
//   fuzz_<reader> [-runs=N] [-seed=S] [-timeout=..] PATH...
// Every file under the PATHs (folders are walked; a ".gz" file is inflated first) goes once through
// LLVMFuzzerTestOneInput; then N more inputs are made from them by small random changes (flipped,
// inserted and removed bytes, cut ends, spliced halves, interesting 32-bit values) and run too.
// Options libFuzzer knows and this driver does not are ignored, so one command line serves both.
// A broken promise aborts through the sanitizers or FUZZ_CHECK; the exit status is 0 otherwise.
// Under the sanitizers the driver also watches the heap: an input during which the memory in use
// grows by more than kMemoryPerInput plus kMemoryPerInputByte for each of its bytes is a failure
// (a reader that sizes memory by what a file claims rather than by what it holds).
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz.h"

// The sanitizer runtime's allocation hooks, when the program runs under it.
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                              void (*)(const volatile void*)) __attribute__((weak));
size_t __sanitizer_get_allocated_size(const volatile void*) __attribute__((weak));
}

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int64_t kMemoryPerInput = int64_t(160) << 20;
constexpr int64_t kMemoryPerInputByte = 16;

int64_t g_inUse = 0;
int64_t g_peak = 0;
int64_t g_largestGrowth = 0;

void onMalloc(const volatile void*, size_t bytes) {
    g_inUse += int64_t(bytes);
    g_peak = std::max(g_peak, g_inUse);
}

void onFree(const volatile void* p) {
    if (p) g_inUse -= int64_t(__sanitizer_get_allocated_size(p));
}

void runOne(const Bytes& input, const char* what) {
    const int64_t base = g_inUse;
    g_peak = g_inUse;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    const int64_t grown = g_peak - base,
                  allowed = kMemoryPerInput + kMemoryPerInputByte * int64_t(input.size());
    g_largestGrowth = std::max(g_largestGrowth, grown);
    if (grown > allowed) {
        std::fprintf(stderr,
                     "%s: the memory in use grew by %lld bytes for an input of %zu bytes (at most %lld)\n",
                     what, static_cast<long long>(grown), input.size(), static_cast<long long>(allowed));
        std::abort();
    }
}

Bytes readInput(const std::filesystem::path& path) {
    Bytes out;
    if (path.extension() == ".gz") {
        gzFile in = gzopen(path.c_str(), "rb");
        if (!in) return out;
        uint8_t chunk[1 << 16];
        int n = 0;
        while ((n = gzread(in, chunk, sizeof chunk)) > 0) out.insert(out.end(), chunk, chunk + n);
        gzclose(in);
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void collect(const std::filesystem::path& path, std::vector<std::filesystem::path>& files) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        std::vector<std::filesystem::path> inside;
        for (const auto& e : std::filesystem::recursive_directory_iterator(path, ec))
            if (e.is_regular_file()) inside.push_back(e.path());
        std::sort(inside.begin(), inside.end());
        files.insert(files.end(), inside.begin(), inside.end());
    } else if (std::filesystem::is_regular_file(path, ec)) {
        files.push_back(path);
    }
}

const uint32_t kInteresting[] = {0,      1,      0x7F,       0x80,        0xFF,       0x7FFF,
                                 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};

Bytes mutate(const std::vector<Bytes>& pool, std::mt19937& rng) {
    auto pick = [&](size_t n) { return n == 0 ? size_t(0) : size_t(rng() % n); };
    Bytes b = pool[pick(pool.size())];
    const int changes = 1 + int(rng() % 4);
    for (int c = 0; c < changes; ++c) {
        switch (rng() % 6) {
        case 0:
            if (!b.empty()) b[pick(b.size())] ^= uint8_t(1u << (rng() % 8));
            break;
        case 1:
            b.insert(b.begin() + std::ptrdiff_t(pick(b.size() + 1)), uint8_t(rng()));
            break;
        case 2:
            if (!b.empty()) b.erase(b.begin() + std::ptrdiff_t(pick(b.size())));
            break;
        case 3:
            b.resize(pick(b.size() + 1));
            break;
        case 4: {
            const Bytes& other = pool[pick(pool.size())];
            b.resize(pick(b.size() + 1));
            b.insert(b.end(), other.begin() + std::ptrdiff_t(pick(other.size() + 1)), other.end());
            break;
        }
        default:
            if (b.size() >= 4) {
                const uint32_t v = kInteresting[rng() % std::size(kInteresting)];
                const size_t at = pick(b.size() - 3);
                for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
            }
        }
    }
    return b;
}

} // namespace

int main(int argc, char** argv) {
    long runs = 0;
    unsigned seed = 1;
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-runs=", 6) == 0)
            runs = std::atol(argv[i] + 6);
        else if (std::strncmp(argv[i], "-seed=", 6) == 0)
            seed = unsigned(std::strtoul(argv[i] + 6, nullptr, 10));
        else if (argv[i][0] != '-')
            collect(argv[i], files);
    }
    if (__sanitizer_install_malloc_and_free_hooks && __sanitizer_get_allocated_size)
        __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
    LLVMFuzzerInitialize(&argc, &argv);
    std::vector<Bytes> pool;
    for (const auto& f : files) {
        Bytes input = readInput(f);
        std::fprintf(stderr, "replay %s (%zu bytes)\n", f.c_str(), input.size());
        runOne(input, f.c_str());
        pool.push_back(std::move(input));
    }
    if (pool.empty()) pool.emplace_back();
    std::mt19937 rng(seed);
    for (long r = 0; r < runs; ++r) {
        const Bytes input = mutate(pool, rng);
        runOne(input, ("changed input " + std::to_string(r)).c_str());
    }
    std::fprintf(stderr, "%zu files and %ld changed inputs ran; the memory in use grew by at most %lld bytes\n",
                 files.size(), runs, static_cast<long long>(g_largestGrowth));
    return 0;
}
