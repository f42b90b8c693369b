#include "levels/save_hooks.h"

#include "levels/save.h"

namespace bv {

void saveGame() {
    writeSavedGame();
}

} // namespace bv
