#include "core/fatal.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace bv {

namespace {
void (*g_cleanup)() = nullptr;
bool g_inFatal = false;
} // namespace

void setFatalCleanup(void (*cleanup)()) {
    g_cleanup = cleanup;
}

void fatal(const char* format, ...) {
    char message[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    // The message box shows at most 200 characters, as the original did.
    char shown[201];
    std::memcpy(shown, message, sizeof shown - 1);
    shown[sizeof shown - 1] = '\0';

    if (!g_inFatal) {
        g_inFatal = true;
        if (g_cleanup) g_cleanup();
        std::fputs(message, stderr);
        std::fflush(stderr);
        platform::showMessageBox("", shown);
    }
    std::fflush(stdout);
    std::_Exit(-1);
}

} // namespace bv
