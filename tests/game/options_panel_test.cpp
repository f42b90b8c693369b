// The in-game options (state 16) on the real game headless: the volume arrows and their ends.
#include <gtest/gtest.h>

#include <cstdlib>

#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/audio.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "screens/screens.h"

namespace {

using namespace boardtest;
using namespace bv;

constexpr int32_t kEffectsRowY = 220, kMusicRowY = 320; // the arrows' centres
constexpr int32_t kLeftX = 250, kRightX = 550;

// Each channel of a within `tolerance` of b's.
bool near(uint32_t a, uint32_t b, int32_t tolerance) {
    for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs(int32_t((a >> shift) & 0xFF) - int32_t((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

uint32_t halved(uint32_t c) {
    return ((c >> 17) & 0x7F) << 16 | ((c >> 9) & 0x7F) << 8 | ((c >> 1) & 0x7F);
}

// A fully opaque pixel of the sprite: its offset from the sprite's anchor and its colour.
bool opaquePixel(const Sprite* s, int32_t& dx, int32_t& dy, uint32_t& colour) {
    // The middle row first: the arrows' symbols are there, with strong colours.
    for (int32_t row = s->height / 2; row < s->height; ++row)
        for (int32_t col = 0; col < s->width; ++col) {
            const uint32_t p = s->pixels[row * s->width + col];
            const uint32_t c = p & 0xFFFFFF;
            if ((p >> 24) == 255 && ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) > 150) {
                dx = s->xOffset + col, dy = s->yOffset + row, colour = c;
                return true;
            }
        }
    return false;
}

class OptionsPanel : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
        setEffectVolume(kDefaultEffectVolume);
        setMusicVolume(kDefaultMusicVolume);
    }
    // The gear on the board's panel, then frames until the panel has grown open.
    void open() {
        click(110, 475);
        ASSERT_EQ(currentStateId(), kStateOptions);
        frames(20);
        ASSERT_EQ(optionsPanelProgress(), 1.0f);
        moveMouse(790, 590); // off every button, so nothing is drawn hovered
    }
    // Whether the arrow at (x, y) is drawn at half brightness in the presented frame.
    static bool arrowDimmed(int32_t x, int32_t y, bool right) {
        const Sprite* s = spriteAt(iconSprites, right ? pic::kIconArrowRight : pic::kIconArrowLeft);
        int32_t dx = 0, dy = 0;
        uint32_t colour = 0;
        EXPECT_TRUE(s && opaquePixel(s, dx, dy, colour));
        const uint32_t shown = shownPixel(x + dx, y + dy);
        EXPECT_TRUE(near(shown, colour, 2) || near(shown, halved(colour), 2)) << std::hex << shown;
        return near(shown, halved(colour), 2);
    }
};

// Effects step by one within 0..10, music by ten within 0..100 (a volume between the steps, from an
// old save, still stops exactly at the ends); an arrow at its end is dimmed and takes no click.
TEST_F(OptionsPanel, VolumeArrowsStepWithinTheirRangeAndDimAtTheEnds) {
    open();
    const struct {
        bool music;
        int32_t before;
        bool right;
        int32_t after;
        bool dimmed, otherDimmed;
    } cases[] = {
        {false, 9, true, 10, true, false},   {false, 10, true, 10, true, false},
        {false, 1, false, 0, true, false},   {false, 0, false, 0, true, false},
        {false, 0, true, 1, false, false},   {true, 30, true, 40, false, false},
        {true, 30, false, 20, false, false}, {true, 95, true, 100, true, false},
        {true, 100, true, 100, true, false}, {true, 5, false, 0, true, false},
        {true, 0, false, 0, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.music ? "music " : "effects ") << c.before << (c.right ? " up" : " down"));
        c.music ? setMusicVolume(c.before) : setEffectVolume(c.before);
        frame();
        const int32_t y = c.music ? kMusicRowY : kEffectsRowY;
        const int32_t sounds = soundRequestCount();
        click(c.right ? kRightX : kLeftX, y);
        EXPECT_EQ(c.music ? musicVolume() : effectVolume(), c.after);
        if (c.after == c.before) {
            EXPECT_EQ(soundRequestCount(), sounds);
        } else {
            EXPECT_EQ(lastSoundRequested(), kSoundMagicWand);
        }
        moveMouse(790, 590);
        EXPECT_EQ(arrowDimmed(c.right ? kRightX : kLeftX, y, c.right), c.dimmed);
        EXPECT_EQ(arrowDimmed(c.right ? kLeftX : kRightX, y, !c.right), c.otherDimmed);
    }
}

} // namespace
