// The display: the main window, presentation of the frame buffer, windowed and full screen.
#pragma once

#include <cstdint>

#include "gfx/framebuffer.h"

namespace bv {

constexpr int32_t kScreenWidth = kFrameWidth;
constexpr int32_t kScreenHeight = kFrameHeight;

// Allocates the frame buffer and creates the display (window and presentation).
void displayInit(int32_t width, int32_t height, bool windowed, const char* title);
// Creates the window and its presentation; on failure shows "DirectDraw init failed. Game will now
// exit. " and ends the program.
bool createDisplay(bool windowed);
// Releases the presentation; with destroyWindow also the window.
void displayShutdown(bool destroyWindow);
// Switches between windowed and full screen; never raises a quit request.
void toggleFullScreen(bool fullScreen);
bool isWindowed();
void setWindowed(bool windowed);
// Reads the pixel format of the presented surface (our surfaces are always 0x00RRGGBB).
void readPixelFormat();
// Copies the dirty rectangles into the presented surface, empties the list and shows it.
void present();
// The surface last presented (800 x 600), for tests and screenshots.
const uint32_t* presentedSurface();

} // namespace bv
