// Which arguments each key's text is formatted with, and whether a text asks for exactly those.
#include "assets/text_arguments.h"

#include <string>
#include <unordered_map>

namespace bv {

namespace {

struct KeyArguments {
    const char* key;
    const char* arguments;
};

const KeyArguments kKeyArguments[] = {
#include "key_arguments.inc"
};

std::string upperKey(const char* key) {
    std::string out(key);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

const std::unordered_map<std::string, const char*>& argumentTable() {
    static const std::unordered_map<std::string, const char*> table = [] {
        std::unordered_map<std::string, const char*> t;
        for (const KeyArguments& k : kKeyArguments) t.emplace(upperKey(k.key), k.arguments);
        return t;
    }();
    return table;
}

// What a conversion takes from the argument list: an int, a pointer (narrow or wide text) or a double.
char kindOf(char argument) {
    return argument == 's' ? 'p' : argument == 'f' ? 'f' : 'i';
}

// Checks one taken argument against the list; `next` counts those taken so far.
bool takes(const char* arguments, int32_t& next, char kind) {
    const char expected = arguments[next];
    if (expected == 0 || kindOf(expected) != kind) return false;
    ++next;
    return true;
}

// formatWide: "%d", "%s" and "%f" take an argument; a '%' before anything else is copied.
bool narrowFormatterFits(const char16_t* text, const char* arguments) {
    int32_t next = 0;
    for (const char16_t* p = text; *p; ++p) {
        if (*p != u'%') continue;
        const char16_t c = p[1];
        if (c != u'd' && c != u's' && c != u'f') continue;
        if (!takes(arguments, next, kindOf(char(c)))) return false;
        ++p;
    }
    return true;
}

// formatWideText: '%', then '-', '0's and digits, then the conversion: s takes a wide text; c, d,
// u, x and X an int; "%%" and any other letter take nothing; a '%' at the end ends the text.
bool wideFormatterFits(const char16_t* text, const char* arguments) {
    int32_t next = 0;
    const char16_t* p = text;
    while (*p) {
        if (*p++ != u'%') continue;
        if (*p == u'%') {
            ++p;
            continue;
        }
        if (*p == u'-') ++p;
        while (*p >= u'0' && *p <= u'9') ++p;
        const char16_t conv = *p;
        if (conv == 0) break;
        ++p;
        if (conv == u's') {
            if (!takes(arguments, next, 'p')) return false;
        } else if (conv == u'c' || conv == u'd' || conv == u'u' || conv == u'x' || conv == u'X') {
            if (!takes(arguments, next, 'i')) return false;
        }
    }
    return true;
}

} // namespace

const char* keyArguments(const char* key) {
    if (!key) return "";
    const auto& table = argumentTable();
    const auto found = table.find(upperKey(key));
    return found == table.end() ? "" : found->second;
}

bool textTakesArguments(const char16_t* text, const char* arguments) {
    if (!text) return true;
    if (!arguments) arguments = "";
    return narrowFormatterFits(text, arguments) && wideFormatterFits(text, arguments);
}

} // namespace bv
