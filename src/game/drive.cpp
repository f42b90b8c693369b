#include "game/drive.h"

#include "assets/hash.h"
#include "assets/strings.h"
#include "game/game.h"
#include "levels/level_start.h"
#include "platform/platform.h"
#include "world/scenario.h"

namespace bv {

namespace {

using platform::Event;

void push(Event::Type type, int32_t x = 0, int32_t y = 0) {
    Event e;
    e.type = type;
    e.x = x;
    e.y = y;
    platform::headless::pushEvent(e);
}

void pushKey(Event::Type type, int32_t vk) {
    Event e;
    e.type = type;
    e.key = vk;
    platform::headless::pushEvent(e);
}

void pushChar(char16_t ch) {
    Event e;
    e.type = Event::Char;
    e.ch = ch;
    platform::headless::pushEvent(e);
}

// Keys that also type a control character, as the window does.
char16_t controlChar(int32_t vk) {
    return (vk == 8 || vk == 9 || vk == 13 || vk == 27) ? static_cast<char16_t>(vk) : 0;
}

} // namespace

void driveFrames(int32_t n) {
    for (int32_t i = 0; i < n && !exitGame; ++i) runFrame();
}

void driveMove(int32_t x, int32_t y) {
    push(Event::MouseMove, x, y);
    driveFrames(1);
}

void driveClick(int32_t x, int32_t y, bool right) {
    push(Event::MouseMove, x, y);
    push(right ? Event::RightDown : Event::LeftDown, x, y);
    driveFrames(1);
    push(right ? Event::RightUp : Event::LeftUp, x, y);
    driveFrames(1);
}

void driveKey(int32_t vk, int32_t frames) {
    pushKey(Event::KeyDown, vk);
    if (char16_t ch = controlChar(vk)) pushChar(ch);
    driveFrames(frames);
    pushKey(Event::KeyUp, vk);
    driveFrames(1);
}

void driveType(const std::string& text) {
    for (unsigned char c : text) {
        pushChar(static_cast<char16_t>(c));
        driveFrames(1);
    }
}

bool startScenarioNamed(const std::string& name, int32_t difficulty) {
    buildScenarioList();
    const std::string wanted = name.find('.') == std::string::npos ? name + ".bvx" : name;
    for (int32_t i = 0; i < scenarioListCount; ++i) {
        if (!namesEqual(narrow(scenarioList[i]), wanted.c_str())) continue;
        currentDifficulty = difficulty;
        chosenScenario = i;
        return startScenario() == 0;
    }
    return false;
}

} // namespace bv
