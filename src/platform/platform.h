// The platform seam: everything the game needs from the operating system. Two backends implement
// it: SDL2 for the real game and a headless one for tests, benchmarks and scripted runs.
// Nothing outside src/platform/ includes SDL or an operating-system header.
#pragma once

#include <cstdint>
#include <string>

namespace bv::platform {

constexpr int kScreenW = 800;
constexpr int kScreenH = 600;

// One input event as the window reports it. Keys are Windows virtual-key codes, so the game's
// own slot table decides which keys matter; mouse positions are in 800 x 600 game coordinates.
struct Event {
    enum Type : uint8_t {
        None,
        KeyDown,
        KeyUp,
        Char,
        MouseMove,
        LeftDown,
        LeftUp,
        RightDown,
        RightUp,
        Close,
        FocusGained,
        FocusLost,
        Moved,
    };
    Type type = None;
    int32_t key = 0;     // virtual-key code (KeyDown, KeyUp)
    bool repeat = false; // keyboard auto-repeat
    bool alt = false;    // Alt was held (KeyDown)
    int32_t x = 0, y = 0;
    char16_t ch = 0; // typed character (Char)
};

enum class Cursor : int32_t { Arrow = 0, Help = 1, Wait = 2, Hand = 3 };

// Selects the backend. Must be called once before anything else in this namespace.
void useSdl();
void useHeadless();
bool isHeadless();

// Window and presentation. The window is 800 x 600 logical pixels, resizable, scaled with the
// right aspect; full screen is the desktop's full screen (the video mode never changes).
bool createWindow(const char* title, bool windowed);
void destroyWindow();
bool windowExists();
// Switches the existing window between windowed and the desktop's full screen.
bool setWindowFullScreen(bool fullScreen);
// Shows an 800 x 600 frame of 0x00RRGGBB pixels (the top byte is ignored).
void presentFrame(const uint32_t* pixels);
bool pollEvent(Event& event);
void setCursor(Cursor kind);
void showMessageBox(const char* title, const char* text);
// Hands a web address to the desktop's browser. False when nothing could take it.
bool openUrl(const char* url);

// Clock: milliseconds since an arbitrary start, and a sleep.
uint32_t ticks();
void sleepMs(uint32_t ms);

// Folders. The program folder holds the game data (bb_Blob32, maps/ ...), with a trailing '/'.
// The data folder is the per-user save folder, created if missing, with a trailing '/'.
std::string programFolder();
void setProgramFolder(const std::string& folder);
std::string userDataFolder();
// Where screenshots go: $XDG_PICTURES_DIR, else the pictures folder of ~/.config/user-dirs.dirs when
// it exists, else the user data folder. With a trailing '/'.
std::string picturesFolder();
// A new file name in picturesFolder() for a screenshot: "brickvale2-<date>-<time>.png".
std::string newScreenshotPath();
// When the game's data was looked for and not found: the folders looked in, one per line ("" else).
const char* dataSearchNote();
// SIGTERM, SIGHUP and SIGINT (logout, shutdown, kill, Ctrl+C) set a flag instead of ending the
// process, so that the frame loop can save and leave. SDL is told to leave those signals alone.
void installTerminationHandlers();
bool terminationRequested();
// Tests: as if one of those signals had arrived (true), or forgotten (false).
void setTerminationRequestedForTests(bool requested);
void setUserDataFolder(const std::string& folder);

// Headless backend only: the test drives the clock and the input and reads back the frames.
namespace headless {
void setClock(uint32_t ms);
void advanceClock(uint32_t ms);
void pushEvent(const Event& event);
// The last presented frame (800 x 600), or nullptr before the first present.
const uint32_t* lastFrame();
uint64_t presentCount();
Cursor cursor();
int messageBoxCount();
const std::string& lastMessage();
// Web addresses are only recorded: how many were opened and the last one.
int openedUrlCount();
const std::string& lastOpenedUrl();
} // namespace headless

} // namespace bv::platform
