// The draw list. Entries are always taken from the lowest free index and the whole list is emptied
// by every flush, so the entries in use are exactly 0..count - 1 in the order they were added.
// Ordering them by (y, index) therefore draws the smallest y first and keeps equal y in insertion
// order; the index in the key makes an ordinary sort give that one order without extra memory.
#include "gfx/draw_list.h"

#include <algorithm>

#include "core/memory.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/pulse.h"

namespace bv {

namespace {

DrawEntry* g_entries = nullptr;
int16_t* g_order = nullptr; // the order list: entry indexes, sorted at flush
int32_t g_count = 0;

// Only entries below the count can be in use, so clearing them empties the whole list.
void clearEntries(int32_t used) {
    if (g_entries && used > 0) memFill(g_entries, 0, sizeof(DrawEntry) * size_t(used));
    g_count = 0;
}

DrawEntry* takeEntry() {
    if (!g_entries) initDrawList();
    if (g_count >= kDrawListCapacity) return nullptr;
    DrawEntry* e = &g_entries[g_count++];
    e->inUse = 1;
    return e;
}

} // namespace

void initDrawList() {
    if (!g_entries) {
        g_entries = static_cast<DrawEntry*>(memAllocZeroed(sizeof(DrawEntry) * kDrawListCapacity));
        g_order = static_cast<int16_t*>(memAllocZeroed(sizeof(int16_t) * kDrawListCapacity));
    }
    clearEntries(kDrawListCapacity);
}

namespace {
// A whole-picture entry of the given kind into the frame buffer.
void addWholeSprite(int32_t kind, int32_t x, int32_t y, const Sprite* sprite, bool mirrored,
                    float brightness) {
    DrawEntry* e = takeEntry();
    if (!e) return;
    e->kind = kind;
    e->target = frameBuffer;
    e->x = x;
    e->y = y;
    e->sprite = sprite;
    e->width = sprite ? sprite->width : 0;
    e->height = sprite ? sprite->height : 0;
    e->mirrored = mirrored ? 1 : 0;
    e->brightness = brightness;
}
} // namespace

void drawListAdd(int32_t x, int32_t y, const Sprite* sprite, bool mirrored) {
    addWholeSprite(kDrawPlain, x, y, sprite, mirrored, 1.0f);
}

void drawListAddHighlighted(int32_t x, int32_t y, const Sprite* sprite, bool mirrored) {
    addWholeSprite(kDrawHighlighted, x, y, sprite, mirrored, 1.0f + 2.0f * pulse());
}

void drawListFlush() {
    if (!g_entries) return;
    for (int32_t i = 0; i < g_count; ++i) g_order[i] = static_cast<int16_t>(i);
    std::sort(g_order, g_order + g_count, [](int16_t a, int16_t b) {
        const int32_t ya = g_entries[a].y, yb = g_entries[b].y;
        return ya != yb ? ya < yb : a < b;
    });
    for (int32_t i = 0; i < g_count; ++i) {
        DrawEntry& e = g_entries[g_order[i]];
        if (!e.inUse || !e.sprite || !e.target) continue;
        if (e.kind == kDrawHighlighted)
            drawSpriteScaled(e.target, e.x, e.y, e.sprite, e.width, e.height, e.mirrored != 0, e.brightness);
        else
            drawSprite(e.target, e.x, e.y, e.sprite, e.mirrored != 0);
        e.inUse = 0;
    }
    clearEntries(g_count);
}

int32_t drawListCount() {
    return g_count;
}

const DrawEntry* drawListEntry(int32_t index) {
    if (!g_entries || index < 0 || index >= g_count) return nullptr;
    return &g_entries[index];
}

} // namespace bv
