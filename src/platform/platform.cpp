#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/backend.h"
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
        std::fprintf(stderr, "Brickvale 2: game data from %s\n", g_programFolder.c_str());
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
