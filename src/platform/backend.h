// The two implementations of the platform seam. Internal to src/platform/.
#pragma once

#include "platform/platform.h"

namespace bv::platform {

class Backend {
  public:
    virtual ~Backend() = default;
    virtual bool createWindow(const char* title, bool windowed) = 0;
    virtual void destroyWindow() = 0;
    virtual bool windowExists() const = 0;
    virtual bool setWindowFullScreen(bool fullScreen) = 0;
    virtual void presentFrame(const uint32_t* pixels) = 0;
    virtual bool pollEvent(Event& event) = 0;
    virtual void setCursor(Cursor kind) = 0;
    virtual void showMessageBox(const char* title, const char* text) = 0;
    virtual bool openUrl(const char* url) = 0;
    virtual uint32_t ticks() = 0;
    virtual void sleepMs(uint32_t ms) = 0;
    virtual std::string defaultProgramFolder() = 0;
    virtual std::string defaultUserDataFolder() = 0;
};

Backend* makeSdlBackend();
Backend* makeHeadlessBackend();

} // namespace bv::platform
