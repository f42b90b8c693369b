// Saving the game from places that exist before the saved game does (the quit dialog's "yesSave"
// and "saveAndResume", the exit-game dialog, the end of a level).
#pragma once

namespace bv {

// Writes the last-player file and the game in progress to the player's save file
// (levels/save.h).
void saveGame();

} // namespace bv
