// The failed level (state 53): the term has run out before the goals were won. Back to the title.
#include "assets/strings.h"
#include "core/state_ids.h"
#include "screens/level_screens.h"
#include "screens/screens.h"
#include "ui/button.h"
#include "ui/dialog.h"

namespace bv {

int32_t failedLevelEnter(int32_t, int32_t, int32_t) {
    resetDialog(0.1f);
    return 0;
}

int32_t failedLevelUpdate(int32_t) {
    textDialog(400, 300, 150, 150, 500, 300, text("levelFailedTitle"), text("levelFailedBody"), text("ok"),
               kStateAttract, goStateClick);
    return 0;
}

} // namespace bv
