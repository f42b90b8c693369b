// The SDL2 backend: one resizable window with a renderer and one streaming 800 x 600 texture.
// The renderer's logical size keeps the picture at the right aspect in any window size and maps
// mouse positions back to 800 x 600 game coordinates.
#include <SDL.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/backend.h"
#include "platform/folders.h"

namespace bv::platform {

namespace {

// SDL key -> Windows virtual-key code; the game's slot table works on the latter.
int32_t virtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    switch (key) {
    case SDLK_LEFT:
        return 37;
    case SDLK_UP:
        return 38;
    case SDLK_RIGHT:
        return 39;
    case SDLK_DOWN:
        return 40;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return 16;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return 17;
    case SDLK_LALT:
    case SDLK_RALT:
        return 18;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_TAB:
        return 9;
    case SDLK_ESCAPE:
        return 27;
    case SDLK_SPACE:
        return 32;
    case SDLK_PAGEUP:
        return 33;
    case SDLK_PAGEDOWN:
        return 34;
    case SDLK_END:
        return 35;
    case SDLK_HOME:
        return 36;
    case SDLK_INSERT:
        return 45;
    case SDLK_DELETE:
        return 46;
    default:
        return 0;
    }
}

// Keys that also type a control character, as the Windows character message does.
char16_t controlChar(int32_t vk) {
    switch (vk) {
    case 8:
        return 8;
    case 9:
        return 9;
    case 13:
        return 13;
    case 27:
        return 27;
    default:
        return 0;
    }
}

class SdlBackend final : public Backend {
  public:
    ~SdlBackend() override { destroyWindow(); }

