#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <signal.h>

#include "platform/backend.h"
#include "platform/folders.h"
#include "platform/sound_backend.h"

namespace bv::platform {

namespace {
std::unique_ptr<Backend> g_backend;
bool g_headless = false;
std::string g_programFolder;
std::string g_userDataFolder;

Backend& backend() {
    if (!g_backend) {
        // Nobody chose: tests and tools that never open a window get the headless backend.
        g_backend.reset(makeHeadlessBackend());
        g_headless = true;
    }
    return *g_backend;
}

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}
} // namespace

void useSdl() {
    g_backend.reset(makeSdlBackend());
    g_headless = false;
    selectSound(makeSdlSound(), false);
}

void useHeadless() {
    g_backend.reset(makeHeadlessBackend());
    g_headless = true;
    selectSound(makeHeadlessSound(), true);
}

bool isHeadless() {
    backend();
    return g_headless;
}

bool createWindow(const char* title, bool windowed) {
    return backend().createWindow(title, windowed);
}
void destroyWindow() {
    backend().destroyWindow();
}
bool windowExists() {
    return backend().windowExists();
}
bool setWindowFullScreen(bool fullScreen) {
    return backend().setWindowFullScreen(fullScreen);
}
void presentFrame(const uint32_t* pixels) {
    backend().presentFrame(pixels);
}
bool pollEvent(Event& event) {
    return backend().pollEvent(event);
}
void setCursor(Cursor kind) {
    backend().setCursor(kind);
}
void showMessageBox(const char* title, const char* text) {
    backend().showMessageBox(title, text);
}
bool openUrl(const char* url) {
    if (!url || !*url) return false;
    return backend().openUrl(url);
}
uint32_t ticks() {
    return backend().ticks();
}
void sleepMs(uint32_t ms) {
    backend().sleepMs(ms);
}

std::string programFolder() {
    if (g_programFolder.empty()) {
        g_programFolder = withSlash(backend().defaultProgramFolder());
    }
    return g_programFolder;
}

void setProgramFolder(const std::string& folder) {
    // Kept absolute: loading a map changes the working folder.
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(folder, ec);
    g_programFolder = withSlash(ec ? folder : path.lexically_normal().string());
}

std::string userDataFolder() {
    if (g_userDataFolder.empty()) g_userDataFolder = withSlash(backend().defaultUserDataFolder());
    std::error_code ec;
    std::filesystem::create_directories(g_userDataFolder, ec);
    return g_userDataFolder;
}

void setUserDataFolder(const std::string& folder) {
    g_userDataFolder = withSlash(folder);
}

} // namespace bv::platform

namespace bv::platform {

namespace {
volatile std::sig_atomic_t g_terminate = 0;

extern "C" void onTerminationSignal(int) {
    g_terminate = 1;
}

// XDG_PICTURES_DIR="$HOME/Pictures" from ~/.config/user-dirs.dirs, with $HOME expanded.
std::string userDirsPictures() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return "";
    std::ifstream in(std::string(home) + "/.config/user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_PICTURES_DIR=\"";
        if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) value = std::string(home) + value.substr(5);
        return value;
    }
    return "";
}
} // namespace

std::string picturesFolder() {
    std::error_code ec;
    for (std::string folder :
         {std::string(std::getenv("XDG_PICTURES_DIR") ? std::getenv("XDG_PICTURES_DIR") : ""),
          userDirsPictures()}) {
        if (!folder.empty() && folder[0] == '/' && std::filesystem::is_directory(folder, ec))
            return withSlash(folder);
    }
    return userDataFolder();
}

void installTerminationHandlers() {
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

bool terminationRequested() {
    return g_terminate != 0;
}

void setTerminationRequestedForTests(bool requested) {
    g_terminate = requested ? 1 : 0;
}

} // namespace bv::platform

namespace bv::platform {

std::string newScreenshotPath() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string folder = picturesFolder();
    std::error_code ec;
    std::string path = folder + std::string("brickvale2-") + stamp + ".png";
    // Two in one second get a number each, never one over the other.
    for (int n = 2; std::filesystem::exists(path, ec) && n < 1000; ++n)
        path = folder + std::string("brickvale2-") + stamp + std::string("-") + std::to_string(n) + ".png";
    return path;
}

} // namespace bv::platform
