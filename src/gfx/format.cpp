// The two wide formatters. Both build their output through one bounded writer, so no format and
// no argument can make them write past the caller's buffer.
#include "gfx/format.h"

#include <cstdio>
#include <cstring>

namespace bv {

namespace {

// Appends units to the caller's buffer, keeping one unit for the terminator; what does not fit is
// dropped.
class Writer {
  public:
    Writer(char16_t* out, int32_t capacity) : out_(out), capacity_(out ? capacity : 0) {}
    void put(char16_t c) {
        if (length_ + 1 < capacity_) out_[length_++] = c;
    }
    void putNarrow(const char* s) {
        while (*s) put(static_cast<char16_t>(static_cast<unsigned char>(*s++)));
    }
    void pad(char16_t c, int32_t count) {
        for (int32_t i = 0; i < count && length_ + 1 < capacity_; ++i) out_[length_++] = c;
    }
    int32_t finish() {
        if (capacity_ > 0) out_[length_] = 0;
        return length_;
    }

  private:
    char16_t* out_;
    int32_t capacity_;
    int32_t length_ = 0;
};

// A double with six decimals, trailing zeros removed, and the point too when nothing follows it.
void putTrimmedDouble(Writer& w, double value) {
    char digits[400]; // "%.6f" of the largest double needs 317 characters
    std::snprintf(digits, sizeof digits, "%.6f", value);
    size_t n = std::strlen(digits);
    if (std::strchr(digits, '.')) {
        while (n > 0 && digits[n - 1] == '0') --n;
        if (n > 0 && digits[n - 1] == '.') --n;
    }
    digits[n] = '\0';
    w.putNarrow(digits);
}

// Digits of an unsigned value in the given base, most significant first; returns their count.
int32_t unsignedDigits(char* out, uint32_t value, uint32_t base, bool upper) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[16];
    int32_t n = 0;
    do {
        reversed[n++] = set[value % base];
        value /= base;
    } while (value != 0);
    for (int32_t i = 0; i < n; ++i) out[i] = reversed[n - 1 - i];
    out[n] = '\0';
    return n;
}

int32_t wideLength(const char16_t* s) {
    int32_t n = 0;
    while (s[n]) ++n;
    return n;
}

} // namespace

int32_t formatWideV(char16_t* out, int32_t capacity, const char16_t* format, va_list args) {
    Writer w(out, capacity);
    if (!format) return w.finish();
    for (const char16_t* p = format; *p; ++p) {
        const char16_t next = p[1];
        if (*p != u'%' || (next != u'd' && next != u's' && next != u'f')) {
            w.put(*p);
            continue;
        }
        ++p;
        if (next == u'd') {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%d", va_arg(args, int));
            w.putNarrow(digits);
        } else if (next == u's') {
            const char* s = va_arg(args, const char*);
            w.putNarrow(s ? s : "(null)");
        } else {
            putTrimmedDouble(w, va_arg(args, double));
        }
    }
    return w.finish();
}

int32_t formatWide(char16_t* out, int32_t capacity, const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int32_t n = formatWideV(out, capacity, format, args);
    va_end(args);
    return n;
}

int32_t formatWideTextV(char16_t* out, int32_t capacity, const char16_t* format, va_list args) {
    Writer w(out, capacity);
    if (!format) return w.finish();
    const char16_t* p = format;
    while (*p) {
        if (*p != u'%') {
            w.put(*p++);
            continue;
        }
        ++p;
        if (*p == 0) break;
        if (*p == u'%') {
            w.put(u'%');
            ++p;
            continue;
        }
        bool left = false, zeros = false;
        if (*p == u'-') {
            left = true;
            ++p;
        }
        while (*p == u'0') {
            zeros = true;
            ++p;
        }
        int32_t width = 0;
        while (*p >= u'0' && *p <= u'9') {
            // Widths beyond any buffer are held at a size that cannot overflow.
            if (width < 100000) width = width * 10 + (*p - u'0');
            ++p;
        }
        const char16_t conv = *p;
        if (conv == 0) break;
        ++p;

        // The converted text: narrow digits for numbers, or a wide text for %s and %c.
        char digits[24];
        const char16_t* wide = nullptr;
        char16_t single[2] = {0, 0};
        bool negative = false;
        int32_t length = 0;
        switch (conv) {
        case u's':
            wide = va_arg(args, const char16_t*);
            if (!wide) wide = u"(null)";
            length = wideLength(wide);
            break;
        case u'c':
            single[0] = static_cast<char16_t>(va_arg(args, int) & 0xFF);
            wide = single;
            length = 1;
            break;
        case u'd': {
            const int32_t v = va_arg(args, int);
            negative = v < 0;
            const uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
            length = unsignedDigits(digits, magnitude, 10, false) + (negative ? 1 : 0);
            break;
        }
        case u'u':
            length = unsignedDigits(digits, va_arg(args, unsigned), 10, false);
            break;
        case u'x':
        case u'X':
            length = unsignedDigits(digits, va_arg(args, unsigned), 16, conv == u'X');
            break;
        default:
            continue; // an unknown conversion prints nothing and takes no argument
        }

        const int32_t fill = width > length ? width - length : 0;
        if (!left && !zeros) w.pad(u' ', fill);
        if (negative) w.put(u'-');
        if (!left && zeros) w.pad(u'0', fill);
        if (wide) {
            for (int32_t i = 0; i < length; ++i) w.put(wide[i]);
        } else {
            w.putNarrow(digits);
        }
        if (left) w.pad(u' ', fill);
    }
    return w.finish();
}

int32_t formatWideText(char16_t* out, int32_t capacity, const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int32_t n = formatWideTextV(out, capacity, format, args);
    va_end(args);
    return n;
}

} // namespace bv
