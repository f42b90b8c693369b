// Drives the real game on the headless backend from a script, one command per line:
//   frames N            run N frames, each exactly one tick
//   move X Y            move the mouse
//   click X Y           press and release the left button over two frames
//   rclick X Y          the same with the right button
//   key NAME            press and release a key over two frames (Enter, Escape, Left, F2, A ...)
//   hold NAME N         hold a key down for N frames, then release it
//   type TEXT           type the characters, one frame each
//   close               close the window (a quit request) and run one frame
//   state ID            change to a state directly (for checks of single screens)
//   shot FILE.png       write the current frame as PNG
//   expect-state ID     fail unless the current state is ID
//   expect-pixel X Y RRGGBB   fail unless that pixel of the current frame has that colour
//   expect-exit         fail unless the game has asked to end
//   print-state         print one line "STATE id=.. prev=.. frame=.." (more pairs are added over time)
// Blank lines and lines starting with '#' are ignored.
#pragma once

#include <iosfwd>
#include <string>

namespace bv {

struct ScriptResult {
    bool ok = true;
    int failedLine = 0;
    std::string message;
};

// Runs the commands; the game must already be initialised on the headless backend.
ScriptResult runScript(std::istream& in, std::ostream& out);
// The line print-state writes.
std::string stateLine();

} // namespace bv
