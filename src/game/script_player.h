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
//   expect-owned OWNER MIN   fail unless owner 0..5 holds at least MIN houses
//   load-scenario NAME D  start the scenario file NAME (".bvx" may be left out) at level 0 with
//                       difficulty D (0 Easy, 1 Normal, 2 Hard), as game set-up does
//   load-map NAME       load the map NAME from the maps folder in place of the current one
//   map-shot FILE.png   draw the current map's town (800 x 450: ground, objects, labels, houses)
//                       and write it as PNG
//   select I            select house I as a click on it does (it flies to the panel and is
//                       selected when it lands, after 200 ms of board time)
//   hurry               finish the month quickly, as the "EndMonth" button does
//   buy OWNER I PRICE   owner 0..5 buys house I at PRICE by the market's rules (down payment, loan)
//   list I PRICE        house I goes on the market at PRICE
//   offer BUYER I AMOUNT  a buyer offers AMOUNT for the player's listed house I (queued as the
//                       market queues it)
//   expect-cash OWNER AMOUNT  fail unless owner 0..5 has exactly AMOUNT in cash
//   print-state         print one line "STATE id=.. prev=.. frame=.. scenario=<file> level=<index>
//                       houses=<count> .. music=.. effects=.. help=.. windowed=.." (more pairs
//                       are added over time)
//   print-startup       print "STARTUP cpu_ms=<processor time from the process's start to the
//                       end of start-up> logo_cpu_ms=<the logo sequence's part> without_logo_ms=<the
//                       rest>" (how heavy start-up is; the logo's length is fixed by its clock)
//   print-editor        print "EDITOR question=0|1 nameForm=0|1 mapModified=0|1 scenarioModified=0|1
//                       houses=<count> error=<the name form's error line> message=<the editor's message>"
//   print-house I       print "HOUSE i=<I>" and every field of the house's record as name=value
//   print-scores        print "SCORES shown=<table> marked=<place, 0 none> length=<the game's table>"
//                       and the shown table's entries as " <place>=<name>,<difficulty>,<score>"
//   monkey SEED FRAMES  random clicks, drags, keys and window closes for FRAMES frames, the game's
//                       rules checked after each (game/monkey.h); fails with the first rule broken,
//                       else prints "MONKEY seed=.. frames=.. restarts=.. states=..". The test command plays
//                       10,000 frames (tests/scripts/monkey.bvs); the long run is 200,000 frames on
//                       each of three seeds (fuzz/README.md, "The monkey's long run")
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
// A whole scripted run for a program's main: the script file ("-" for standard input) read, the
// headless backend chosen, the game started and the script run, its output on standard output.
// Returns 0, 1 when a line failed (reported on standard error), 2 when the script cannot be read.
int runScriptProgram(const char* script);
// The line print-state writes.
std::string stateLine();

} // namespace bv
