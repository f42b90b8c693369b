// Dialog frames: the backdrop, the frame's growth, the text dialog's layout and the two message
// states.
#include <gtest/gtest.h>

#include "audio/sound.h"
#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/draw.h"
#include "gfx/format.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui_fixture.h"

namespace {

using namespace uitest;

void noop(int32_t, int32_t, int32_t) {}

// The two dialog states with a board that does nothing of its own.
const bv::StateDef kTable[] = {
    {2, 50, nullptr, nullptr, nullptr, "game", nullptr, {}},
    {27, 50, nullptr, bv::simpleDialogUpdate, nullptr, "simple dialog", nullptr, {}},
    {35, 50, bv::avatarMessageEnter, bv::avatarMessageUpdate, nullptr, "avtr response dlg", nullptr, {}},
};

class Dialogs : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        bv::useStateTable(kTable, 3);
        bv::frameTicks = 1;
        bv::setDialogBoardHooks({});
        moveMouse(0, 0);
    }
    void TearDown() override {
        bv::setDialogBoardHooks({});
        bv::useStateTable(nullptr, 0);
        bv::resetStateMachine();
    }
};

TEST_F(Dialogs, FrameGrowsOutOfItsOriginInTenFrames) {
    bv::openDialogFrom(400, 300);
    EXPECT_EQ(bv::lastSoundRequested(), bv::kSoundClickWhoosh);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bv::dialogFrame(100, 88, 600, 325), 0);
    EXPECT_EQ(bv::lastDialogRect(), (bv::Rect{250, 194, 305, 167}));
    EXPECT_EQ(pixel(250, 194), opaque(framePieceColour(bv::pic::kIconFrameTopLeft)));
    EXPECT_EQ(pixel(249, 194), 0u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(bv::dialogFrame(100, 88, 600, 325), 0);
    EXPECT_EQ(bv::dialogFrame(100, 88, 600, 325), 1) << "the tenth frame opens it";
    EXPECT_EQ(bv::lastDialogRect(), (bv::Rect{100, 88, 600, 325}));
    EXPECT_EQ(bv::dialogFrame(100, 88, 600, 325), 1) << "and it stays open";
    EXPECT_FLOAT_EQ(bv::dialogProgress(), 1.0f);
}

TEST_F(Dialogs, SlowSpeedsAreRaisedToATenth) {
    bv::resetDialog(0.01f);
    EXPECT_EQ(bv::lastSoundRequested(), bv::kSoundOrganicWhoosh21);
    int frames = 0;
    while (!bv::dialogFrame(100, 100, 200, 100) && frames < 100) ++frames;
    EXPECT_EQ(frames + 1, 10);
}

TEST_F(Dialogs, EveryFrameStartsFromTheBackdrop) {
    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0x123456);
    bv::addHotSpot(0, 0, 800, 600, noop, 0);
    bv::openDialogCentred();
    EXPECT_EQ(bv::hotSpotCount(), 0) << "the board's hot spots are gone under a dialog";
    bv::fillRect(bv::frameBuffer, 0, 0, 100, 100, 0xFFFFFF); // drawn after the snapshot
    bv::dialogFrame(300, 250, 200, 100);
    EXPECT_EQ(pixel(10, 10), 0x123456u);
}

// A board drawer: what the backdrop shows is what the board draws at the snapshot.
void drawTestBoard() {
    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0x00AA00);
}

TEST_F(Dialogs, SnapshotDrawsTheBoardFirst) {
    bv::setDialogBoardHooks({drawTestBoard, nullptr});
    bv::snapshotBackdrop();
    bv::fillRect(bv::frameBuffer, 0, 0, bv::kFrameWidth, bv::kFrameHeight, 0);
    bv::restoreBackdrop();
    EXPECT_EQ(pixel(799, 599), 0x00AA00u);
}

TEST_F(Dialogs, GrowthTruncatesEachProductTowardZero) {
    EXPECT_EQ(bv::growDialogRect(400, 300, 10, 100, 88, 600, 325, 0.5f), (bv::Rect{250, 194, 305, 167}));
    EXPECT_EQ(bv::growDialogRect(400, 300, 0, 100, 88, 600, 325, 0.0f), (bv::Rect{400, 300, 0, 0}));
    // -3 x 0.5 = -1.5 becomes -1, not -2.
    EXPECT_EQ(bv::growDialogRect(10, 10, 0, 7, 7, 3, 3, 0.5f), (bv::Rect{9, 9, 1, 1}));
    EXPECT_EQ(bv::growDialogRect(10, 10, 0, 7, 7, 3, 3, 1.7f), (bv::Rect{7, 7, 3, 3}));
}

