// The tutorial's first page (state 63): only the title background. The tutorial overlay draws the
// page's panel over it, and its "ok" goes on to the game set-up, where the tour continues.
#include "screens/screens.h"

namespace bv {

int32_t explainTutorialUpdate(int32_t) {
    drawTitleBackground();
    return 0;
}

} // namespace bv
