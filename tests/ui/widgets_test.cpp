// The panel frame, progress bar, picture buttons and the clickable avatar picture.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "core/clock.h"
#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/pulse.h"
#include "sim/owner.h"
#include "ui/widgets.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;
using namespace bv::pic;

std::vector<int32_t> g_clicks;
void record(int32_t, int32_t, int32_t value) {
    g_clicks.push_back(value);
}

class Widgets : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_clicks.clear();
        moveMouse(0, 0);
    }
};

TEST_F(Widgets, PanelFramePutsEdgesOverTheCentreAndCornersLast) {
    // 60 x 48 at (100, 100) from 12 x 12 pieces.
    bv::drawPanelFrame(100, 100, 60, 48);
    EXPECT_EQ(pixel(100, 100), opaque(framePieceColour(kIconFrameTopLeft)));
    EXPECT_EQ(pixel(159, 100), opaque(framePieceColour(kIconFrameTopRight)));
    EXPECT_EQ(pixel(100, 147), opaque(framePieceColour(kIconFrameBottomLeft)));
    EXPECT_EQ(pixel(159, 147), opaque(framePieceColour(kIconFrameBottomRight)));
    EXPECT_EQ(pixel(112, 100), opaque(framePieceColour(kIconFrameTop)));
    EXPECT_EQ(pixel(147, 111), opaque(framePieceColour(kIconFrameTop)));
    EXPECT_EQ(pixel(130, 140), opaque(framePieceColour(kIconFrameBottom)));
    EXPECT_EQ(pixel(105, 112), opaque(framePieceColour(kIconFrameLeft)));
    EXPECT_EQ(pixel(105, 135), opaque(framePieceColour(kIconFrameLeft)));
    EXPECT_EQ(pixel(150, 120), opaque(framePieceColour(kIconFrameRight)))
        << "the edge covers the last centre column";
    EXPECT_EQ(pixel(112, 112), opaque(framePieceColour(kIconFrameCentre)));
    EXPECT_EQ(pixel(147, 135), opaque(framePieceColour(kIconFrameCentre)));
    // Nothing outside the rectangle: the extra centre tiles end under the edges.
    EXPECT_EQ(pixel(160, 120), 0u);
    EXPECT_EQ(pixel(120, 148), 0u);
    EXPECT_EQ(pixel(99, 120), 0u);
}

TEST_F(Widgets, PanelFrameNeverDrawsOutsideItsRectangle) {
    // 65 x 50: edge tiles of 12 overshoot the far corners by 7 and 2 pixels.
    bv::setClip(0, 0, 700, 500);
    bv::drawPanelFrame(100, 100, 65, 50);
    EXPECT_EQ(pixel(164, 120), opaque(framePieceColour(kIconFrameRight)));
    EXPECT_EQ(pixel(120, 149), opaque(framePieceColour(kIconFrameBottom)));
    for (int32_t y = 90; y < 160; ++y) EXPECT_EQ(pixel(165, y), 0u) << y;
    for (int32_t x = 90; x < 175; ++x) EXPECT_EQ(pixel(x, 150), 0u) << x;
    EXPECT_EQ(bv::clipRight(), 700) << "the caller's clip rectangle is restored";
    EXPECT_EQ(bv::clipBottom(), 500);
    // A frame partly outside the caller's clip stays inside it.
    bv::drawPanelFrame(690, 490, 60, 48);
    EXPECT_EQ(pixel(700, 495), 0u);
    EXPECT_EQ(pixel(695, 500), 0u);
    EXPECT_EQ(pixel(695, 495), opaque(framePieceColour(kIconFrameTopLeft)));
}

TEST_F(Widgets, ProgressBarFillsItsShareOfTheInnerWidth) {
    const uint32_t fill = 0x0000FF, rest = 0xFF0000;
    const uint32_t lightFill = bv::lerpColour(fill, 0xFFFFFF, 0.2f);
    const uint32_t darkRest = bv::lerpColour(rest, 0, 0.2f);
    // Inner area 100 x 8 from (101, 101); a quarter is 25 pixels.
    bv::drawProgressBar(100, 100, 102, 10, 25, 100, fill, rest);
    EXPECT_EQ(pixel(101, 101), lightFill);
    EXPECT_EQ(pixel(125, 108), lightFill);
    EXPECT_EQ(pixel(126, 101), darkRest);
    EXPECT_EQ(pixel(200, 108), darkRest);
    const uint32_t frame = pixel(100, 100);
    EXPECT_NE(frame, 0u);
    EXPECT_EQ(pixel(201, 105), frame);
    EXPECT_EQ(pixel(150, 109), frame);
    EXPECT_EQ(pixel(202, 105), 0u);

    bv::drawProgressBar(100, 200, 102, 10, 100, 100, fill, rest);
    EXPECT_EQ(pixel(101, 201), bv::lerpColour(fill, 0xFFFFFF, 0.5f)) << "full: lightened halfway";
    EXPECT_EQ(pixel(200, 208), bv::lerpColour(fill, 0xFFFFFF, 0.5f));
    bv::drawProgressBar(100, 300, 102, 10, 0, 0, fill, rest);
    EXPECT_EQ(pixel(150, 305), bv::lerpColour(fill, 0xFFFFFF, 0.5f)) << "maximum 0 counts as full";
    bv::drawProgressBar(100, 400, 102, 10, -20, 100, fill, rest);
    EXPECT_EQ(pixel(101, 405), darkRest) << "a negative value fills nothing";
}

