// Lettered string-table keys: building them, counting the letters present, wrapping round.
#include <gtest/gtest.h>

#include <string>

#include "assets/asset_fixture.h"
#include "assets/text_keys.h"

namespace {

std::u16string str(const char16_t* t) {
    return t ? std::u16string(t) : std::u16string(u"<none>");
}

class TextKeysTest : public bvtest::AssetFolderTest {
  protected:
    void SetUp() override {
        AssetFolderTest::SetUp();
        bvtest::writeFile(file("t.txt"),
                          bvtest::tableFile(u"\"tripleA\" \"one\" \"tripleB\" \"two\" \"tripleC\" \"three\"\n"
                                            u"\"tripleE\" \"five\" \"mixa\" \"m0\" \"MIXB\" \"m1\"\n"
                                            u"\"gapA\" \"g0\" \"gapC\" \"g2\"\n"));
        bv::initText("t.txt");
    }
};

TEST_F(TextKeysTest, KeyIsTheBaseFollowedByACapitalLetter) {
    EXPECT_STREQ(bv::variantKey("creditR", 0), "creditRA");
    EXPECT_STREQ(bv::variantKey("abbrevMonth", 11), "abbrevMonthL");
    EXPECT_STREQ(bv::variantKey("", 25), "Z");
    char small[6];
    bv::variantKeyInto(small, sizeof small, "longbase", 1);
    EXPECT_STREQ(small, "longb"); // cut to the caller's buffer
}

TEST_F(TextKeysTest, LookupFindsTheLetteredTextAndCountStopsAtAGap) {
    EXPECT_EQ(str(bv::lookupVariant("triple", 1)), u"two");
    EXPECT_EQ(bv::lookupVariant("triple", 3), nullptr);
    EXPECT_EQ(str(bv::lookupVariant("triple", 4)), u"five");
    // The count stops at the first missing letter, whatever the case of the others.
    EXPECT_EQ(bv::variantCount("triple"), 3); // E exists but D does not
    EXPECT_EQ(bv::variantCount("mix"), 2);
    EXPECT_EQ(bv::variantCount("gap"), 1);
    EXPECT_EQ(bv::variantCount("absent"), 0);
}

TEST_F(TextKeysTest, WrappedLookupGoesRoundTheVariantsPresent) {
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", 7)), u"two"); // 7 mod 3 = 1: B
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", 2)), u"three");
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", 3)), u"one");
    EXPECT_EQ(str(bv::lookupVariantWrapped("triple", -1)), u"three");
    EXPECT_EQ(str(bv::lookupVariantWrapped("absent", 4)), u"");
}

} // namespace
