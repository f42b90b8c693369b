// The hot-spot list: a fixed array filled in registration order and emptied every frame.
#include "ui/hotspots.h"

#include "core/input.h"
#include "core/memory.h"

namespace bv {

namespace {

HotSpot* g_spots = nullptr;
int32_t g_count = 0;

constexpr int32_t kCursorArrow = 0;
constexpr int32_t kCursorHand = 3;

const HotSpot* firstContaining(int32_t x, int32_t y) {
    for (int32_t i = 0; i < g_count; ++i) {
        const HotSpot& h = g_spots[i];
        if (rectContains(Rect{h.left, h.top, h.width, h.height}, x, y)) return &h;
    }
    return nullptr;
}

} // namespace

void initHotSpots() {
    if (!g_spots) g_spots = static_cast<HotSpot*>(memAllocZeroed(sizeof(HotSpot) * kHotSpotCapacity));
    g_count = 0;
}

void clearHotSpots() {
    g_count = 0;
}

HotSpot* addHotSpot(int32_t left, int32_t top, int32_t width, int32_t height, HotSpotCallback callback,
                    int32_t value) {
    if (!g_spots) initHotSpots();
    if (g_count >= kHotSpotCapacity) return nullptr;
    HotSpot& h = g_spots[g_count++];
    h = HotSpot{left, top, width, height, 0, callback, value};
    return &h;
}

void tagLastHotSpot(int32_t tag) {
    if (g_count > 0) g_spots[g_count - 1].tag = tag;
}

int32_t hotSpotCount() {
    return g_count;
}

const HotSpot* hotSpotByIndex(int32_t index) {
    return index >= 0 && index < g_count ? &g_spots[index] : nullptr;
}

bool rectContains(const Rect& r, int32_t x, int32_t y) {
    // 64-bit sums: a rectangle near the integer limits must not wrap around.
    return x >= r.x && int64_t(x) < int64_t(r.x) + r.width && y >= r.y &&
           int64_t(y) < int64_t(r.y) + r.height;
}

int32_t hotSpotAt(int32_t x, int32_t y) {
    const HotSpot* h = firstContaining(x, y);
    return h ? int32_t(h - g_spots) + 1 : 0;
}

int32_t hotSpotTagAt(int32_t x, int32_t y) {
    const HotSpot* h = firstContaining(x, y);
    return h ? h->tag + 1 : 0;
}

const HotSpot* findHotSpotByTag(int32_t tag) {
    for (int32_t i = 0; i < g_count; ++i)
        if (g_spots[i].tag == tag) return &g_spots[i];
    return nullptr;
}

void keepHotSpotsTagged(int32_t tag) {
    int32_t kept = 0;
    for (int32_t i = 0; i < g_count; ++i)
        if (g_spots[i].tag == tag) g_spots[kept++] = g_spots[i];
    g_count = kept;
}

bool isMouseOver(const Rect& r) {
    const Point m = mousePos();
    return rectContains(r, m.x, m.y);
}

void dispatchHotSpots() {
    const Point m = mousePos();
    const HotSpot* h = firstContaining(m.x, m.y);
    setCursor(h ? kCursorHand : kCursorArrow);
    // Copy before calling: the callback may change state and register or clear hot spots.
    if (h && leftClicked() && h->callback) {
        const HotSpot hit = *h;
        hit.callback(m.x, m.y, hit.value);
    }
}

} // namespace bv
