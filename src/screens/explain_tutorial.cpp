// The tutorial's first page (state 63): over the title background, a panel that says what the
// tour will show; its "ok" goes on to the game set-up, where the tour continues.
#include "assets/strings.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/screens.h"
#include "ui/button.h"
#include "ui/widgets.h"

namespace bv {

namespace {
constexpr int32_t kPanelX = 112;
constexpr int32_t kPanelY = 80;
constexpr int32_t kPanelW = 533;
constexpr int32_t kPanelH = 304;
} // namespace

int32_t explainTutorialUpdate(int32_t) {
    drawTitleBackground();
    drawPanelFrame(kPanelX, kPanelY, kPanelW, kPanelH);
    const int32_t centreX = kPanelX + kPanelW / 2;
    pushFont(&fontArial20Brown);
    setTextArea(kPanelX + 30, kPanelY, kPanelX + kPanelW - 30, kPanelY + kPanelH);
    if (const char16_t* title = text("tut_title_explainTutorial"))
        drawText(centreX, kPanelY + 30, true, 0, title);
    setFont(&fontArial15Brown);
    if (const char16_t* body = text("tut_body_explainTutorial"))
        drawText(kPanelX + 30, kPanelY + 75, false, 0, body);
    popFont();
    setTextArea(0, 0, 800, 600);
    button(centreX, kPanelY + kPanelH - 40, 100, 30, text("ok"), kStateSetup, goStateClick);
    return 0;
}

} // namespace bv
