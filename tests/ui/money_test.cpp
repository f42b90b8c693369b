// The one text form of money and counts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "ui/money.h"

namespace {

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

TEST(CountText, CommaGroupsWithoutDollarOrAbbreviation) {
    const std::pair<int32_t, const char*> cases[] = {
        {-12345, "-12,345"}, {1234567, "1,234,567"}, {0, "0"}, {INT32_MIN, "-2,147,483,648"}};
    for (const auto& [amount, text] : cases) {
        char buffer[32];
        bv::countStr(buffer, sizeof buffer, amount);
        EXPECT_STREQ(buffer, text);
    }
}

} // namespace