TEST_F(Widgets, ArrowButtonGlowsWithThePulseWhileHovered) {
    // Arrows are 20 x 20 around their centre, colour 0x808000.
    bv::arrowButton(200, 200, true, record, 5);
    ASSERT_EQ(bv::hotSpotCount(), 1);
    EXPECT_EQ(bv::hotSpotAt(190, 190), 1);
    EXPECT_EQ(bv::hotSpotAt(210, 200), 0);
    EXPECT_EQ(pixel(200, 200), opaque(0x808000u));

    bv::totalTicks = 32; // pulse 32 / 127
    moveMouse(200, 200);
    bv::clearHotSpots();
    bv::arrowButton(200, 200, false, record, 6);
    const uint32_t lit = uint32_t(128.0f * (1.0f + 32.0f / 127.0f));
    EXPECT_EQ(pixel(200, 200), lit << 16 | lit << 8);
    pressAt(200, 200);
    bv::dispatchHotSpots();
    EXPECT_EQ(g_clicks, std::vector<int32_t>{6});
}

TEST_F(Widgets, DisabledPictureButtonIsDimAndNotClickable) {
    const bv::Sprite* arrow = bv::spriteAt(bv::iconSprites, kIconArrowLeft);
    moveMouse(300, 300);
    bv::spriteButton(300, 300, arrow, 1, record, false, true);
    EXPECT_EQ(bv::hotSpotCount(), 0);
    EXPECT_EQ(pixel(300, 300), 0x404000u) << "brightness 0.5";
    bv::spriteButtonGlow(400, 300, arrow, 1, nullptr, 1.1f);
    EXPECT_EQ(pixel(400, 300), 0x666600u) << "no callback: brightness 0.8";
    EXPECT_EQ(bv::hotSpotCount(), 0);
}

TEST_F(Widgets, PulseIsATriangleOver128Ticks) {
    EXPECT_FLOAT_EQ(bv::pulseAt(0), 0.0f);
    EXPECT_FLOAT_EQ(bv::pulseAt(63), 63.0f / 127.0f);
    EXPECT_FLOAT_EQ(bv::pulseAt(64), 64.0f / 127.0f);
    EXPECT_FLOAT_EQ(bv::pulseAt(127), 1.0f / 127.0f);
    EXPECT_FLOAT_EQ(bv::pulseAt(128), 0.0f);
    EXPECT_FLOAT_EQ(bv::pulseAt(128 + 10), 10.0f / 127.0f);
}

// The avatar picture with small portrait sets of its own.
int32_t g_portfolioArgument = -1;
int32_t enterPortfolio(int32_t, int32_t, int32_t argument) {
    g_portfolioArgument = argument;
    return argument;
}
const bv::StateDef kTable[] = {
    {2, 50, nullptr, nullptr, nullptr, "board", nullptr, {}},
    {9, 50, enterPortfolio, nullptr, nullptr, "view portfolio", nullptr, {}},
};

TEST_F(Widgets, ClickableAvatarOpensThatOwnersPortfolio) {
    std::vector<uint32_t> backing(50 * 50, 0xFF304050u), bank(50 * 50, 0xFF00FF00u);
    bv::SpriteSet savedCharacters = bv::characterSprites, savedSmall = bv::smallCharacterSprites;
    bv::allocSpriteSet(bv::characterSprites, kCharacterCount);
    bv::allocSpriteSet(bv::smallCharacterSprites, kSmallCharacterCount);
    auto place = [](bv::Sprite& s, std::vector<uint32_t>& px) {
        s.width = s.height = 50;
        s.xOffset = s.yOffset = -25;
        s.pixels = px.data();
    };
    place(bv::smallCharacterSprites.sprites[kCharacterCount], backing);
    // The bank has backing and portrait smaller than the picture so that both show.
    place(bv::smallCharacterSprites.sprites[kCharacterBank], bank);
    bv::smallCharacterSprites.sprites[kCharacterBank].width = 10;

    bv::useStateTable(kTable, 2);
    bv::changeState(bv::kStateGame);
    moveMouse(260, 260);
    bv::avatarPicture(300, 300, bv::kOwnerBank, bv::kAvatarSmall, true);
    EXPECT_EQ(bv::hotSpotCount(), 0) << "registered only while the mouse is over the backing";
    EXPECT_EQ(pixel(320, 320), opaque(0x304050u));
    EXPECT_EQ(pixel(278, 273), opaque(0x00FF00u)) << "the portrait 2 pixels higher";

    moveMouse(276, 276);
    bv::avatarPicture(300, 300, bv::kOwnerBank, bv::kAvatarSmall, true);
    ASSERT_EQ(bv::hotSpotCount(), 1);
    EXPECT_EQ(bv::hotSpotAt(275, 275), 1);
    EXPECT_EQ(bv::hotSpotAt(325, 300), 0);
    pressAt(276, 276);
    bv::dispatchHotSpots();
    EXPECT_EQ(bv::currentStateId(), bv::kStatePortfolio);
    EXPECT_EQ(g_portfolioArgument, bv::kOwnerBank << 8);
    EXPECT_EQ(bv::lastSoundRequested(), bv::kSoundClickWhoosh);

    bv::useStateTable(nullptr, 0);
    bv::resetStateMachine();
    bv::memFree(bv::characterSprites.sprites);
    bv::memFree(bv::smallCharacterSprites.sprites);
    bv::characterSprites = savedCharacters;
    bv::smallCharacterSprites = savedSmall;
}

} // namespace
