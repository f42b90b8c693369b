// The one text form of money and counts.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "ui/money.h"

namespace {

std::string money(int32_t amount) {
    char buffer[bv::kMoneyTextBytes];
    const int32_t n = bv::moneyStr(buffer, sizeof buffer, amount);
    EXPECT_EQ(n, static_cast<int32_t>(std::strlen(buffer)));
    return buffer;
}

TEST(MoneyText, EveryWorkedExample) {
    EXPECT_EQ(money(0), "$0");
    EXPECT_EQ(money(7), "$7");
    EXPECT_EQ(money(999), "$999");
    EXPECT_EQ(money(1000), "$1,000");
    EXPECT_EQ(money(1234), "$1,234");
    EXPECT_EQ(money(-4500), "-$4,500");
    EXPECT_EQ(money(99999), "$99,999");
    EXPECT_EQ(money(-99999), "-$99,999");
    EXPECT_EQ(money(100000), "$100K");
    EXPECT_EQ(money(-100000), "-$100K");
    EXPECT_EQ(money(250999), "$250K");
    EXPECT_EQ(money(999999), "$999K");
    EXPECT_EQ(money(1000000), "$1.00 M");
    EXPECT_EQ(money(1250000), "$1.25 M");
    EXPECT_EQ(money(-1234567), "-$1.23 M");
    EXPECT_EQ(money(-3000000), "-$3.00 M");
    EXPECT_EQ(money(INT32_MAX), "$2147.48 M");
    EXPECT_EQ(money(INT32_MIN), "-$2147.48 M"); // its magnitude does not fit 32 bits
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

TEST(MoneyText, TheEditorsFullFormNeverAbbreviates) {
    const struct {
        int32_t amount;
        const char* text;
    } cases[] = {{0, "$0"},          {999, "$999"},           {200000, "$200,000"},
                 {-4500, "-$4,500"}, {1250000, "$1,250,000"}, {INT32_MIN, "-$2,147,483,648"}};
    for (const auto& c : cases) {
        char buffer[bv::kMoneyTextBytes];
        EXPECT_EQ(bv::moneyStrFull(buffer, sizeof buffer, c.amount), int32_t(std::strlen(c.text)));
        EXPECT_STREQ(buffer, c.text) << c.amount;
    }
    char cut[5];
    EXPECT_EQ(bv::moneyStrFull(cut, sizeof cut, 200000), 4);
    EXPECT_STREQ(cut, "$200");
}

TEST(CountText, CommaGroupsWithoutDollarOrAbbreviation) {
    char buffer[32];
    bv::countStr(buffer, sizeof buffer, -12345);
    EXPECT_STREQ(buffer, "-12,345");
    bv::countStr(buffer, sizeof buffer, 1234567);
    EXPECT_STREQ(buffer, "1,234,567");
    bv::countStr(buffer, sizeof buffer, 0);
    EXPECT_STREQ(buffer, "0");
    bv::countStr(buffer, sizeof buffer, INT32_MIN);
    EXPECT_STREQ(buffer, "-2,147,483,648");
}

} // namespace
