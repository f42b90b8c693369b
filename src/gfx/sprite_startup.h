// Loading the game's picture sets and fonts at start-up.
#pragma once

namespace bv {

// Start-up step 9: logos, icons, bkgnd, audio_boxes, part, characters, sml_characters, the eleven
// fonts (loadFonts), then the derived sets: portraits, the small-character extra entry
// and the number font. Every set is required: a missing or empty one is fatal, naming its file.
// Call after readPixelFormat (the channel conversion uses the display's shifts).
void loadStartupSprites();
// Start-up step 16: "houses.exs" and "objects.exs" (both required) and their 5/12 copies.
void loadMapPictureSets();

} // namespace bv
