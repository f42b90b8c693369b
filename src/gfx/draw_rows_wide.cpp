// The sprite and background row rules eight pixels a step on processors with AVX2, chosen when the
// game runs; the same pixels as the four-pixel steps of gfx/blend_row.h, which finish each row.
#include "gfx/blend_row.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define BV_WIDE_ROWS 1
#endif

namespace bv {

namespace {
bool g_wideAllowed = true;
} // namespace

void allowWideRows(bool allowed) {
    g_wideAllowed = allowed;
}

#if defined(BV_WIDE_ROWS)
namespace {

#define BV_AVX2 __attribute__((target("avx2")))

template <bool Mirror> BV_AVX2 inline __m256i loadEight(const uint32_t* src, int32_t i) {
    if constexpr (Mirror)
        return _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src - i - 7)),
                                           _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0));
    else
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
}

// blendrow::blendFour for eight pixels: unpacking and packing both work within each 128-bit half,
// so every pixel comes back to its own place.
BV_AVX2 inline __m256i blendEight(__m256i s, __m256i d) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(255);
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i sLow = _mm256_unpacklo_epi8(s, zero), sHigh = _mm256_unpackhi_epi8(s, zero);
    const __m256i dLow = _mm256_unpacklo_epi8(d, zero), dHigh = _mm256_unpackhi_epi8(d, zero);
    const __m256i aLow = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sLow, 0xFF), 0xFF);
    const __m256i aHigh = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sHigh, 0xFF), 0xFF);
    const __m256i low = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sLow, aLow),
                                          _mm256_mullo_epi16(dLow, _mm256_sub_epi16(full, aLow))),
                         one),
        8);
    const __m256i high = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sHigh, aHigh),
                                          _mm256_mullo_epi16(dHigh, _mm256_sub_epi16(full, aHigh))),
                         one),
        8);
    return _mm256_or_si256(_mm256_packus_epi16(low, high), _mm256_set1_epi32(int32_t(blendrow::kTopByte)));
}

// blendrow::opaqueFour for eight pixels.
BV_AVX2 inline __m256i opaqueEight(__m256i s) {
    const __m256i ones = _mm256_set1_epi8(1);
    const __m256i c = _mm256_max_epu8(_mm256_subs_epu8(s, ones), _mm256_min_epu8(s, ones));
    return _mm256_or_si256(c, _mm256_set1_epi32(int32_t(blendrow::kTopByte)));
}

template <bool Mirror> BV_AVX2 int32_t wideSpriteRow(uint32_t* dst, const uint32_t* src, int32_t count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alphas = _mm256_set1_epi32(int32_t(blendrow::kTopByte));
    const __m256i full = _mm256_set1_epi32(255);
    int32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = loadEight<Mirror>(src, i);
        const __m256i alpha = _mm256_srli_epi32(s, 24);
        const __m256i clear = _mm256_cmpeq_epi32(alpha, zero);
        if (_mm256_movemask_ps(_mm256_castsi256_ps(clear)) == 0xFF) {
            // After a clear block, thirty-two pixels are tested at once.
            while (i + 40 <= count) {
                const __m256i any = _mm256_or_si256(
                    _mm256_or_si256(loadEight<Mirror>(src, i + 8), loadEight<Mirror>(src, i + 16)),
                    _mm256_or_si256(loadEight<Mirror>(src, i + 24), loadEight<Mirror>(src, i + 32)));
                if (!_mm256_testz_si256(any, alphas)) break;
                i += 32;
            }
            continue;
        }
        auto* at = reinterpret_cast<__m256i*>(dst + i);
        if (_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(alpha, full))) == 0xFF) {
            _mm256_storeu_si256(at, opaqueEight(s));
            continue;
        }
        const __m256i d = _mm256_loadu_si256(at);
        _mm256_storeu_si256(at, _mm256_blendv_epi8(blendEight(s, d), d, clear));
    }
    return i;
}

BV_AVX2 int32_t wideBackgroundRow(uint32_t* dst, const uint32_t* src, int32_t count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi32(255);
    int32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = loadEight<false>(src, i);
        const __m256i alpha = _mm256_srli_epi32(s, 24);
        const __m256i opaque = _mm256_cmpeq_epi32(alpha, full);
        auto* at = reinterpret_cast<__m256i*>(dst + i);
        if (_mm256_movemask_ps(_mm256_castsi256_ps(opaque)) == 0xFF) {
            _mm256_storeu_si256(at, s);
            continue;
        }
        const __m256i clear = _mm256_cmpeq_epi32(alpha, zero);
        if (_mm256_movemask_ps(_mm256_castsi256_ps(clear)) == 0xFF) continue;
        const __m256i d = _mm256_loadu_si256(at);
        const __m256i out = _mm256_blendv_epi8(blendEight(s, d), s, opaque);
        _mm256_storeu_si256(at, _mm256_blendv_epi8(out, d, clear));
    }
    return i;
}

const bool g_avx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}();

} // namespace

int32_t blendBackgroundRowWide(uint32_t* dst, const uint32_t* src, int32_t count) {
    if (!g_avx2 || !g_wideAllowed || count < 8) return 0;
    return wideBackgroundRow(dst, src, count);
}

int32_t blendSpriteRowWide(uint32_t* dst, const uint32_t* src, int32_t count, bool mirror) {
    if (!g_avx2 || !g_wideAllowed || count < 8) return 0;
    return mirror ? wideSpriteRow<true>(dst, src, count) : wideSpriteRow<false>(dst, src, count);
}
#else
int32_t blendSpriteRowWide(uint32_t*, const uint32_t*, int32_t, bool) {
    return 0;
}
int32_t blendBackgroundRowWide(uint32_t*, const uint32_t*, int32_t) {
    return 0;
}
#endif

} // namespace bv
