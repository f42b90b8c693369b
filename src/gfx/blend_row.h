// Rows of pixels under the one blending rule, four pixels at a time where the processor has SSE2
// (every x86-64 does) and one at a time elsewhere; both give the same pixels. Shared by the
// sprite primitives and the map's background.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "gfx/draw.h"

namespace bv {

namespace blendrow {

constexpr uint32_t kTopByte = 0xFF000000u;

// The sprite rule at brightness 1 for one pixel: nothing where alpha is 0, else the blend with the
// pixel's own alpha and the top byte 255.
inline void spritePixel(uint32_t& dst, uint32_t src) {
    const uint32_t a = src >> 24;
    if (a != 0) dst = blendColour(src, dst, a) | kTopByte;
}

// The background rule for one pixel: opaque pixels copied as they are, translucent ones blended
// (top byte 255), transparent ones left out.
inline void backgroundPixel(uint32_t& dst, uint32_t src) {
    const uint32_t a = src >> 24;
    if (a == 255)
        dst = src;
    else if (a != 0)
        dst = blendColour(src, dst, a) | kTopByte;
}

#if defined(__SSE2__)
// blendColour(s, d, alpha of s) | 0xFF000000 for four pixels. Each channel is worked in 16 bits:
// c * a + old * (255 - a) + 1 stays below 2^16, which is what the rule's shared words rely on too.
inline __m128i blendFour(__m128i s, __m128i d) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(255);
    const __m128i one = _mm_set1_epi16(1);
    const __m128i sLow = _mm_unpacklo_epi8(s, zero), sHigh = _mm_unpackhi_epi8(s, zero);
    const __m128i dLow = _mm_unpacklo_epi8(d, zero), dHigh = _mm_unpackhi_epi8(d, zero);
    const __m128i aLow = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sLow, 0xFF), 0xFF);
    const __m128i aHigh = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sHigh, 0xFF), 0xFF);
    const __m128i low =
        _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(sLow, aLow),
                                                   _mm_mullo_epi16(dLow, _mm_sub_epi16(full, aLow))),
                                     one),
                       8);
    const __m128i high =
        _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(sHigh, aHigh),
                                                   _mm_mullo_epi16(dHigh, _mm_sub_epi16(full, aHigh))),
                                     one),
                       8);
    return _mm_or_si128(_mm_packus_epi16(low, high), _mm_set1_epi32(int32_t(kTopByte)));
}

// The rule at alpha 255 for four opaque pixels: each channel c becomes (c * 255 + 1) >> 8, which
// is c - 1 from 2 up and c itself at 0 and 1; the top byte 255.
inline __m128i opaqueFour(__m128i s) {
    const __m128i ones = _mm_set1_epi8(1);
    const __m128i c = _mm_max_epu8(_mm_subs_epu8(s, ones), _mm_min_epu8(s, ones));
    return _mm_or_si128(c, _mm_set1_epi32(int32_t(kTopByte)));
}

// Four source pixels: from src[i] rightwards, or mirrored from src[-i] leftwards.
template <bool Mirror> inline __m128i loadFour(const uint32_t* src, int32_t i) {
    if constexpr (Mirror)
        return _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src - i - 3)), 0x1B);
    else
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
}
#endif

} // namespace blendrow

// The leading part of a sprite row eight pixels a step where the processor has AVX2
// (gfx/draw_rows_wide.cpp); returns how many pixels it did, 0 without AVX2.
int32_t blendSpriteRowWide(uint32_t* dst, const uint32_t* src, int32_t count, bool mirror);
// The same for a background row.
int32_t blendBackgroundRowWide(uint32_t* dst, const uint32_t* src, int32_t count);
// Tests turn the eight-pixel steps off to check the four-pixel ones on the same machine.
void allowWideRows(bool allowed);

// spritePixel over a row: dst[i] with src[i], or mirrored with src[-i].
template <bool Mirror> inline void blendSpriteRow(uint32_t* dst, const uint32_t* src, int32_t count) {
    int32_t i = blendSpriteRowWide(dst, src, count, Mirror);
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphas = _mm_set1_epi32(int32_t(blendrow::kTopByte));
    for (; i + 4 <= count; i += 4) {
        const __m128i s = blendrow::loadFour<Mirror>(src, i);
        const __m128i alpha = _mm_srli_epi32(s, 24);
        const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        const int clearMask = _mm_movemask_ps(_mm_castsi128_ps(clear));
        if (clearMask == 0xF) {
            // Clear stretches are common (the space around a house): after a clear block, sixteen
            // pixels are tested at once.
            while (i + 20 <= count) {
                const __m128i any = _mm_or_si128(_mm_or_si128(blendrow::loadFour<Mirror>(src, i + 4),
                                                              blendrow::loadFour<Mirror>(src, i + 8)),
                                                 _mm_or_si128(blendrow::loadFour<Mirror>(src, i + 12),
                                                              blendrow::loadFour<Mirror>(src, i + 16)));
                if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(any, alphas), zero)) != 0xFFFF) break;
                i += 16;
            }
            continue;
        }
        auto* at = reinterpret_cast<__m128i*>(dst + i);
        const int opaqueMask = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(alpha, _mm_set1_epi32(255))));
        if (opaqueMask == 0xF) {
            _mm_storeu_si128(at, blendrow::opaqueFour(s));
            continue;
        }
        const __m128i d = _mm_loadu_si128(at);
        const __m128i out = blendrow::blendFour(s, d);
        _mm_storeu_si128(at, _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, out)));
    }
#endif
    for (; i < count; ++i) blendrow::spritePixel(dst[i], Mirror ? src[-i] : src[i]);
}

// backgroundPixel over a row.
inline void blendBackgroundRow(uint32_t* dst, const uint32_t* src, int32_t count) {
    int32_t i = blendBackgroundRowWide(dst, src, count);
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    for (; i + 4 <= count; i += 4) {
        const __m128i s = blendrow::loadFour<false>(src, i);
        const __m128i alpha = _mm_srli_epi32(s, 24);
        const __m128i opaque = _mm_cmpeq_epi32(alpha, full);
        auto* at = reinterpret_cast<__m128i*>(dst + i);
        if (_mm_movemask_ps(_mm_castsi128_ps(opaque)) == 0xF) {
            _mm_storeu_si128(at, s);
            continue;
        }
        const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        if (_mm_movemask_ps(_mm_castsi128_ps(clear)) == 0xF) continue;
        const __m128i d = _mm_loadu_si128(at);
        __m128i out = blendrow::blendFour(s, d);
        out = _mm_or_si128(_mm_and_si128(opaque, s), _mm_andnot_si128(opaque, out));
        _mm_storeu_si128(at, _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, out)));
    }
#endif
    for (; i < count; ++i) blendrow::backgroundPixel(dst[i], src[i]);
}

} // namespace bv
