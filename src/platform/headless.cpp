// The headless backend: no window, a clock the test drives, injected input, and the last
// presented frame kept for inspection.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/backend.h"
#include "platform/folders.h"

namespace bv::platform {

namespace {

constexpr uint32_t kStartClock = 100000; // fixed, so scripted runs repeat exactly

// The save folder a headless run makes for itself goes again when the run ends, so test runs
// leave nothing behind in /tmp. Only the process that made it removes it: a forked death test
// that exits must not take its parent's folder away.
struct TemporarySaves {
    std::vector<std::string> paths;
    pid_t maker = getpid();
    ~TemporarySaves() {
        if (getpid() != maker) return;
        std::error_code ec;
        for (const std::string& path : paths) std::filesystem::remove_all(path, ec);
    }
};
TemporarySaves g_temporarySaves;

struct HeadlessState {
    uint32_t clock = kStartClock;
    std::deque<Event> events;
    std::vector<uint32_t> frame;
    uint64_t presents = 0;
    Cursor cursor = Cursor::Arrow;
    bool window = false;
    bool fullScreen = false;
    int messageBoxes = 0;
    std::string lastMessage;
    int urls = 0;
    std::string lastUrl;
};
HeadlessState g_state;

class HeadlessBackend final : public Backend {
  public:
    HeadlessBackend() { g_state = HeadlessState{}; }
    bool createWindow(const char*, bool windowed) override {
        g_state.window = true;
        g_state.fullScreen = !windowed;
        return true;
    }
    void destroyWindow() override { g_state.window = false; }
    bool windowExists() const override { return g_state.window; }
    bool setWindowFullScreen(bool fullScreen) override {
        g_state.fullScreen = fullScreen;
        return true;
    }
    void presentFrame(const uint32_t* pixels) override {
        g_state.frame.assign(pixels, pixels + kScreenW * kScreenH);
        ++g_state.presents;
    }
    bool pollEvent(Event& event) override {
        if (g_state.events.empty()) return false;
        event = g_state.events.front();
        g_state.events.pop_front();
        return true;
    }
    void setCursor(Cursor kind) override { g_state.cursor = kind; }
    void showMessageBox(const char* title, const char* text) override {
        ++g_state.messageBoxes;
        g_state.lastMessage = text ? text : "";
        std::fprintf(stderr, "%s%s%s\n", title && *title ? title : "", title && *title ? ": " : "",
                     g_state.lastMessage.c_str());
    }
    bool openUrl(const char* url) override {
        ++g_state.urls;
        g_state.lastUrl = url;
        return true;
    }
    uint32_t ticks() override { return g_state.clock; }
    void sleepMs(uint32_t ms) override { g_state.clock += ms; }
    std::string defaultProgramFolder() override { return findGameDataFolder("bb_Blob32"); }
    std::string defaultUserDataFolder() override {
        // Headless runs never touch a player's own saves: a fresh folder of their own.
        char pattern[] = "/tmp/brickvale2-saves-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) return std::string("/tmp/");
        g_temporarySaves.paths.emplace_back(made);
        return std::string(made) + "/";
    }
};

} // namespace

Backend* makeHeadlessBackend() {
    return new HeadlessBackend();
}

namespace headless {
void setClock(uint32_t ms) {
    g_state.clock = ms;
}
void advanceClock(uint32_t ms) {
    g_state.clock += ms;
}
void pushEvent(const Event& event) {
    g_state.events.push_back(event);
}
const uint32_t* lastFrame() {
    return g_state.frame.empty() ? nullptr : g_state.frame.data();
}
uint64_t presentCount() {
    return g_state.presents;
}
Cursor cursor() {
    return g_state.cursor;
}
int messageBoxCount() {
    return g_state.messageBoxes;
}
const std::string& lastMessage() {
    return g_state.lastMessage;
}
int openedUrlCount() {
    return g_state.urls;
}
const std::string& lastOpenedUrl() {
    return g_state.lastUrl;
}
} // namespace headless

} // namespace bv::platform
