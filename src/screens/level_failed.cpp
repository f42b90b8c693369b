// The failed level (state 53): the term has run out before the goals were won. The game is over:
// "ok" records the score and shows the high scores.
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state_ids.h"
#include "levels/high_scores.h"
#include "screens/level_screens.h"
#include "screens/screens.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

void gameOverClicked(int32_t, int32_t, int32_t) {
    playSound(kSoundMagicWand, 5);
    finishGame();
}

int32_t failedLevelEnter(int32_t, int32_t, int32_t) {
    resetDialog(0.1f);
    return 0;
}

int32_t failedLevelUpdate(int32_t) {
    textDialog(400, 300, 150, 150, 500, 300, text("levelFailedTitle"), text("levelFailedBody"), text("ok"), 0,
               gameOverClicked);
    return 0;
}

} // namespace bv
