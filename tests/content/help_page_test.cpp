// The getting-started page the tutorial opens ships in the game folder as a complete page.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "content/content_support.h"
#include "support/test_support.h"

namespace {

TEST(HelpPage, ShipsBesideTheGameAndCoversTheBasics) {
    const std::vector<uint8_t> bytes = bvtest::readFile(bvtest::gameDir() + "/help/getting_started.html");
    const std::string page(bytes.begin(), bytes.end());
    ASSERT_FALSE(page.empty()) << "help/getting_started.html is missing from the game folder";
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("</html>"), std::string::npos);
    for (const char* topic : {"Make Offer", "Change Rent", "Upgrade", "Sell", "Goals", "End Month"})
        EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

} // namespace
