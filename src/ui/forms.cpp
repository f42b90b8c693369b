#include "ui/forms.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "assets/picture_tree.h"
#include "core/input.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "ui/button.h"
#include "ui/hotspots.h"
#include "ui/widgets.h"

namespace bv {

namespace {

constexpr uint32_t kInk = 0x101010;       // texts on the light boxes
constexpr uint32_t kBoxFill = 0xFFFFFF;   // boxes, fields and lists
constexpr uint32_t kBoxBorder = 0x404040; // their outline
constexpr uint32_t kSelectedRow = 0x3060C0;
constexpr uint32_t kScrollFill = 0xC0C0C0;

// Registered so the hand cursor shows; the click itself is handled during the update.
void noClick(int32_t, int32_t, int32_t) {}

bool clickedIn(const Rect& r) {
    return leftClicked() && isMouseOver(r);
}

void outline(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    fillRect(frameBuffer, x, y, w, 1, colour);
    fillRect(frameBuffer, x, y + h - 1, w, 1, colour);
    fillRect(frameBuffer, x, y, 1, h, colour);
    fillRect(frameBuffer, x + w - 1, y, 1, h, colour);
}

void bodyText(int32_t x, int32_t y, uint32_t style, const char16_t* text) {
    pushFont(&fontArial15Brown);
    drawText(x, y, false, style | kStyleSingleLine, text);
    popFont();
}

// The label's rectangle when drawn at (x, y) in the body font.
Rect labelRect(int32_t x, int32_t y, const char16_t* label) {
    pushFont(&fontArial15Brown);
    const int32_t w = label ? textWidth(label) : 0;
    const int32_t h = lineHeight();
    popFont();
    return Rect{x, y, w, h};
}

// A box with a label beside it: the clickable area spans both.
bool boxWidget(int32_t x, int32_t y, const char16_t* label, bool filled, bool round) {
    const Rect text = labelRect(x + kFormBoxSize + 5, y - 1, label);
    const Rect area{x, y, kFormBoxSize + 5 + text.width, std::max(kFormBoxSize, text.height)};
    addHotSpot(area.x, area.y, area.width, area.height, noClick, 0);
    fillRect(frameBuffer, x, y, kFormBoxSize, kFormBoxSize, kBoxFill);
    outline(x, y, kFormBoxSize, kFormBoxSize, kBoxBorder);
    if (filled) {
        // A check box shows a solid mark, a radio button a smaller centred dot.
        const int32_t inset = round ? 4 : 3;
        fillRect(frameBuffer, x + inset, y + inset, kFormBoxSize - 2 * inset, kFormBoxSize - 2 * inset, kInk);
    }
    if (label) bodyText(text.x, text.y, 0, label);
    return clickedIn(area);
}

// The file-choice form's list: names as shown, and the one chosen.
struct FileChoiceState {
    char16_t names[kFileChoiceCapacity][kFileChoiceNameUnits];
    const char16_t* items[kFileChoiceCapacity];
    int32_t count;
    FormListBox list;
    char16_t title[kFileChoiceNameUnits];
    char chosen[kFileChoiceNameUnits];
};
FileChoiceState g_files{};

} // namespace

void formPanel(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* title) {
    drawPanelFrame(x, y, width, height);
    if (!title) return;
    pushFont(&fontArial20Brown);
    drawText(x + width / 2, y + 12, true, kStyleSingleLine, title);
    popFont();
}

void formLabel(int32_t x, int32_t y, const char16_t* text) {
    if (text) bodyText(x, y, 0, text);
}

void formLabel8(int32_t x, int32_t y, const char* text) {
    if (!text) return;
    char16_t wide[256];
    int32_t n = 0;
    for (; text[n] && n < 255; ++n) wide[n] = static_cast<unsigned char>(text[n]);
    wide[n] = 0;
    bodyText(x, y, 0, wide);
}

bool formButton(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* label, bool enabled) {
    button(x + width / 2, y + height / 2, width, height, label, 0, enabled ? noClick : nullptr);
    return enabled && clickedIn(Rect{x, y, width, height});
}

bool formCheckBox(int32_t x, int32_t y, const char16_t* label, bool& value) {
    if (!boxWidget(x, y, label, value, false)) return false;
    value = !value;
    // Redraw the box so the frame shows the new value at once.
    boxWidget(x, y, nullptr, value, false);
    return true;
}

bool formRadio(int32_t x, int32_t y, const char16_t* label, int32_t& group, int32_t value) {
    if (!boxWidget(x, y, label, group == value, true)) return false;
    group = value;
    boxWidget(x, y, nullptr, true, true);
    return true;
}

int32_t formListRows(int32_t height) {
    return std::max(0, (height - 4) / kFormListRowHeight);
}

bool formListBox(int32_t x, int32_t y, int32_t width, int32_t height, const char16_t* const* items,
                 int32_t count, FormListBox& list) {
    const int32_t rows = formListRows(height);
    const int32_t rowWidth = width - kFormScrollWidth - 3;
    count = items ? std::max(0, count) : 0;
    if (list.selected >= count) list.selected = -1;

    // Scroll buttons: the upper and lower halves of the strip at the right edge.
    const int32_t half = height / 2;
    const Rect up{x + width - kFormScrollWidth, y, kFormScrollWidth, half};
    const Rect down{x + width - kFormScrollWidth, y + half, kFormScrollWidth, height - half};
    addHotSpot(up.x, up.y, up.width, up.height, noClick, 0);
    addHotSpot(down.x, down.y, down.width, down.height, noClick, 0);
    if (clickedIn(up)) list.top -= 1;
    if (clickedIn(down)) list.top += 1;
    list.top = std::clamp(list.top, 0, std::max(0, count - rows));

    bool picked = false;
    const Rect body{x + 2, y + 2, rowWidth, rows * kFormListRowHeight};
    if (rows > 0 && clickedIn(body)) {
        const int32_t row = (mousePos().y - body.y) / kFormListRowHeight + list.top;
        if (row < count) {
            list.selected = row;
            picked = true;
        }
    }
    if (count > 0) addHotSpot(body.x, body.y, body.width, body.height, noClick, 0);

    fillRect(frameBuffer, x, y, width, height, kBoxFill);
    outline(x, y, width, height, kBoxBorder);
    fillRect(frameBuffer, up.x, y + 1, kFormScrollWidth - 1, height - 2, kScrollFill);
    fillRect(frameBuffer, up.x, y + half, kFormScrollWidth - 1, 1, kBoxBorder);
    // Small triangles on the scroll strip: one pointing up, one down.
    for (int32_t i = 0; i < 4; ++i) {
        fillRect(frameBuffer, up.x + 6 - i, y + half / 2 - 2 + i, 2 * i + 1, 1, kInk);
        fillRect(frameBuffer, up.x + 6 - i, y + half + (height - half) / 2 + 1 - i, 2 * i + 1, 1, kInk);
    }

    pushClip();
    setClip(body.x, body.y, body.x + body.width, body.y + body.height);
    for (int32_t r = 0; r < rows && list.top + r < count; ++r) {
        const int32_t index = list.top + r;
        const int32_t rowY = body.y + r * kFormListRowHeight;
        const bool selected = index == list.selected;
        if (selected) fillRect(frameBuffer, body.x, rowY, body.width, kFormListRowHeight, kSelectedRow);
        bodyText(body.x + 2, rowY, selected ? kBoxFill : kInk, items[index]);
    }
    popClip();
    return picked;
}

void openFileChoice(const char16_t* title, const char* folder, const char* pattern) {
    g_files.count = 0;
    g_files.list = FormListBox{-1, 0};
    g_files.chosen[0] = 0;
    int32_t t = 0;
    for (; title && title[t] && t < kFileChoiceNameUnits - 1; ++t) g_files.title[t] = title[t];
    g_files.title[t] = 0;

    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder ? folder : "", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code kind;
        if (it->is_directory(kind)) continue;
        const std::string name = it->path().filename().string();
        // A name that does not fit is left out: a cut name would open a different file.
        if (name.size() >= static_cast<size_t>(kFileChoiceNameUnits)) continue;
        if (matchesFilePattern(pattern ? pattern : "*.*", name.c_str())) names.push_back(name);
    }
    // Letter case aside, as the picture trees list their folders.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
            const int x = std::tolower(static_cast<unsigned char>(a[i]));
            const int y = std::tolower(static_cast<unsigned char>(b[i]));
            if (x != y) return x < y;
        }
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const std::string& name : names) {
        if (g_files.count >= kFileChoiceCapacity) break;
        char16_t* out = g_files.names[g_files.count];
        size_t i = 0;
        for (; i < name.size(); ++i) out[i] = static_cast<unsigned char>(name[i]);
        out[i] = 0;
        g_files.items[g_files.count] = out;
        g_files.count += 1;
    }
}

