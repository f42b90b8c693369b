// The screens before and around a game: the start-up logo sequence, the title menu (state 0),
// name entry (23), game set-up (4) and the exit-game dialog (59).
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kStateAttract = 0;
constexpr int32_t kStateSetup = 4;
constexpr int32_t kStateResume = 22;
constexpr int32_t kStateEnterName = 23;
constexpr int32_t kStateExitGame = 59;
constexpr int32_t kStateExplainTutorial = 63;
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
// The tutorial's first page (state 63): what the tour shows, "ok" on to the set-up.
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

} // namespace bv
