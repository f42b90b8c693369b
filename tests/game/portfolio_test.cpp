// The portfolio (state 9) on the real game headless: owner and house indexes wrapped from the
// state argument and the arrows, the shown owner's figures read back from the frame, the arrows
// only for more than one house, and the ways in and out.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdlib>
#include <string>

#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/board_fixture.h"
#include "gfx/font.h"
#include "gfx/format.h"
#include "gfx/text.h"
#include "screens/screens.h"
#include "sim/cash.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/portfolio.h"
#include "ui/hotspots.h"
#include "ui/money.h"

namespace {

using namespace boardtest;
using namespace bv;

constexpr int32_t kPortfolio = 9;
constexpr int32_t kLeftArrowX = 505, kRightArrowX = 545, kArrowY = 358;

// Whether the line drawn with `font` at (x, y), left-aligned, shows in the presented frame: every
// fully opaque pixel of the line rendered on its own has its colour there (within the rounding of
// the blending rule).
bool lineShown(const Font* font, int32_t x, int32_t y, const char16_t* line) {
    pushFont(font);
    Sprite* s = renderPlainTextSprite(0, line);
    const int32_t width = textWidth(line);
    popFont();
    if (!s) return false;
    // The sprite is anchored for a line centred on its x.
    const int32_t anchorX = x + width / 2;
    int32_t checked = 0, matched = 0;
    for (int32_t row = 0; row < s->height; ++row)
        for (int32_t col = 0; col < s->width; ++col) {
            const uint32_t p = s->pixels[row * s->width + col];
            if ((p >> 24) != 255) continue;
            const uint32_t shown = shownPixel(anchorX + s->xOffset + col, y + s->yOffset + row);
            bool same = true;
            for (int shift = 0; shift <= 16; shift += 8)
                if (std::abs(int32_t((shown >> shift) & 0xFF) - int32_t((p >> shift) & 0xFF)) > 2)
                    same = false;
            ++checked;
            if (same) ++matched;
        }
    freeTextSprite(s);
    return checked > 20 && matched == checked;
}

// The text of a key with its arguments, as the screen formats it.
std::u16string keyLine(const char* key, ...) {
    char16_t out[1000];
    va_list args;
    va_start(args, key);
    formatWideV(out, 1000, text(key), args);
    va_end(args);
    return out;
}

class Portfolio : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        startOnBoard("career");
    }
    // Opens the portfolio as the board's callers do and lets its frame grow open.
    void open(int32_t argument) {
        changeState(kPortfolio, argument);
        frames(11);
        ASSERT_EQ(currentStateId(), kPortfolio);
    }
    static bool clickable(int32_t x, int32_t y) { return hotSpotAt(x, y) != 0; }
};

// The argument is owner << 8 | house index; both wrap round.
TEST_F(Portfolio, OwnerAndHouseIndexWrapAndTheArrowsStepThroughTheHouses) {
    givePlayerHouse(2, 10000, false);
    givePlayerHouse(5, 10000, false);
    givePlayerHouse(8, 10000, false);
    const int32_t cases[][3] = {// argument, owner, house
                                {-1 * 256, 4, -1},     {5 << 8, 0, 2},       {4 << 8, 4, -1},
                                {(3 << 8) | 7, 3, -1}, {(0 << 8) | 3, 0, 2}, {(0 << 8) | 2, 0, 8}};
    for (const auto& c : cases) {
        open(c[0]);
        EXPECT_EQ(portfolioOwner(), c[1]) << c[0];
        if (c[2] >= 0) {
            EXPECT_EQ(portfolioHouse(), c[2]) << c[0];
        }
    }
    open(kOwnerPlayer << 8);
    ASSERT_TRUE(clickable(kLeftArrowX, kArrowY));
    ASSERT_TRUE(clickable(kRightArrowX, kArrowY));
    click(kLeftArrowX, kArrowY); // below the first: the last
    EXPECT_EQ(portfolioHouseIndex(), 2);
    EXPECT_EQ(portfolioHouse(), 8);
    EXPECT_EQ(lastSoundRequested(), 20); // "generic_ui_10b.wav"
    click(kRightArrowX, kArrowY);        // past the last: the first
    EXPECT_EQ(portfolioHouse(), 2);
    click(kRightArrowX, kArrowY);
    EXPECT_EQ(portfolioHouse(), 5);
    // The card shows that house: its picture above the stars, its address below them.
    EXPECT_GT(darkPixels(470, 295, 110, 35), 40);
}

TEST_F(Portfolio, ShowsTheShownOwnersCashNetWorthAndCount) {
    setCash(2, 12345);
    setCash(3, 9876543);
    houseStates[4].owner = 2;
    houseStates[6].owner = 2;
    open(2 << 8);
    const Font* font = &fontArial15Brown;
    char cash[kMoneyTextBytes], worth[kMoneyTextBytes];
    moneyStr(cash, kMoneyTextBytes, 12345);
    moneyStr(worth, kMoneyTextBytes, netWorth(2));
    ASSERT_GT(netWorth(2), 12345);
    EXPECT_TRUE(lineShown(font, 200, 290, keyLine("cash", cash).c_str()));
    EXPECT_TRUE(lineShown(font, 200, 310, keyLine("netWorth", worth).c_str()));
    EXPECT_TRUE(lineShown(font, 200, 330, keyLine("propertiesOwned", 2).c_str()));
    // The name centred under the portrait.
    const std::u16string name = ownerName(2);
    ASSERT_FALSE(name.empty());
    pushFont(font);
    const int32_t nameLeft = 250 - textWidth(name.c_str()) / 2;
    popFont();
    EXPECT_TRUE(lineShown(font, nameLeft, 200, name.c_str()));
    // Another owner's figures are not what is shown.
    char other[kMoneyTextBytes];
    moneyStr(other, kMoneyTextBytes, 9876543);
    EXPECT_FALSE(lineShown(font, 200, 290, keyLine("cash", other).c_str()));
    EXPECT_FALSE(lineShown(font, 200, 330, keyLine("propertiesOwned", 3).c_str()));
}

} // namespace
