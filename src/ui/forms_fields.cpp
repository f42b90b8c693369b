// The forms' text fields: editing rules, number conversion, and the field widget.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/input.h"
#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "ui/forms.h"
#include "ui/hotspots.h"

namespace bv {

namespace {

constexpr uint32_t kInk = 0x101010;
constexpr uint32_t kFieldFill = 0xFFFFFF;
constexpr uint32_t kFieldBorder = 0x404040;
constexpr uint32_t kFocusBorder = 0x2040A0;
constexpr int32_t kPadding = 3;

FormTextField* g_focus = nullptr;

void noClick(int32_t, int32_t, int32_t) {}

// Whether the kind takes character c at position `at` of the field.
bool accepts(const FormTextField& f, char16_t c, int32_t at) {
    if (c == 10) return f.multiLine;
    if (c < 32 || c == 127) return false;
    if (f.kind == kFieldText) return true;
    if (c >= '0' && c <= '9') return true;
    if (c == '-') return at == 0 && (f.length == 0 || f.text[0] != '-');
    if (c == '.' && f.kind == kFieldDecimal) {
        for (int32_t i = 0; i < f.length; ++i)
            if (f.text[i] == '.') return false;
        return true;
    }
    return false;
}

bool insertAt(FormTextField& f, char16_t c) {
    if (f.length >= f.maxLength || !accepts(f, c, f.caret)) return false;
    for (int32_t i = f.length; i > f.caret; --i) f.text[i] = f.text[i - 1];
    f.text[f.caret++] = c;
    f.text[++f.length] = 0;
    return true;
}

void removeAt(FormTextField& f, int32_t at) {
    for (int32_t i = at; i < f.length; ++i) f.text[i] = f.text[i + 1];
    f.length -= 1;
    f.text[f.length] = 0;
}

} // namespace

void formFieldInit(FormTextField& field, int32_t kind, int32_t maxLength, bool multiLine) {
    field.text[0] = 0;
    field.length = 0;
    field.caret = 0;
    field.maxLength = std::clamp(maxLength, 0, kFormTextUnits - 1);
    field.kind = kind;
    field.multiLine = multiLine;
    field.masked = false;
}

void formFieldSet(FormTextField& field, const char16_t* text) {
    field.length = 0;
    field.caret = 0;
    field.text[0] = 0;
    for (int32_t i = 0; text && text[i]; ++i) {
        if (field.length >= field.maxLength) break;
        insertAt(field, text[i]);
    }
}

void formFieldSet8(FormTextField& field, const char* text) {
    char16_t wide[kFormTextUnits];
    int32_t n = 0;
    for (; text && text[n] && n < kFormTextUnits - 1; ++n) wide[n] = static_cast<unsigned char>(text[n]);
    wide[n] = 0;
    formFieldSet(field, wide);
}

void formFieldSetInt(FormTextField& field, int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    formFieldSet8(field, buffer);
}

void formFieldSetFloat(FormTextField& field, float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
    formFieldSet8(field, buffer);
}

int32_t formFieldInt(const FormTextField& field, int32_t digits) {
    char buffer[32];
    const int32_t n = std::clamp(std::min(field.length, digits), 0, 31);
    for (int32_t i = 0; i < n; ++i) buffer[i] = static_cast<char>(field.text[i]);
    buffer[n] = 0;
    // Thirteen digits exceed 32 bits: the value is held to the range rather than wrapped.
    const long long v = std::strtoll(buffer, nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

float formFieldFloat(const FormTextField& field) {
    char buffer[64];
    const int32_t n = std::min(field.length, 63);
    for (int32_t i = 0; i < n; ++i) buffer[i] = static_cast<char>(field.text[i]);
    buffer[n] = 0;
    return std::strtof(buffer, nullptr);
}

void formFieldGet8(const FormTextField& field, char* out, int32_t capacity) {
    if (!out || capacity <= 0) return;
    const int32_t n = std::min(field.length, capacity - 1);
    for (int32_t i = 0; i < n; ++i) out[i] = static_cast<char>(field.text[i]);
    out[n] = 0;
}

bool formFieldType(FormTextField& field, char16_t c) {
    if (c == 0) return false;
    if (c == 8) {
        if (field.caret == 0) return false;
        field.caret -= 1;
        removeAt(field, field.caret);
        return true;
    }
    if (c == 127) {
        if (field.caret >= field.length) return false;
        removeAt(field, field.caret);
        return true;
    }
    if (c == 13) return field.multiLine && insertAt(field, 10);
    return insertAt(field, c);
}

void formFocus(FormTextField* field) {
    g_focus = field;
}

FormTextField* formFocused() {
    return g_focus;
}

bool formTextField(int32_t x, int32_t y, int32_t width, int32_t height, FormTextField& field) {
    const Rect box{x, y, width, height};
    addHotSpot(x, y, width, height, noClick, 0);
    if (leftClicked() && isMouseOver(box) && g_focus != &field) {
        g_focus = &field;
        field.caret = field.length;
    }
    field.caret = std::clamp(field.caret, 0, field.length);

    bool changed = false;
    const bool focused = g_focus == &field;
    if (focused) {
        changed = formFieldType(field, typedChar());
        if (isPressed(kSlotLeft) && field.caret > 0) field.caret -= 1;
        if (isPressed(kSlotRight) && field.caret < field.length) field.caret += 1;
        if (isPressed(kSlotHome)) field.caret = 0;
        if (isPressed(kSlotEnd)) field.caret = field.length;
    }

    fillRect(frameBuffer, x, y, width, height, kFieldFill);
    const uint32_t border = focused ? kFocusBorder : kFieldBorder;
    fillRect(frameBuffer, x, y, width, 1, border);
    fillRect(frameBuffer, x, y + height - 1, width, 1, border);
    fillRect(frameBuffer, x, y, 1, height, border);
    fillRect(frameBuffer, x + width - 1, y, 1, height, border);

    // A masked field lays out and draws stars in place of its characters.
    static char16_t stars[kFormTextUnits];
    char16_t* shown = field.text;
    if (field.masked) {
        std::fill(stars, stars + field.length, u'*');
        stars[field.length] = 0;
        shown = stars;
    }

    pushFont(&fontArial15Brown);
    const TextArea oldArea = textArea();
    const int32_t left = x + kPadding, top = y + kPadding;
    const int32_t right = x + width - kPadding, bottom = y + height - kPadding;
    // Where the caret stands: the pen after laying out the text before it. A single line that
    // runs past the box slides left so that the caret stays in view.
    char16_t saved = shown[field.caret];
    shown[field.caret] = 0;
    setTextArea(left, top, field.multiLine ? right : 100000, bottom);
    measureText(left, top, false, field.multiLine ? 0 : kStyleSingleLine, shown);
    int32_t caretX = penX(), caretY = penY();
    shown[field.caret] = saved;
    int32_t shift = 0;
    if (!field.multiLine && caretX > right - 2) shift = caretX - (right - 2);

    pushClip();
    setClip(left, top, right, bottom);
    drawText(left - shift, top, false, kInk | (field.multiLine ? 0 : kStyleSingleLine), shown);
    if (focused) fillRect(frameBuffer, caretX - shift, caretY, 1, std::max(1, lineHeight() - 3), kInk);
    popClip();
    setTextArea(oldArea.left, oldArea.top, oldArea.right, oldArea.bottom);
    popFont();
    return changed;
}

} // namespace bv
