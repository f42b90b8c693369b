// The one fatal-error exit of the program.
#pragma once

namespace bv {

// Formats the message printf-style, releases the display, shows the message (message box and
// stderr) and ends the process with exit code -1 (255 to the shell).
[[noreturn]] void fatal(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Hook run by fatal() before the message box: the display layer releases itself here.
void setFatalCleanup(void (*cleanup)());

} // namespace bv
