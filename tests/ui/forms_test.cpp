#include <filesystem>
#include <string>

#include "ui/forms.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

constexpr uint32_t kInk = 0x101010;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSelectedRow = 0x3060C0;

void typeChar(char16_t c) {
    bv::platform::Event e;
    e.type = bv::platform::Event::Char;
    e.ch = c;
    bv::handleWindowEvent(e);
    bv::pumpInput();
}

// Frames with nothing new in them: no click, no character.
void quietFrame() {
    bv::pumpInput();
}

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

TEST_F(FormsTest, IntegerFieldsTakeDigitsAndOneLeadingMinus) {
    bv::formFieldInit(field_, bv::kFieldInteger, 5);
    for (char16_t c : std::u16string(u"-1a-2.3x45")) bv::formFieldType(field_, c);
    EXPECT_EQ(textOf(field_), u"-1234"); // '5' did not fit: five units at most
    EXPECT_FALSE(bv::formFieldType(field_, u'6'));
    field_.caret = 0;
    EXPECT_FALSE(bv::formFieldType(field_, u'-')); // a second minus, even in front
    EXPECT_EQ(bv::formFieldInt(field_), -1234);
}

TEST_F(FormsTest, DecimalFieldsTakeOnePointAndReadBackAsFloat) {
    bv::formFieldInit(field_, bv::kFieldDecimal, 20);
    bv::formFieldSet(field_, u"18.5.5");
    EXPECT_EQ(textOf(field_), u"18.55");
    EXPECT_FLOAT_EQ(bv::formFieldFloat(field_), 18.55f);
    bv::formFieldSetFloat(field_, 0.75f);
    EXPECT_EQ(textOf(field_), u"0.750000");
}

