// Test scaffolding for the widgets and dialogs: small hand-made interface pictures and fonts put
// in place of the game's, a cleared frame buffer, and helpers to move the mouse and click.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "core/input.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "platform/platform.h"
#include "support/events.h"
#include "support/test_support.h"
#include "ui/button.h"
#include "ui/hotspots.h"

namespace uitest {

// An opaque picture pixel of colour c as drawn: the blending rule at alpha 255,
// (c * 255 + 1) >> 8 per channel, which takes one off every non-zero channel.
constexpr uint32_t opaque(uint32_t c) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) out |= ((((c >> shift) & 0xFFu) * 255u + 1u) >> 8) << shift;
    return out;
}

// Colours of the test pictures: each piece has its own, so a pixel tells which piece drew it.
constexpr uint32_t kButtonLeftColour = 0xC80000;
constexpr uint32_t kButtonMiddleColour = 0x00C800;
constexpr uint32_t kButtonRightColour = 0x0000C8;
constexpr int32_t kButtonEndWidth = 12;
constexpr int32_t kButtonMiddleWidth = 4;
constexpr int32_t kFramePiece = 12;
// Frame piece n (45..53) is filled with 0x100000 * (n - 44) + 0x40.
inline uint32_t framePieceColour(int32_t n) {
    return 0x100000u * uint32_t(n - 44) + 0x40u;
}
constexpr uint32_t kArrowColour = 0x808000;
constexpr uint32_t kBlueFontColour = 0x2040A0;
constexpr uint32_t kBlueLitFontColour = 0xF0F020;
constexpr uint32_t kOtherFontColour = 0x603010;
// Glyphs: printable ASCII, 6 x 10 opaque blocks hanging from the pen (the pen's y is the top of
// the line, as in the game's fonts), advance 7; space has no picture and advance 4. Line height
// is 10 + 5 = 15.
constexpr int32_t kGlyphWidth = 6;
constexpr int32_t kGlyphHeight = 10;
constexpr int32_t kGlyphAdvance = 7;
constexpr int32_t kSpaceAdvance = 4;

// A font owning its glyphs and their pixels.
struct TestFont {
    std::vector<bv::Glyph> glyphs;
    std::vector<std::vector<uint32_t>> pixels;
    explicit TestFont(uint32_t colour) : glyphs(128), pixels(128) {
        for (int32_t c = 0; c < 128; ++c) {
            bv::Glyph& g = glyphs[size_t(c)];
            g = bv::Glyph{};
            g.code = c;
            g.advance = c == ' ' ? kSpaceAdvance : kGlyphAdvance;
            if (c <= ' ' || c == 127) continue;
            pixels[size_t(c)].assign(size_t(kGlyphWidth * kGlyphHeight), 0xFF000000u | colour);
            g.width = kGlyphWidth;
            g.height = kGlyphHeight;
            g.pixels = pixels[size_t(c)].data();
        }
    }
    bv::Font font() { return bv::Font{glyphs.data(), int32_t(glyphs.size()), false}; }
};

// Owns the pixels of the test pictures put into the "icons" set.
struct TestIcons {
    std::vector<std::vector<uint32_t>> pixels = std::vector<std::vector<uint32_t>>(bv::pic::kIconCount);
    void set(int32_t n, int32_t w, int32_t h, int32_t xOffset, int32_t yOffset, uint32_t colour) {
        pixels[size_t(n)].assign(size_t(w * h), 0xFF000000u | colour);
        bv::Sprite& s = bv::iconSprites.sprites[n];
        s = bv::Sprite{};
        s.width = w;
        s.height = h;
        s.xOffset = xOffset;
        s.yOffset = yOffset;
        s.pixels = pixels[size_t(n)].data();
    }
};

// Installs the test pictures and fonts once for the whole test program; every test starts from
// a black frame, no hot spots, no input, the sprite look, and the full clip rectangle.
class UiTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        bvtest::ensureMemory();
        bv::allocFrameBuffer();
        static bool installed = false;
        if (installed) return;
        installed = true;
        static TestIcons icons;
        if (bv::iconSprites.count < bv::pic::kIconCount)
            bv::allocSpriteSet(bv::iconSprites, bv::pic::kIconCount);
        for (int32_t n = bv::pic::kIconFrameBottomLeft; n <= bv::pic::kIconFrameTopRight; ++n)
            icons.set(n, kFramePiece, kFramePiece, 0, 0, framePieceColour(n));
        icons.set(bv::pic::kIconButtonLeft, kButtonEndWidth, 30, 0, 0, kButtonLeftColour);
        icons.set(bv::pic::kIconButtonMiddle, kButtonMiddleWidth, 30, 0, 0, kButtonMiddleColour);
        icons.set(bv::pic::kIconButtonRight, kButtonEndWidth, 30, 0, 0, kButtonRightColour);
        icons.set(bv::pic::kIconArrowLeft, 20, 20, -10, -10, kArrowColour);
        icons.set(bv::pic::kIconArrowRight, 20, 20, -10, -10, kArrowColour);
        static TestFont blue(kBlueFontColour), blueLit(kBlueLitFontColour), other(kOtherFontColour);
        bv::fontArial15Blue = blue.font();
        bv::fontArial15BlueLit = blueLit.font();
        bv::fontArial15BldGlw = other.font();
        bv::fontArial15BldGlwLit = blueLit.font();
        bv::fontArial15Brown = other.font();
        bv::fontArial20Brown = other.font();
        bv::fontArial15Bld = other.font();
    }
    void SetUp() override {
        bvtest::useNamedStates();
        bv::resetTextStateForTests();
        bv::setFont(&bv::fontArial15Bld);
        while (bv::clipDepth() > 0) bv::popClip();
        bv::resetClip();
        bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
        bv::clearHotSpots();
        bv::resetInput();
        bv::setButtonLook(bv::kButtonLookSprite);
    }
    static uint32_t pixel(int32_t x, int32_t y) {
        return bv::frameBuffer[y * bv::kFrameWidth + x] & 0xFFFFFFu;
    }
};

// Window reports as the platform delivers them, then the frame's input step.
inline void sendEvent(bv::platform::Event::Type type, int32_t x, int32_t y) {
    bv::handleWindowEvent(bvtest::event(type, 0, x, y));
}
inline void moveMouse(int32_t x, int32_t y) {
    sendEvent(bv::platform::Event::MouseMove, x, y);
    bv::stepKeys();
}
// The frame in which the left button goes down at (x, y): leftClicked() is set for it.
inline void pressAt(int32_t x, int32_t y) {
    sendEvent(bv::platform::Event::MouseMove, x, y);
    sendEvent(bv::platform::Event::LeftDown, x, y);
    bv::stepKeys();
}
inline void release(int32_t x, int32_t y) {
    sendEvent(bv::platform::Event::LeftUp, x, y);
    bv::stepKeys();
}

} // namespace uitest