int32_t fileChoiceCount() {
    return g_files.count;
}

const char16_t* fileChoiceEntry(int32_t index) {
    return index >= 0 && index < g_files.count ? g_files.names[index] : nullptr;
}

int32_t fileChoiceForm() {
    constexpr int32_t kX = 200, kY = 100, kW = 400, kH = 400;
    formPanel(kX, kY, kW, kH, g_files.title);
    formListBox(kX + 25, kY + 50, kW - 50, kH - 110, g_files.items, g_files.count, g_files.list);
    const bool chosen = g_files.list.selected >= 0;
    const bool ok = formButton(kX + kW / 2 - 130, kY + kH - 50, 120, 30, u"OK", chosen) ||
                    (chosen && isPressed(kSlotEnter));
    const bool cancel =
        formButton(kX + kW / 2 + 10, kY + kH - 50, 120, 30, u"Cancel") || isPressed(kSlotEscape);
    if (ok) {
        const char16_t* name = g_files.names[g_files.list.selected];
        int32_t i = 0;
        for (; name[i]; ++i) g_files.chosen[i] = static_cast<char>(name[i]);
        g_files.chosen[i] = 0;
        return 1;
    }
    return cancel ? -1 : 0;
}

const char* fileChoiceName() {
    return g_files.chosen;
}

} // namespace bv
