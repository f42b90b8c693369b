// Test helpers for the drawing primitives: an 800 x 600 target with guard zones around it, and
// test sprites.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "assets/sprite.h"
#include "gfx/framebuffer.h"
#include "support/test_support.h"

namespace gfxtest {

constexpr int kW = 800;
constexpr int kH = 600;
constexpr size_t kGuard = 8192; // more than ten rows on each side
constexpr uint32_t kGuardValue = 0xDEADBEEFu;

class Canvas {
  public:
    explicit Canvas(uint32_t fill = 0) : store_(kGuard * 2 + size_t(kW) * kH, kGuardValue) {
        std::fill(pixels(), pixels() + kW * kH, fill);
    }
    uint32_t* pixels() { return store_.data() + kGuard; }
    uint32_t at(int x, int y) const { return store_[kGuard + size_t(y) * kW + size_t(x)]; }
    void set(int x, int y, uint32_t v) { store_[kGuard + size_t(y) * kW + size_t(x)] = v; }
    bool guardsIntact() const {
        auto ok = [](uint32_t v) { return v == kGuardValue; };
        return std::all_of(store_.begin(), store_.begin() + kGuard, ok) &&
               std::all_of(store_.end() - kGuard, store_.end(), ok);
    }
    // Number of pixels that differ from value.
    int countOther(uint32_t value) const {
        return int(std::count_if(store_.begin() + kGuard, store_.end() - kGuard,
                                 [value](uint32_t v) { return v != value; }));
    }

  private:
    std::vector<uint32_t> store_;
};

// A sprite owning its pixels.
struct TestSprite {
    std::vector<uint32_t> px;
    bv::Sprite s{};
    TestSprite(int width, int height, int xOffset = 0, int yOffset = 0, uint32_t fill = 0)
        : px(size_t(width) * size_t(height), fill) {
        s.xOffset = xOffset;
        s.yOffset = yOffset;
        s.width = width;
        s.height = height;
        s.pixels = px.data();
    }
    uint32_t& at(int x, int y) { return px[size_t(y) * size_t(s.width) + size_t(x)]; }
};

// Every test starts from the full clip rectangle, an empty clip stack and no dirty rectangles.
class DrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bvtest::ensureMemory();
        while (bv::clipDepth() > 0) bv::popClip();
        bv::resetClip();
        bv::clearDirty();
    }
    void TearDown() override { bv::resetClip(); }
};

} // namespace gfxtest
