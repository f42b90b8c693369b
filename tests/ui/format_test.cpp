// The text forms of numbers: the two wide formatters (their conversions, what they copy literally,
// and that no format or argument makes them write past the caller's buffer), and the one text
// form of money.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "gfx/format.h"
#include "ui/money.h"

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

// Doubles lose trailing zeros and a bare point; integers and narrow texts; any '%' but the three
// conversions is literal.
TEST(FormatWide, ThreeConversionsDoublesWithoutTrailingZerosOtherPercentsLiteral) {
    EXPECT_EQ(fmt(u"%f", 18.0), u"18");
    EXPECT_EQ(fmt(u"%f", 5.5), u"5.5");
    EXPECT_EQ(fmt(u"%f", -2.5), u"-2.5");
    EXPECT_EQ(fmt(u"%f", 100.0), u"100") << "zeros before the point stay";
    EXPECT_EQ(fmt(u"%f", 1.0000004), u"1") << "six decimals, rounded";
    EXPECT_EQ(fmt(u"%f", 0.1234567), u"0.123457");
    EXPECT_EQ(fmt(u"rate %f%", 6.75), u"rate 6.75%");
    EXPECT_EQ(fmt(u"%d", 0), u"0");
    EXPECT_EQ(fmt(u"%d", INT_MAX), u"2147483647");
    EXPECT_EQ(fmt(u"%d", INT_MIN), u"-2147483648");
    EXPECT_EQ(fmt(u"%s paid %s", "Ann", "$1,234"), u"Ann paid $1,234");
    // Each byte is one character: Latin-1 letters keep their code.
    EXPECT_EQ(fmt(u"%s", "Ren\xE9"), u"Ren\u00E9");
    EXPECT_EQ(fmt(u"[%s]", static_cast<const char*>(nullptr)), u"[(null)]");
    EXPECT_EQ(fmt(u"%d/%s/%f", 7, "x", 1.5), u"7/x/1.5") << "arguments are taken in order";
    // A width, a length letter or another letter is printed as written and takes no argument:
    // the %d after it still gets the first argument.
    EXPECT_EQ(fmt(u"%5d|%d", 42), u"%5d|42");
    EXPECT_EQ(fmt(u"%ld %x %u %c %d", 9), u"%ld %x %u %c 9");
    EXPECT_EQ(fmt(u"100%"), u"100%");
    // "%%d": the first percent is literal, the second starts a conversion.
    EXPECT_EQ(fmt(u"%%d", 5), u"%5");
}

// Wide texts, numbers, widths and flags; an unknown conversion prints nothing and takes no argument.
TEST(FormatWideText, ConversionsWidthsAndFlags) {
    EXPECT_EQ(fmtText(u"Hello %s!", u"Zo\u00EB"), u"Hello Zo\u00EB!");
    EXPECT_EQ(fmtText(u"%s", static_cast<const char16_t*>(nullptr)), u"(null)");
    EXPECT_EQ(fmtText(u"%d %d", -17, INT_MIN), u"-17 -2147483648");
    EXPECT_EQ(fmtText(u"%u", 4294967295u), u"4294967295");
    EXPECT_EQ(fmtText(u"%x %X", 0xBEEFu, 0xBEEFu), u"beef BEEF");
    EXPECT_EQ(fmtText(u"%c%c", 0x141, 'k'), u"Ak") << "%c takes the low byte";
    EXPECT_EQ(fmtText(u"100%%"), u"100%");
    EXPECT_EQ(fmtText(u"[%5d]", 42), u"[   42]");
    EXPECT_EQ(fmtText(u"[%-5d]", 42), u"[42   ]");
    EXPECT_EQ(fmtText(u"[%05d]", 42), u"[00042]");
    EXPECT_EQ(fmtText(u"[%05d]", -42), u"[-0042]") << "zeros go after the sign";
    EXPECT_EQ(fmtText(u"[%08X]", 0xBEEFu), u"[0000BEEF]");
    EXPECT_EQ(fmtText(u"[%6s]", u"ab"), u"[    ab]");
    EXPECT_EQ(fmtText(u"[%2d]", 12345), u"[12345]") << "a width never cuts";
    EXPECT_EQ(fmtText(u"[%-05d]", 7), u"[7    ]") << "'-' wins over '0'";
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

std::string money(int32_t amount) {
    char buffer[bv::kMoneyTextBytes];
    const int32_t n = bv::moneyStr(buffer, sizeof buffer, amount);
    EXPECT_EQ(n, static_cast<int32_t>(std::strlen(buffer)));
    return buffer;
}

// Each amount in the short form the screens show, and in the editor's full form.
TEST(MoneyText, EveryWorkedExample) {
    const struct {
        int32_t amount;
        const char *text, *full;
    } cases[] = {
        {0, "$0", "$0"},
        {999, "$999", "$999"},
        {1000, "$1,000", nullptr},
        {-4500, "-$4,500", "-$4,500"},
        {99999, "$99,999", nullptr},
        {-99999, "-$99,999", nullptr},
        {100000, "$100K", nullptr},
        {-100000, "-$100K", nullptr},
        {200000, "$200K", "$200,000"},
        {250999, "$250K", nullptr},
        {999999, "$999K", nullptr},
        {1000000, "$1.00 M", nullptr},
        {1250000, "$1.25 M", "$1,250,000"},
        {-1234567, "-$1.23 M", nullptr},
        {INT32_MAX, "$2147.48 M", nullptr},
        {INT32_MIN, "-$2147.48 M", "-$2,147,483,648"}, // its magnitude does not fit 32 bits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(money(c.amount), c.text) << c.amount;
        if (!c.full) continue;
        char buffer[bv::kMoneyTextBytes];
        EXPECT_EQ(bv::moneyStrFull(buffer, sizeof buffer, c.amount), int32_t(std::strlen(c.full)));
        EXPECT_STREQ(buffer, c.full) << c.amount;
    }
    char cut[5];
    EXPECT_EQ(bv::moneyStrFull(cut, sizeof cut, 200000), 4);
    EXPECT_STREQ(cut, "$200");
}

TEST(MoneyText, SharedBufferHoldsTheLatestText) {
    const char* a = bv::moneyStr(1234);
    EXPECT_STREQ(a, "$1,234");
    EXPECT_EQ(bv::moneyStr(-5), a);
    EXPECT_STREQ(a, "-$5");
}

TEST(MoneyText, ShortBuffersAreCutAndTerminated) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(bv::moneyStr(buffer, 4, 1234567), 3);
    EXPECT_STREQ(buffer, "$1.");
    EXPECT_EQ(buffer[4], 'x'); // nothing past the capacity
    EXPECT_EQ(bv::moneyStr(buffer, 1, 5), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(bv::moneyStr(buffer, 0, 5), 0);
    EXPECT_EQ(bv::moneyStr(nullptr, 100, 5), 0);
    EXPECT_EQ(bv::moneyStr(buffer, 7, -4500), 6);
    EXPECT_STREQ(buffer, "-$4,50");
}

} // namespace
