// The string table read from a table image in place of the game's own, then what the screens do
// with it: every key the manifest lists is looked up, formatted by both wide formatters with the
// very arguments the game passes for it, and drawn.
#include <sstream>
#include <string>
#include <vector>

#include "assets/strings.h"
#include "assets/text_arguments.h"
#include "fuzz.h"
#include "gfx/draw.h"
#include "gfx/format.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"

namespace {

struct Key {
    std::string name;
    std::string arguments; // "" for none
};
std::vector<Key> g_keys;

// The manifest's keys and their arguments ("key NAME SIGNATURE ...", NAME quoted when it holds
// spaces).
void readKeys() {
    std::istringstream lines(bvfuzz::manifestText());
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("key ", 0) != 0) continue;
        Key k;
        size_t at = 4;
        if (line[at] == '"') {
            const size_t close = line.find('"', at + 1);
            k.name = line.substr(at + 1, close - at - 1);
            at = close + 2;
        } else {
            const size_t space = line.find(' ', at);
            k.name = line.substr(at, space - at);
            at = space + 1;
        }
        k.arguments = line.substr(at, line.find(' ', at) - at);
        if (k.arguments == "-") k.arguments.clear();
        FUZZ_CHECK(k.arguments == bv::keyArguments(k.name.c_str()));
        g_keys.push_back(k);
    }
    FUZZ_CHECK(g_keys.size() > 200);
}

// Calls f with the game's arguments for a key: an int for 'd', a text for 's' (narrow or wide as
// the formatter takes it), a double for 'f'.
template <class Narrow, class Wide> void withArguments(const std::string& a, Narrow narrow, Wide wide) {
    const char* s = "Maple Row";
    const char16_t* w = u"Maple Row";
    if (a.empty())
        narrow(), wide();
    else if (a == "d")
        narrow(1250), wide(1250);
    else if (a == "dd")
        narrow(3, 2), wide(3, 2);
    else if (a == "ddd")
        narrow(3, 2, 1), wide(3, 2, 1);
    else if (a == "dsd")
        narrow(4, s, 7), wide(4, w, 7);
    else if (a == "f")
        narrow(12.5);
    else if (a == "s")
        narrow(s), wide(w);
    else if (a == "ss")
        narrow(s, s), wide(w, w);
    else if (a == "sss")
        narrow(s, s, s), wide(w, w, w);
    else if (a == "ssss")
        narrow(s, s, s, s), wide(w, w, w, w);
    else if (a == "ssssss")
        narrow(s, s, s, s, s, s), wide(w, w, w, w, w, w);
    else if (a == "sssssss")
        narrow(s, s, s, s, s, s, s), wide(w, w, w, w, w, w, w);
    else
        bvfuzz::fail(("no call for the arguments " + a).c_str(), __FILE__, __LINE__);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::startGame();
    readKeys();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    bv::resetTextForTests();
    if (!bv::addTextTable(data, uint32_t(size))) return 0;
    bv::setDrawTarget(bv::frameBuffer);
    // Laid out in full, drawn into a corner: the pixels are not what is under test here.
    bv::setClip(0, 0, 64, 48);
    for (const Key& k : g_keys) {
        const char16_t* t = bv::text(k.name.c_str());
        FUZZ_CHECK(bv::textTakesArguments(t, k.arguments.c_str()));
        if (!t) continue;
        char16_t out[bv::kFormatBufferUnits];
        const char* key = k.name.c_str();
        withArguments(
            k.arguments,
            [&](auto... a) {
                bv::formatWide(out, bv::kFormatBufferUnits, t, a...);
                bv::printKey(20, 40, false, 0, key, a...);
                bv::printKey(400, 300, true, bv::kStyleOutline | bv::kStyleSingleLine, key, a...);
            },
            [&](auto... a) { bv::formatWideText(out, bv::kFormatBufferUnits, t, a...); });
        bv::countTextLines(t);
    }
    bv::resetClip();
    return 0;
}