    bool createWindow(const char* title, bool windowed) override {
        if (!initVideo()) return false;
        Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
        if (!windowed) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenW, kScreenH,
                                   flags);
        if (!window_) return fail("SDL_CreateWindow");
        SDL_SetWindowMinimumSize(window_, 400, 300);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        // Without a graphics device OpenGL would be emulated on the processor (Mesa's llvmpipe, as
        // under Xvfb): no faster at copying one frame than SDL's own software renderer, and tens of
        // megabytes heavier. SDL_RENDER_DRIVER still chooses when it is set.
        if (!SDL_GetHint(SDL_HINT_RENDER_DRIVER) && !hasGraphicsDevice()) {
            // The window's own surface too, which SDL would otherwise back with OpenGL.
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
            renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        }
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) return fail("SDL_CreateRenderer");
        SDL_RenderSetLogicalSize(renderer_, kScreenW, kScreenH);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     kScreenW, kScreenH);
        if (!texture_) return fail("SDL_CreateTexture");
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
        SDL_StartTextInput();
        return true;
    }

    void destroyWindow() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        texture_ = nullptr;
        renderer_ = nullptr;
        window_ = nullptr;
        shown_.clear();
    }

    bool windowExists() const override { return window_ != nullptr; }

    bool setWindowFullScreen(bool fullScreen) override {
        if (!window_) return false;
        windowChanged_ = true;
        return SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0;
    }

    void presentFrame(const uint32_t* pixels) override {
        if (!renderer_) return;
        // A frame like the one on the screen is not sent again (a still screen then costs next to
        // nothing), unless the window was shown, uncovered or resized since.
        const size_t bytes = size_t(kScreenW) * kScreenH * 4;
        if (!windowChanged_ && shown_.size() * 4 == bytes && std::memcmp(shown_.data(), pixels, bytes) == 0)
            return;
        windowChanged_ = false;
        shown_.assign(pixels, pixels + size_t(kScreenW) * kScreenH);
        SDL_UpdateTexture(texture_, nullptr, pixels, kScreenW * 4);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
    }

    bool pollEvent(Event& out) override {
        if (pendingChar_) {
            out = Event{};
            out.type = Event::Char;
            out.ch = pendingChar_;
            pendingChar_ = 0;
            return true;
        }
        if (!videoReady_) return false;
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (translate(e, out)) return true;
        }
        return false;
    }

    void setCursor(Cursor kind) override {
        if (!videoReady_) return;
        SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
        if (kind == Cursor::Hand) id = SDL_SYSTEM_CURSOR_HAND;
        if (kind == Cursor::Wait) id = SDL_SYSTEM_CURSOR_WAIT;
        int index = static_cast<int>(id);
        if (!cursors_[index]) cursors_[index] = SDL_CreateSystemCursor(id);
        if (cursors_[index] && current_ != cursors_[index]) {
            SDL_SetCursor(cursors_[index]);
            current_ = cursors_[index];
        }
    }

    void showMessageBox(const char* title, const char* text) override {
        std::fprintf(stderr, "%s\n", text ? text : "");
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title ? title : "", text ? text : "", window_);
    }

    // SDL hands the address to the desktop (xdg-open on Linux) and does not wait for the browser.
    bool openUrl(const char* url) override {
        if (SDL_OpenURL(url) == 0) return true;
        std::fprintf(stderr, "SDL_OpenURL failed: %s\n", SDL_GetError());
        return false;
    }

    uint32_t ticks() override {
        initTimer();
        return SDL_GetTicks();
    }
    void sleepMs(uint32_t ms) override { SDL_Delay(ms); }

    std::string defaultProgramFolder() override { return findGameDataFolder("bb_Blob32"); }

    std::string defaultUserDataFolder() override {
        char* path = SDL_GetPrefPath("Quillmoor Games", "Brickvale 2");
        std::string folder = path ? path : "./";
        SDL_free(path);
        return folder;
    }

  private:
    // Whether the machine has a graphics device a program may open (a DRI render node).
    static bool hasGraphicsDevice() {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
            if (entry.path().filename().string().rfind("renderD", 0) == 0 &&
                access(entry.path().c_str(), R_OK | W_OK) == 0)
                return true;
        return false;
    }

    bool initVideo() {
        if (videoReady_) return true;
        // The game handles SIGTERM and SIGINT itself (it saves first); SDL would turn them into a
        // close request, which only asks.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
            return fail("SDL_Init");
        videoReady_ = true;
        return true;
    }
    void initTimer() {
        if (!timerReady_) {
            SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
            SDL_InitSubSystem(SDL_INIT_TIMER);
            timerReady_ = true;
        }
    }
    bool fail(const char* what) {
        std::fprintf(stderr, "%s failed: %s\n", what, SDL_GetError());
        destroyWindow();
        return false;
    }

    bool translate(const SDL_Event& e, Event& out) {
        out = Event{};
        switch (e.type) {
        case SDL_QUIT:
            out.type = Event::Close;
            return true;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                out.type = Event::Close;
                return true;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                out.type = Event::FocusGained;
                return true;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                out.type = Event::FocusLost;
                return true;
            case SDL_WINDOWEVENT_MOVED:
                windowChanged_ = true;
                out.type = Event::Moved;
                return true;
            default:
                // Shown, exposed, resized, restored: the next frame is presented whatever it holds.
                windowChanged_ = true;
                return false;
            }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            out.key = virtualKey(e.key.keysym.sym);
            if (out.key == 0) return false;
            out.type = e.type == SDL_KEYDOWN ? Event::KeyDown : Event::KeyUp;
            out.repeat = e.key.repeat != 0;
            out.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            if (e.type == SDL_KEYDOWN) pendingChar_ = controlChar(out.key);
            return true;
        }
        case SDL_TEXTINPUT:
            return decodeText(e.text.text, out);
        case SDL_MOUSEMOTION:
            out.type = Event::MouseMove;
            out.x = e.motion.x;
            out.y = e.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (e.button.button == SDL_BUTTON_LEFT)
                out.type = down ? Event::LeftDown : Event::LeftUp;
            else if (e.button.button == SDL_BUTTON_RIGHT)
                out.type = down ? Event::RightDown : Event::RightUp;
            else
                return false;
            out.x = e.button.x;
            out.y = e.button.y;
            return true;
        }
        default:
            return false;
        }
    }

    // One typed character per event; text beyond the first code point of a composed string is
    // dropped (the game reads one character per frame anyway).
    static bool decodeText(const char* utf8, Event& out) {
        const auto* s = reinterpret_cast<const unsigned char*>(utf8);
        uint32_t cp = 0;
        if (s[0] < 0x80)
            cp = s[0];
        else if ((s[0] & 0xE0) == 0xC0 && s[1])
            cp = ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu);
        else if ((s[0] & 0xF0) == 0xE0 && s[1] && s[2])
            cp = ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu);
        else
            return false;
        if (cp == 0 || cp >= 0xD800) return false;
        out.type = Event::Char;
        out.ch = static_cast<char16_t>(cp);
        return true;
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Cursor* cursors_[SDL_NUM_SYSTEM_CURSORS] = {};
    SDL_Cursor* current_ = nullptr;
    char16_t pendingChar_ = 0;
    bool videoReady_ = false;
    bool timerReady_ = false;
    std::vector<uint32_t> shown_; // the frame last sent to the window
    bool windowChanged_ = true;
};

} // namespace

Backend* makeSdlBackend() {
    return new SdlBackend();
}

} // namespace bv::platform
