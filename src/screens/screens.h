// The screens before and around a game: the start-up logo sequence, the title menu (state 0),
// name entry (23), game set-up (4) and the exit-game dialog (59); and the panels over a running
// game: the options (16) and the portfolio (9).
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kAvatarChoices = 26; // avatar indexes 0..25
constexpr int32_t kNameMaxChars = 9;

// Start-up: the maker's logo over black, with the music tracks created one per pass once it
// stands; returns when audio has finished loading.
void runLogoSequence();
// Where the logo sequence stands t milliseconds after it began: the layers drawn (0..4), the
// emblem's y and opacity. For checks.
struct LogoFrame {
    int32_t layers;
    int32_t emblemY;
    int32_t opacity;
};
LogoFrame logoFrameAt(uint32_t t);

// The title background (states 0, 23, 63): picture, growing logo, the badge with its shine.
void drawTitleBackground();
void resetTitleAnimation();
float titleLogoProgress();
// The welcome sprite is rebuilt with the next frame of the title menu.
void releaseWelcomeSprite();

int32_t titleMenuEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t titleMenuUpdate(int32_t argument);
int32_t nameEntryEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t nameEntryUpdate(int32_t argument);
int32_t gameSetupEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t gameSetupUpdate(int32_t argument);
int32_t exitGameEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t exitGameUpdate(int32_t argument);
// The tutorial's first page (state 63): the title background under the tutorial's panel.
int32_t explainTutorialUpdate(int32_t argument);

// Name entry's keys: backspace (8) and delete (127) remove the last character, Enter (13)
// finishes, others are appended when there is room and the character is allowed.
void nameEntryKey(char16_t c);
int32_t nameEntryLength();
// Finishing: the name is zero-filled after the typed characters and saved as the last player,
// that player's options are loaded and the title menu follows.
void finishNameEntry();

// Set-up choices: the avatar wraps at both ends, the difficulty stops at 0 and 2.
void stepAvatar(int32_t delta);
void stepDifficulty(int32_t delta);
int32_t setupDifficulty();

// --- The in-game options (state 16) ---------------------------------------------------------------
// Effects run 0..10 and step by one. Music runs 0..100: its arrows step by ten and its ten-box
// meter shows the volume in tenths, so every click moves the meter by one box.
constexpr int32_t kMaxEffectVolume = 10;
constexpr int32_t kMaxMusicVolume = 100;
constexpr int32_t kMusicStep = 10;
// The volume meter: a grey-framed black box 213 x 44 centred on x with its top at y, and ten
// "audio_boxes" pictures centred in it: lit (0..9) below value, dim (10..19) from value up to
// maximum, empty slots (20..29) beyond maximum.
void drawVolumeMeter(int32_t x, int32_t y, int32_t value, int32_t maximum);
// How far the panel has grown (0..1); its content is drawn and clickable only at 1.
float optionsPanelProgress();
int32_t optionsEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t optionsUpdate(int32_t argument);

// --- The portfolio (state 9) ----------------------------------------------------------------------
// The shown owner (wrapped into 0..4) and house index (wrapped into the owner's houses) as of the
// last frame, and that house (-1 when the owner has none).
int32_t portfolioOwner();
int32_t portfolioHouseIndex();
int32_t portfolioHouse();
int32_t portfolioEnter(int32_t previousId, int32_t newId, int32_t argument);
int32_t portfolioUpdate(int32_t argument);

} // namespace bv
