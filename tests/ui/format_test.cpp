// The two wide formatters: their conversions, what they copy literally, and that no format or
// argument makes them write past the caller's buffer.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "gfx/format.h"

namespace {

using Formatter = int32_t (*)(char16_t*, int32_t, const char16_t*, ...);

template <Formatter F, class... Args> std::u16string run(const char16_t* format, Args... args) {
    char16_t buffer[bv::kFormatBufferUnits];
    const int32_t n = F(buffer, bv::kFormatBufferUnits, format, args...);
    EXPECT_EQ(std::u16string(buffer).size(), size_t(n)) << "returned length and terminator disagree";
    return buffer;
}
template <class... Args> std::u16string fmt(const char16_t* format, Args... args) {
    return run<bv::formatWide>(format, args...);
}
template <class... Args> std::u16string fmtText(const char16_t* format, Args... args) {
    return run<bv::formatWideText>(format, args...);
}

TEST(FormatWide, DoublesLoseTrailingZerosAndABarePoint) {
    EXPECT_EQ(fmt(u"%f", 18.0), u"18");
    EXPECT_EQ(fmt(u"%f", 5.5), u"5.5");
    EXPECT_EQ(fmt(u"%f", 0.0), u"0");
    EXPECT_EQ(fmt(u"%f", -2.5), u"-2.5");
    EXPECT_EQ(fmt(u"%f", 100.0), u"100") << "zeros before the point stay";
    EXPECT_EQ(fmt(u"%f", 1.0000004), u"1") << "six decimals, rounded";
    EXPECT_EQ(fmt(u"%f", 0.1234567), u"0.123457");
    EXPECT_EQ(fmt(u"rate %f%", 6.75), u"rate 6.75%");
}

TEST(FormatWide, IntegersAndNarrowTexts) {
    EXPECT_EQ(fmt(u"%d", 0), u"0");
    EXPECT_EQ(fmt(u"%d", INT_MAX), u"2147483647");
    EXPECT_EQ(fmt(u"%d", INT_MIN), u"-2147483648");
    EXPECT_EQ(fmt(u"%s paid %s", "Ann", "$1,234"), u"Ann paid $1,234");
    // Each byte is one character: Latin-1 letters keep their code.
    EXPECT_EQ(fmt(u"%s", "Ren\xE9"), u"Ren\u00E9");
    EXPECT_EQ(fmt(u"[%s]", static_cast<const char*>(nullptr)), u"[(null)]");
    EXPECT_EQ(fmt(u"%d/%s/%f", 7, "x", 1.5), u"7/x/1.5") << "arguments are taken in order";
}

TEST(FormatWide, OnlyThreeConversionsEveryOtherPercentIsLiteral) {
    // A width, a length letter or another letter is printed as written and takes no argument:
    // the %d after it still gets the first argument.
    EXPECT_EQ(fmt(u"%5d|%d", 42), u"%5d|42");
    EXPECT_EQ(fmt(u"%ld %x %u %c %d", 9), u"%ld %x %u %c 9");
    EXPECT_EQ(fmt(u"100%"), u"100%");
    // "%%d": the first percent is literal, the second starts a conversion.
    EXPECT_EQ(fmt(u"%%d", 5), u"%5");
}

TEST(FormatWideText, WideTextsAndNumbers) {
    EXPECT_EQ(fmtText(u"Hello %s!", u"Zo\u00EB"), u"Hello Zo\u00EB!");
    EXPECT_EQ(fmtText(u"%s", static_cast<const char16_t*>(nullptr)), u"(null)");
    EXPECT_EQ(fmtText(u"%d %d", -17, INT_MIN), u"-17 -2147483648");
    EXPECT_EQ(fmtText(u"%u", 4294967295u), u"4294967295");
    EXPECT_EQ(fmtText(u"%x %X", 0xBEEFu, 0xBEEFu), u"beef BEEF");
    EXPECT_EQ(fmtText(u"%c%c", 0x141, 'k'), u"Ak") << "%c takes the low byte";
    EXPECT_EQ(fmtText(u"100%%"), u"100%");
}

TEST(FormatWideText, WidthsAndFlags) {
    EXPECT_EQ(fmtText(u"[%5d]", 42), u"[   42]");
    EXPECT_EQ(fmtText(u"[%-5d]", 42), u"[42   ]");
    EXPECT_EQ(fmtText(u"[%05d]", 42), u"[00042]");
    EXPECT_EQ(fmtText(u"[%05d]", -42), u"[-0042]") << "zeros go after the sign";
    EXPECT_EQ(fmtText(u"[%08X]", 0xBEEFu), u"[0000BEEF]");
    EXPECT_EQ(fmtText(u"[%6s]", u"ab"), u"[    ab]");
    EXPECT_EQ(fmtText(u"[%2d]", 12345), u"[12345]") << "a width never cuts";
    EXPECT_EQ(fmtText(u"[%-05d]", 7), u"[7    ]") << "'-' wins over '0'";
}

TEST(FormatWideText, UnknownConversionsPrintNothingAndTakeNoArgument) {
    EXPECT_EQ(fmtText(u"a%fb%d", 3), u"ab3");
    EXPECT_EQ(fmtText(u"a%5qb"), u"ab");
    EXPECT_EQ(fmtText(u"end%"), u"end");
    EXPECT_EQ(fmtText(u"end%-07"), u"end");
}

TEST(Formatters, HugeDoublesAreWrittenInFull) {
    // 1e300 with six decimals is 301 digits before the point: no fixed digit buffer may cut it.
    const std::u16string s = fmt(u"%f", 1e300);
    ASSERT_EQ(s.size(), 301u);
    EXPECT_EQ(s[0], u'1');
    EXPECT_EQ(s.find(u'.'), std::u16string::npos);
}

} // namespace
