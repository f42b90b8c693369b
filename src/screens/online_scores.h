// Online scores on the high-score screen: a compact panel under the table with a status line and
// two buttons, and the "Internet High Score Registration" form. Both are immediate-mode: the
// high-score screen calls onlineScoresPanel() once per frame, last in its update.
//
// The panel keeps to x 200..600, y 322..382 of the 800 x 600 frame, inside the screen's frame:
//   status line      centred on x = 400, top at y = 324
//   "Submit this score"  (200, 352) 190 x 30   enabled when a score was offered for the shown
//                                              table and no request is under way
//   "Register"           (410, 352) 190 x 30   opens the form
// With no score server configured the panel says online scores are off and has no buttons.
// While the form is open it lies over the middle of the frame (kRegisterForm*), the hot spots
// the screen registered before the call are removed and the panel returns true: the form owns
// the mouse and the keyboard for that frame.
#pragma once

#include <cstdint>

namespace bv {

constexpr int32_t kOnlinePanelTop = 322;
constexpr int32_t kOnlineStatusY = 324;
constexpr int32_t kOnlineButtonY = 352, kOnlineButtonW = 190, kOnlineButtonH = 30;
constexpr int32_t kOnlineSubmitX = 200, kOnlineRegisterX = 410;

constexpr int32_t kRegisterFormX = 100, kRegisterFormY = 130, kRegisterFormW = 600, kRegisterFormH = 340;
// The form's fields (x, y of each box; all kRegisterFieldW x kRegisterFieldH) and buttons.
constexpr int32_t kRegisterFieldX = kRegisterFormX + 250, kRegisterFieldW = 300, kRegisterFieldH = 24;
constexpr int32_t kRegisterNameY = kRegisterFormY + 100;
constexpr int32_t kRegisterEmailY = kRegisterFormY + 135;
constexpr int32_t kRegisterPasswordY = kRegisterFormY + 170;
constexpr int32_t kRegisterButtonY = kRegisterFormY + kRegisterFormH - 50, kRegisterButtonW = 120;
constexpr int32_t kRegisterOkX = kRegisterFormX + kRegisterFormW / 2 - 130;
constexpr int32_t kRegisterNoX = kRegisterFormX + kRegisterFormW / 2 + 10;

// Draws the panel for the shown table (0..4); highlightedPlace (1..10, 0 for none) is the place
// the offered score took in that table, named in the status line. Returns true while the
// registration form is open.
bool onlineScoresPanel(int32_t table, int32_t highlightedPlace);
// Offers a finished game's score for sending, in the table of the current game length. Nothing is
// sent until the player clicks "Submit this score".
void offerScoreSubmission(uint32_t score);
// Opens the registration form, filled with the registered (or the player's) game name.
void openRegistrationForm();
bool registrationFormOpen();
void closeRegistrationForm();
// The form's check: "" when the values may be sent, else what is wrong.
const char16_t* registrationProblem(const char* gameName, const char* email, const char* password);
// The status line the panel shows now (for checks).
const char16_t* onlineStatusText();

} // namespace bv
