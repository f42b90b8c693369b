#include "assets/strings.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "assets/archive.h"
#include "assets/string_pool.h"
#include "assets/text_arguments.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "platform/byte_reader.h"

namespace bv {

namespace {

constexpr int32_t kKeyTextsInitial = 2500;
constexpr int32_t kKeyTextsGrowth = 500;
constexpr char16_t kByteOrderMark = 0xFEFF;

struct StringTable {
    bool created = false;
    StringPool keys;
    StringPool texts;
    // Key number k (as numbered by the key pool) has its text index at k - 1.
    int32_t* keyTexts = nullptr;
    int32_t keyTextCount = 0;
    int32_t keyTextCapacity = 0;
};
StringTable g_table;

char16_t g_wideBuffer[kWideBufferUnits];
char g_narrowBuffer[kNarrowBufferChars];

void createTable() {
    poolCreate(g_table.keys, kKeyPoolEntries, kKeyPoolTextBytes);
    poolCreate(g_table.texts, kTextPoolEntries, kTextPoolTextBytes);
    g_table.keyTexts = static_cast<int32_t*>(memAlloc(sizeof(int32_t) * kKeyTextsInitial));
    if (!g_table.keyTexts) fatal("Out of memory while building the string table.\n");
    g_table.keyTextCapacity = kKeyTextsInitial;
    g_table.keyTextCount = 0;
    g_table.created = true;
}

void appendKeyText(int32_t textIndex) {
    if (g_table.keyTextCount == g_table.keyTextCapacity) {
        // Half as much again once that is more than the step: a huge table is not copied per step.
        const int64_t step = std::max<int64_t>(kKeyTextsGrowth, g_table.keyTextCapacity / 2);
        if (g_table.keyTextCapacity + step > INT32_MAX)
            fatal("Out of memory while building the string table.\n");
        const int32_t capacity = int32_t(g_table.keyTextCapacity + step);
        void* grown = memRealloc(g_table.keyTexts, sizeof(int32_t) * static_cast<size_t>(capacity));
        if (!grown) fatal("Out of memory while building the string table.\n");
        g_table.keyTexts = static_cast<int32_t*>(grown);
        g_table.keyTextCapacity = capacity;
    }
    g_table.keyTexts[g_table.keyTextCount++] = textIndex;
}

void addPair(const char* key, const char16_t* value) {
    // A text that asks for arguments its key is not formatted with would read past the caller's:
    // the pair is dropped, so the key reads as missing (or keeps an earlier, fitting text).
    if (!textTakesArguments(value, keyArguments(key))) return;
    int32_t k = internKey(g_table.keys, key);
    if (k == 0) return; // empty key: the pair is ignored
    int32_t t = internText(g_table.texts, value);
    if (k > g_table.keyTextCount) {
        appendKeyText(t);
    } else {
        // A repeated key: the later pair's text replaces the earlier one.
        g_table.keyTexts[k - 1] = t;
    }
}

enum class Quoted { None, Done, Broken };

// Reads the next quoted string from [at, end) into out (room for kMaxTextUnits + 1 units).
// None: no opening quote before the end. Broken: a raw line end came before the closing quote;
// `at` is left on the line end so that reading resumes with the next line.
Quoted readQuoted(const char16_t*& at, const char16_t* end, char16_t* out) {
    while (at < end && *at != u'"') ++at;
    if (at == end) return Quoted::None;
    ++at;
    int32_t length = 0;
    auto put = [&](char16_t unit) {
        if (length < kMaxTextUnits) out[length++] = unit;
    };
    Quoted result = Quoted::Done; // the end of the data also ends the string
    while (at < end) {
        char16_t ch = *at;
        if (ch == u'"') {
            ++at;
            break;
        }
        if (ch == u'\n' || ch == u'\r') {
            result = Quoted::Broken;
            break;
        }
        if (ch == u'\\' && at + 1 < end && (at[1] == u'n' || at[1] == u'"')) {
            if (at[1] == u'"') {
                put(u'"');
            } else if (length + 2 <= kMaxTextUnits) {
                // A line break is never split from its filler, even at the length limit.
                put(u'\n');
                put(kLineBreakFiller);
            }
            at += 2;
            continue;
        }
        put(ch);
        ++at;
    }
    out[length] = 0;
    return result;
}

void parseTable(const char16_t* at, const char16_t* end) {
    // Both buffers are large; they live on the heap only while the file is read.
    std::u16string keyUnits(kMaxTextUnits + 1, u'\0');
    std::u16string value(kMaxTextUnits + 1, u'\0');
    std::string key(kMaxTextUnits + 1, '\0');
    for (;;) {
        Quoted k = readQuoted(at, end, keyUnits.data());
        if (k == Quoted::None) break;
        if (k == Quoted::Broken) continue;
        Quoted v = readQuoted(at, end, value.data());
        if (v == Quoted::Broken) continue;
        if (v == Quoted::None) value[0] = 0; // a key at the very end has an empty text
        // Keys are 8-bit: each unit is cut to its low byte.
        int32_t n = 0;
        for (; keyUnits[n] != 0; ++n) key[n] = static_cast<char>(keyUnits[n]);
        key[n] = '\0';
        addPair(key.c_str(), value.c_str());
        if (v == Quoted::None) break;
    }
}

} // namespace

bool addTextTable(const uint8_t* data, uint32_t size) {
    const uint32_t count = data ? size / 2 : 0;
    if (count == 0 || u16At(data, size, 0) != kByteOrderMark) return false;
    if (!g_table.created) createTable();
    // The little-endian units, decoded once; the byte-order mark is not part of the pairs.
    std::u16string units(count - 1, u'\0');
    for (uint32_t i = 1; i < count; ++i)
        units[i - 1] = static_cast<char16_t>(u16At(data, size, 2 * size_t(i)));
    parseTable(units.data(), units.data() + units.size());
    return true;
}

void initText(const char* fileName) {
    void* data = nullptr;
    uint32_t bytes = loadFile(fileName, data, 0);
    if (bytes == 0) fatal("Fatal error, couldn't open %s\n", fileName);
    const bool ok = addTextTable(static_cast<const uint8_t*>(data), bytes);
    memFree(data);
    if (!ok) fatal("initText was passed the file %s which is not in PC Unicode format.\n", fileName);
}

void resetTextForTests() {
    if (!g_table.created) return;
    poolDestroy(g_table.keys);
    poolDestroy(g_table.texts);
    memFree(g_table.keyTexts);
    g_table = StringTable{};
}

int32_t keyTextIndex(const char* key) {
    if (!g_table.created) return 0;
    int32_t k = findKey(g_table.keys, key);
    if (k < 1 || k > g_table.keyTextCount) return 0;
    return g_table.keyTexts[k - 1];
}

const char16_t* text(const char* key) {
    return textByIndex(keyTextIndex(key));
}

const char16_t* textByIndex(int32_t index) {
    if (!g_table.created) return nullptr;
    return textAt(g_table.texts, index);
}

int32_t widenInto(char16_t* target, int32_t capacity, const char* format, ...) {
    if (!target || capacity < 1) return 0;
    if (!format) format = "";
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    char small[1024];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string large;
    const char* formatted = small;
    if (needed >= static_cast<int>(sizeof small) && capacity > static_cast<int32_t>(sizeof small)) {
        large.resize(static_cast<size_t>(needed) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        formatted = large.c_str();
    }
    va_end(again);
    int32_t n = 0;
    for (; n < capacity - 1 && formatted[n] != '\0'; ++n)
        target[n] = static_cast<char16_t>(static_cast<unsigned char>(formatted[n]));
    target[n] = 0;
    return n;
}

const char16_t* widen(const char* text) {
    int32_t n = 0;
    for (; text && n < kWideBufferUnits - 1 && text[n] != '\0'; ++n)
        g_wideBuffer[n] = static_cast<char16_t>(static_cast<unsigned char>(text[n]));
    g_wideBuffer[n] = 0;
    return g_wideBuffer;
}

void narrowInto(char* target, int32_t capacity, const char16_t* text) {
    if (!target || capacity < 1) return;
    int32_t n = 0;
    for (; text && n < capacity - 1 && text[n] != 0; ++n) target[n] = static_cast<char>(text[n]);
    target[n] = '\0';
}

const char* narrow(const char16_t* text) {
    narrowInto(g_narrowBuffer, kNarrowBufferChars, text);
    return g_narrowBuffer;
}

} // namespace bv
