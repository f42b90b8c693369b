#include <string>

#include "ui/forms.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

class FormsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        bv::pumpInput(); // drop anything left from an earlier test
        bv::formFocus(nullptr);
        bv::formFieldInit(field_, bv::kFieldText, 20);
    }
    void TearDown() override { bv::formFocus(nullptr); }
    bv::FormTextField field_;
};

std::u16string textOf(const bv::FormTextField& f) {
    return std::u16string(f.text, size_t(f.length));
}

// Integer fields take digits and one leading minus, decimal fields one point; numbers are read from
// their first digits and held to range.
TEST_F(FormsTest, NumberFieldsTakeDigitsOneMinusOnePointAndReadBackHeldToRange) {
    bv::formFieldInit(field_, bv::kFieldInteger, 5);
    for (char16_t c : std::u16string(u"-1a-2.3x45")) bv::formFieldType(field_, c);
    EXPECT_EQ(textOf(field_), u"-1234"); // '5' did not fit: five units at most
    EXPECT_FALSE(bv::formFieldType(field_, u'6'));
    field_.caret = 0;
    EXPECT_FALSE(bv::formFieldType(field_, u'-')); // a second minus, even in front
    EXPECT_EQ(bv::formFieldInt(field_), -1234);
    bv::formFieldInit(field_, bv::kFieldDecimal, 20);
    bv::formFieldSet(field_, u"18.5.5");
    EXPECT_EQ(textOf(field_), u"18.55");
    EXPECT_FLOAT_EQ(bv::formFieldFloat(field_), 18.55f);
    bv::formFieldSetFloat(field_, 0.75f);
    EXPECT_EQ(textOf(field_), u"0.750000");
    bv::formFieldInit(field_, bv::kFieldInteger, 20);
    bv::formFieldSet(field_, u"123456789");
    EXPECT_EQ(bv::formFieldInt(field_, 8), 12345678); // the upgrade cost reads 8 characters
    bv::formFieldSet(field_, u"99999999999999");
    EXPECT_EQ(bv::formFieldInt(field_), INT32_MAX);
    bv::formFieldSet(field_, u"-99999999999");
    EXPECT_EQ(bv::formFieldInt(field_), INT32_MIN);
    bv::formFieldSet(field_, u"");
    EXPECT_EQ(bv::formFieldInt(field_), 0);
    bv::formFieldSetInt(field_, -200000);
    EXPECT_EQ(textOf(field_), u"-200000");
}

TEST_F(FormsTest, BackspaceAndDeleteWorkAroundTheCaret) {
    bv::formFieldSet(field_, u"abcd");
    field_.caret = 2;
    EXPECT_TRUE(bv::formFieldType(field_, 8));
    EXPECT_EQ(textOf(field_), u"acd");
    EXPECT_EQ(field_.caret, 1);
    EXPECT_TRUE(bv::formFieldType(field_, 127));
    EXPECT_EQ(textOf(field_), u"ad");
    EXPECT_TRUE(bv::formFieldType(field_, u'X'));
    EXPECT_EQ(textOf(field_), u"aXd");
    field_.caret = 0;
    EXPECT_FALSE(bv::formFieldType(field_, 8));
    field_.caret = field_.length;
    EXPECT_FALSE(bv::formFieldType(field_, 127));
    EXPECT_EQ(field_.text[field_.length], 0);
}

TEST_F(FormsTest, EnterBreaksTheLineOnlyInMultiLineFields) {
    EXPECT_FALSE(bv::formFieldType(field_, 13));
    bv::formFieldInit(field_, bv::kFieldText, 20, true);
    bv::formFieldSet(field_, u"a\nb");
    EXPECT_TRUE(bv::formFieldType(field_, 13));
    EXPECT_EQ(textOf(field_), u"a\nb\n");
}

} // namespace