TEST_F(FormsTest, NumbersReadFromTheirFirstDigitsAndHeldToRange) {
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

TEST_F(FormsTest, LongTextIsCutToTheCapacity) {
    bv::formFieldInit(field_, bv::kFieldText, 5000);
    EXPECT_EQ(field_.maxLength, bv::kFormTextUnits - 1);
    std::u16string many(1500, u'x');
    bv::formFieldSet(field_, many.c_str());
    EXPECT_EQ(field_.length, 1000);
    EXPECT_EQ(field_.text[1000], 0);
}

TEST_F(FormsTest, ClickedFieldTakesTypedCharactersAndShowsThem) {
    bv::formTextField(100, 100, 200, 24, field_); // not focused: typing goes nowhere
    typeChar(u'q');
    EXPECT_FALSE(bv::formTextField(100, 100, 200, 24, field_));
    EXPECT_EQ(field_.length, 0);

    quietFrame();
    pressAt(150, 110);
    bv::formTextField(100, 100, 200, 24, field_);
    EXPECT_EQ(bv::formFocused(), &field_);
    release(150, 110);
    typeChar(u'H');
    EXPECT_TRUE(bv::formTextField(100, 100, 200, 24, field_));
    EXPECT_EQ(textOf(field_), u"H");
    // The glyph stands 3 pixels in from the corner in the field's ink; the caret follows it.
    EXPECT_EQ(pixel(103, 103), kInk);
    EXPECT_EQ(pixel(103 + kGlyphWidth - 1, 103 + kGlyphHeight - 1), kInk);
    EXPECT_EQ(pixel(103 + kGlyphWidth, 104), kWhite);
    EXPECT_EQ(pixel(103 + kGlyphAdvance, 104), kInk); // caret
    EXPECT_EQ(pixel(150, 110), kWhite);
    EXPECT_NE(pixel(100, 100), kWhite); // border
}

TEST_F(FormsTest, ASingleLineRunningPastTheBoxSlidesToKeepTheCaretInView) {
    bv::formFocus(&field_);
    bv::formFieldSet(field_, u"ABCDEFGHIJKLMNOPQRST"); // 20 glyphs, 140 pixels
    quietFrame();
    bv::formTextField(100, 100, 60, 24, field_);
    // The caret sits 2 pixels inside the text's right edge, the last glyph just before it.
    const int32_t caretX = 100 + 60 - 3 - 2;
    EXPECT_EQ(pixel(caretX, 104), kInk);
    EXPECT_EQ(pixel(caretX - 1, 104), kWhite);
    EXPECT_EQ(pixel(caretX - 2, 104), kInk);
    // Nothing is drawn outside the box.
    EXPECT_EQ(pixel(99, 104), 0u);
    EXPECT_EQ(pixel(160, 104), 0u);
}

TEST_F(FormsTest, CheckBoxesToggleFromTheBoxOrTheLabel) {
    bool value = false;
    pressAt(55, 55);
    EXPECT_TRUE(bv::formCheckBox(50, 50, u"Grid On", value));
    EXPECT_TRUE(value);
    EXPECT_EQ(pixel(56, 56), kInk);
    release(55, 55);
    quietFrame();
    EXPECT_FALSE(bv::formCheckBox(50, 50, u"Grid On", value));
    pressAt(50 + bv::kFormBoxSize + 10, 55); // on the label
    EXPECT_TRUE(bv::formCheckBox(50, 50, u"Grid On", value));
    EXPECT_FALSE(value);
    EXPECT_EQ(pixel(56, 56), kWhite);
}

TEST_F(FormsTest, RadioButtonsSelectTheirValue) {
    int32_t group = 2;
    quietFrame();
    bv::formRadio(50, 50, u"Easy", group, 0);
    bv::formRadio(50, 70, u"Hard", group, 2);
    EXPECT_EQ(pixel(56, 56), kWhite);
    EXPECT_EQ(pixel(56, 76), kInk);
    pressAt(55, 55);
    EXPECT_TRUE(bv::formRadio(50, 50, u"Easy", group, 0));
    EXPECT_FALSE(bv::formRadio(50, 70, u"Hard", group, 2));
    EXPECT_EQ(group, 0);
}

TEST_F(FormsTest, ButtonsClickOnlyInsideAndWhenEnabled) {
    pressAt(160, 115);
    EXPECT_TRUE(bv::formButton(100, 100, 120, 30, u"OK"));
    EXPECT_FALSE(bv::formButton(100, 100, 120, 30, u"OK", false));
    EXPECT_FALSE(bv::formButton(300, 100, 120, 30, u"Cancel"));
}

TEST_F(FormsTest, ListBoxSelectsRowsAndScrollsWithinItsItems) {
    const char16_t* items[] = {u"a", u"b", u"c", u"d", u"e", u"f"};
    bv::FormListBox list{-1, 0};
    const int32_t height = 4 + 3 * bv::kFormListRowHeight; // three rows
    ASSERT_EQ(bv::formListRows(height), 3);
    // A click in the third row.
    pressAt(60, 52 + 2 * bv::kFormListRowHeight + 5);
    EXPECT_TRUE(bv::formListBox(50, 50, 200, height, items, 6, list));
    EXPECT_EQ(list.selected, 2);
    EXPECT_EQ(pixel(60, 52 + 2 * bv::kFormListRowHeight + 1), kSelectedRow);
    EXPECT_EQ(pixel(60, 52 + bv::kFormListRowHeight + 1), kWhite);
    release(60, 60);
    // Down five times: the list stops with its last item in the last row.
    for (int i = 0; i < 5; ++i) {
        pressAt(250 - 5, 50 + height - 5);
        bv::formListBox(50, 50, 200, height, items, 6, list);
        release(250 - 5, 50 + height - 5);
    }
    EXPECT_EQ(list.top, 3);
    pressAt(60, 53);
    bv::formListBox(50, 50, 200, height, items, 6, list);
    EXPECT_EQ(list.selected, 3);
    release(60, 53);
    pressAt(245, 55);
    bv::formListBox(50, 50, 200, height, items, 6, list);
    EXPECT_EQ(list.top, 2);
}

TEST_F(FormsTest, ListBoxIgnoresClicksBelowItsItemsAndDropsAStaleSelection) {
    const char16_t* items[] = {u"only"};
    bv::FormListBox list{5, 0};
    pressAt(60, 52 + 2 * bv::kFormListRowHeight + 3);
    EXPECT_FALSE(bv::formListBox(50, 50, 200, 100, items, 1, list));
    EXPECT_EQ(list.selected, -1);
}

TEST_F(FormsTest, FileChoiceListsMatchingFilesAndReturnsTheChosenName) {
    bvtest::TempDir dir;
    bvtest::writeFile(dir.file("town.map"), std::string("m"));
    bvtest::writeFile(dir.file("Alpha.MAP"), std::string("m"));
    bvtest::writeFile(dir.file("notes.txt"), std::string("t"));
    std::filesystem::create_directories(dir.file("folder.map"));
    bv::openFileChoice(u"Map Browser", dir.path().c_str(), "*.map");
    ASSERT_EQ(bv::fileChoiceCount(), 2);
    EXPECT_EQ(std::u16string(bv::fileChoiceEntry(0)), u"Alpha.MAP");
    EXPECT_EQ(std::u16string(bv::fileChoiceEntry(1)), u"town.map");
    EXPECT_EQ(bv::fileChoiceEntry(2), nullptr);

    quietFrame();
    EXPECT_EQ(bv::fileChoiceForm(), 0);
    // OK waits for a choice; then a click on the second row and OK.
    pressAt(400 - 130 + 60, 100 + 400 - 50 + 15);
    EXPECT_EQ(bv::fileChoiceForm(), 0);
    release(0, 0);
    pressAt(250, 152 + bv::kFormListRowHeight + 4);
    EXPECT_EQ(bv::fileChoiceForm(), 0);
    release(0, 0);
    pressAt(400 - 130 + 60, 100 + 400 - 50 + 15);
    EXPECT_EQ(bv::fileChoiceForm(), 1);
    EXPECT_STREQ(bv::fileChoiceName(), "town.map");
}

TEST_F(FormsTest, FileChoiceCancelsAndCopesWithAMissingFolder) {
    bv::openFileChoice(u"Scenario Browser", "/no/such/folder", "*.bvx");
    EXPECT_EQ(bv::fileChoiceCount(), 0);
    pressAt(400 + 10 + 60, 100 + 400 - 50 + 15);
    EXPECT_EQ(bv::fileChoiceForm(), -1);
    EXPECT_STREQ(bv::fileChoiceName(), "");
}

} // namespace