TEST_F(Dialogs, TextDialogGrowsWithTheFrameTicksAndLaysOutItsTexts) {
    bv::resetDialog(0.25f);
    EXPECT_EQ(bv::textDialog(400, 300, 200, 200, 400, 200, u"Hi", u"Body", u"OK", 2, noop), 0);
    EXPECT_EQ(bv::lastDialogRect(), (bv::Rect{350, 275, 100, 50})) << "a quarter of the way from a point";
    bv::frameTicks = 3; // a slow frame opens it further
    EXPECT_EQ(bv::textDialog(400, 300, 200, 200, 400, 200, u"Hi", u"Body", u"OK", 2, noop), 1);
    EXPECT_EQ(bv::lastDialogRect(), (bv::Rect{200, 200, 400, 200}));
    // Title: centred at x + w / 2 = 400 on the line y + 2L = 230 (L = 15): glyphs 393..405,
    // rows 230..239.
    EXPECT_EQ(pixel(393, 230), opaque(kOtherFontColour));
    EXPECT_EQ(pixel(405, 239), opaque(kOtherFontColour));
    EXPECT_EQ(pixel(393, 229), opaque(framePieceColour(bv::pic::kIconFrameCentre)));
    EXPECT_EQ(pixel(392, 235), opaque(framePieceColour(bv::pic::kIconFrameCentre)));
    // Body: from x + 40 = 240 on the line y + trunc(4.5 L) = 267.
    EXPECT_EQ(pixel(240, 267), opaque(kOtherFontColour));
    EXPECT_EQ(pixel(239, 267), opaque(framePieceColour(bv::pic::kIconFrameCentre)));
    EXPECT_EQ(pixel(240, 266), opaque(framePieceColour(bv::pic::kIconFrameCentre)));
    // The button: label width 14 + 50 = 64 wide, centred at (400, y + h - 40 = 360).
    ASSERT_EQ(bv::hotSpotCount(), 1);
    const bv::HotSpot* h = bv::hotSpotByIndex(0);
    EXPECT_EQ((bv::Rect{h->left, h->top, h->width, h->height}), (bv::Rect{368, 345, 64, 30}));
    EXPECT_EQ(h->value, 2);
    EXPECT_EQ(bv::clipDepth(), 0) << "the clip rectangle is the caller's again";
    EXPECT_EQ(bv::clipRight(), bv::kFrameWidth);
    EXPECT_EQ(bv::textArea().right, bv::kFrameWidth);
}

TEST_F(Dialogs, TextDialogWithoutSpeedTakesTwentyFrames) {
    bv::resetDialog(0.0f);
    int frames = 1;
    while (!bv::textDialog(400, 300, 100, 100, 200, 100, nullptr, nullptr, nullptr, 0, nullptr) &&
           frames < 100)
        ++frames;
    EXPECT_EQ(frames, 20);
    EXPECT_EQ(bv::hotSpotCount(), 0) << "no label, no button";
}

TEST_F(Dialogs, SimpleDialogCentredIsPlacedAroundTheScreenCentre) {
    bv::simpleDialogCentred(2, 400, 200, u"Hi", u"Body");
    EXPECT_EQ(bv::currentStateId(), bv::kStateSimpleDialog);
    const bv::DialogParams p = bv::simpleDialogParams();
    EXPECT_EQ(p.x, 200);
    EXPECT_EQ(p.y, 200);
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.height, 200);
    EXPECT_EQ(p.originX, 400);
    EXPECT_EQ(p.originY, 300);
    EXPECT_EQ(std::u16string(p.title), u"Hi");
    EXPECT_EQ(std::u16string(p.body), u"Body");
    EXPECT_FLOAT_EQ(bv::dialogSpeed(), 1.0f);
    bv::updateCurrentState();
    EXPECT_EQ(bv::lastDialogRect(), (bv::Rect{200, 200, 400, 200})) << "speed 1 opens in one frame";
    EXPECT_EQ(pixel(393, 230), opaque(kOtherFontColour));

    moveMouse(123, 456);
    bv::simpleDialogFromMouse(2, 400, 200, nullptr, u"Body");
    EXPECT_EQ(bv::simpleDialogParams().originX, 123);
    EXPECT_EQ(bv::simpleDialogParams().originY, 456);
    EXPECT_EQ(bv::simpleDialogParams().title, nullptr);
    EXPECT_EQ(bv::simpleDialogParams().x, 200);
}

TEST_F(Dialogs, StoredTextsAreCutToTheirBuffer) {
    std::u16string longBody(3000, u'x');
    bv::showSimpleDialogText(2, 1.0f, 0, 0, 10, 10, 100, 100, nullptr, longBody.c_str());
    EXPECT_EQ(std::u16string(bv::simpleDialogParams().body).size(), size_t(bv::kFormatBufferUnits - 1));
}

bool g_selected = false;
bool houseSelected() {
    return g_selected;
}

TEST_F(Dialogs, AvatarMessageClosesAtOnceWithoutASelectedHouse) {
    bv::setDialogBoardHooks({nullptr, houseSelected});
    g_selected = false;
    bv::showAvatarMessage(2, "noSuchKey", 3);
    EXPECT_EQ(bv::currentStateId(), bv::kStateAvatarMessage);
    EXPECT_EQ(bv::simpleDialogParams().owner, 3);
    EXPECT_EQ(bv::simpleDialogParams().title, nullptr);
    bv::updateCurrentState();
    EXPECT_EQ(bv::currentStateId(), bv::kStateGame);

    g_selected = true;
    bv::showAvatarMessage(2, "noSuchKey", 3);
    for (int i = 0; i < 10; ++i) bv::updateCurrentState();
    EXPECT_EQ(bv::currentStateId(), bv::kStateAvatarMessage);
    EXPECT_EQ(bv::lastDialogRect(), (bv::Rect{80, 200, 640, 200}));
    // The "ok" button, 150 x 30 at (400, 360), goes back with the stored value.
    ASSERT_EQ(bv::hotSpotCount(), 1);
    const bv::HotSpot* h = bv::hotSpotByIndex(0);
    EXPECT_EQ((bv::Rect{h->left, h->top, h->width, h->height}), (bv::Rect{325, 345, 150, 30}));
    EXPECT_EQ(h->value, 2);
    EXPECT_EQ(h->callback, &bv::goStateClick);
}

} // namespace
