// Readers fed the largest inputs their formats allow, so that a reader that slows down with the
// square of its input shows: a map layer of 65,536 objects stored in falling y (sorted on loading)
// and a string table of a million distinct keys (interned on loading).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/strings.h"
#include "core/memory.h"
#include "world/map.h"

namespace {

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A map with no houses, no tile grid, no labels, no background picture and `objects` objects in its
// back layer, each higher on the screen than the one before.
std::vector<uint8_t> mapInFallingY(uint32_t objects) {
    std::vector<uint8_t> m;
    for (uint32_t v :
         {0u, bv::kMapHouseBytes, 0u, 0u, 32u, 16u, 0u, 0u, 0u, bv::kMapTextBytes, bv::kBackgroundBytes})
        putU32(m, v);
    m.resize(m.size() + bv::kBackgroundBytes, 0);
    for (uint32_t count : {objects, 0u}) {
        for (uint32_t v : {bv::kLayerHeaderBytes, bv::kMapObjectBytes, 0u, count, count, 0u, 0u, 0u})
            putU32(m, v);
        for (uint32_t i = 0; i < count; ++i)
            for (uint32_t v : {i % 800u, 100000u - i, 0u, 0u, 0u, 0u, 0u}) putU32(m, v);
    }
    return m;
}

void BM_LoadLayerInFallingY(benchmark::State& state) {
    if (!bv::memInitialised()) bv::memStartup();
    const std::vector<uint8_t> map = mapInFallingY(uint32_t(state.range(0)));
    for (auto _ : state) {
        if (!bv::loadMapImage(map.data(), uint32_t(map.size())))
            return state.SkipWithError("the map does not load");
    }
}
BENCHMARK(BM_LoadLayerInFallingY)->Arg(4096)->Arg(65536)->Unit(benchmark::kMillisecond);

void BM_StringTableDistinctKeys(benchmark::State& state) {
    if (!bv::memInitialised()) bv::memStartup();
    std::u16string table = u"\uFEFF";
    for (int64_t i = 0; i < state.range(0); ++i) {
        const std::string pair = "\"key" + std::to_string(i) + "\" \"text " + std::to_string(i) + "\"\n";
        table.append(pair.begin(), pair.end());
    }
    std::vector<uint8_t> bytes;
    for (char16_t u : table) bytes.insert(bytes.end(), {uint8_t(u), uint8_t(u >> 8)});
    for (auto _ : state) {
        bv::resetTextForTests();
        if (!bv::addTextTable(bytes.data(), uint32_t(bytes.size()))) return state.SkipWithError("refused");
    }
    bv::resetTextForTests();
}
BENCHMARK(BM_StringTableDistinctKeys)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
