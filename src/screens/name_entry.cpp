// Name entry (state 23): nine character slots over the title background, a blinking cursor,
// backspace and delete, Enter or "ok" to finish. A character is taken only when the gold name
// font can show it and it is safe inside a save file's name.
#include <cstring>

#include "assets/strings.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels/save.h"
#include "screens/screens.h"
#include "sim/owners.h"
#include "ui/button.h"
#include "ui/widgets.h"

namespace bv {

namespace {

int32_t g_length = 0;

bool fontShows(char16_t c) {
    const Glyph* g = findGlyph(fontArial15BldGold, int32_t(c));
    return g && g->width > 0;
}

void okClicked(int32_t, int32_t, int32_t) {
    finishNameEntry();
}

} // namespace

int32_t nameEntryLength() {
    return g_length;
}

void nameEntryKey(char16_t c) {
    if (c == 0) return;
    if (c == 8 || c == 127) {
        if (g_length > 0) playerName[--g_length] = 0;
        return;
    }
    if (c == 13) {
        finishNameEntry();
        return;
    }
    if (g_length >= kNameMaxChars || !nameCharAllowed(c, g_length) || !fontShows(c)) return;
    playerName[g_length++] = char(c);
}

void finishNameEntry() {
    std::memset(playerName + g_length, 0, size_t(kPlayerNameBytes - g_length));
    releaseWelcomeSprite();
    changeState(kStateAttract);
    writeLastPlayer();
    loadPlayer(0);
}

int32_t nameEntryEnter(int32_t, int32_t, int32_t) {
    // The name typed before stays, ready to be corrected with backspace.
    playerName[kPlayerNameBytes - 1] = 0;
    g_length = int32_t(std::strlen(playerName));
    if (g_length > kNameMaxChars) g_length = kNameMaxChars;
    return 0;
}

int32_t nameEntryUpdate(int32_t) {
    drawTitleBackground();
    drawPanelFrame(200, 150, 400, 300);
    // The intro wraps inside the panel's inner edge so no word runs over the frame.
    setTextArea(230, 170, 575, 600);
    pushFont(&fontArial20Brown);
    const int32_t line = lineHeight();
    printKey(230, 150 + 3 * line, false, 0, "nameIntro");
    const int32_t introEnd = penY();
    printKey(230, introEnd + 2 * line, false, 0, "enterName");
    const int32_t rowY = penY() + 2 * line;
    setTextArea(0, 0, kFrameWidth, kFrameHeight);

    const int32_t slot = line + 5;
    for (int32_t i = 0; i < kNameMaxChars; ++i) {
        const int32_t x = 234 + slot * i;
        if (i < g_length) {
            const char16_t ch[2] = {char16_t(static_cast<unsigned char>(playerName[i])), 0};
            drawText(x, rowY, true, 0, ch);
        } else if (i != g_length || (frameCount & 8)) {
            drawText(x, rowY, true, 0, u"_");
        }
    }
    popFont();

    nameEntryKey(typedChar());
    if (currentStateId() != kStateEnterName) return 0;
    button(400, rowY + 60, 100, 30, text("ok"), 0, okClicked);
    return 0;
}

} // namespace bv
