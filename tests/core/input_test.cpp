// Polled input: edges, held counters, focus, key slots and the direction queries.
#include <gtest/gtest.h>

#include "core/input.h"
#include "platform/platform.h"

namespace {

using bv::platform::Event;

void send(Event::Type type, int32_t key = 0, int32_t x = 0, int32_t y = 0) {
    Event e;
    e.type = type;
    e.key = key;
    e.x = x;
    e.y = y;
    bv::handleWindowEvent(e);
}

class Input : public ::testing::Test {
  protected:
    void SetUp() override { bv::resetInput(); }
};

TEST_F(Input, MouseButtonHeldThreeFramesGivesOneEdgeAndGrowingCounts) {
    send(Event::LeftDown, 0, 10, 20);
    int pressed[3], held[3];
    for (int i = 0; i < 3; ++i) {
        bv::stepKeys();
        pressed[i] = bv::leftClicked();
        held[i] = bv::leftHeld();
    }
    EXPECT_EQ(pressed[0], 1);
    EXPECT_EQ(pressed[1], 0);
    EXPECT_EQ(pressed[2], 0);
    EXPECT_EQ(held[0], 2);
    EXPECT_EQ(held[1], 3);
    EXPECT_EQ(held[2], 4);
    EXPECT_EQ(bv::mousePos().x, 10);
    EXPECT_EQ(bv::mousePos().y, 20);
}

TEST_F(Input, HeldCountSaturatesAt250From249thFrame) {
    send(Event::KeyDown, 13);
    for (int frame = 1; frame <= 300; ++frame) {
        bv::stepKeys();
        int expected = frame + 1 > 250 ? 250 : frame + 1;
        ASSERT_EQ(bv::heldFrames(bv::kSlotEnter), expected) << "frame " << frame;
    }
}

TEST_F(Input, AutoRepeatRestartsTheCountWithoutANewPress) {
    send(Event::KeyDown, 37);
    bv::stepKeys();
    bv::stepKeys();
    EXPECT_EQ(bv::heldFrames(bv::kSlotLeft), 3);
    send(Event::KeyDown, 37); // auto-repeat
    bv::stepKeys();
    EXPECT_FALSE(bv::isPressed(bv::kSlotLeft));
    EXPECT_EQ(bv::heldFrames(bv::kSlotLeft), 2);
}

TEST_F(Input, PressAndReleaseInsideOnePumpIsNotSeen) {
    send(Event::KeyDown, 'B');
    send(Event::KeyUp, 'B');
    bv::stepKeys();
    EXPECT_FALSE(bv::isPressed(bv::kSlotB));
    EXPECT_EQ(bv::heldFrames(bv::kSlotB), 0);
}

TEST_F(Input, LosingFocusReleasesKeysAndFreezesTheCursor) {
    send(Event::KeyDown, 'V');
    bv::stepKeys();
    bv::setCursor(3);
    EXPECT_EQ(bv::cursorKind(), 3);
    send(Event::FocusLost);
    bv::stepKeys();
    EXPECT_EQ(bv::heldFrames(bv::kSlotV), 0);
    EXPECT_TRUE(bv::hasFocusLost());
    bv::setCursor(0);
    EXPECT_EQ(bv::cursorKind(), 3);
    send(Event::FocusGained);
    bv::setCursor(0);
    EXPECT_EQ(bv::cursorKind(), 0);
}

TEST_F(Input, SlotTableMapsTheListedKeysOnly) {
    EXPECT_EQ(bv::slotOfVirtualKey(37), 0);
    EXPECT_EQ(bv::slotOfVirtualKey(40), 3);
    EXPECT_EQ(bv::slotOfVirtualKey(113), 14); // F2
    EXPECT_EQ(bv::slotOfVirtualKey(120), 21); // F9
    EXPECT_EQ(bv::slotOfVirtualKey(112), -1); // F1 is not read
    EXPECT_EQ(bv::slotOfVirtualKey('0'), 22);
    EXPECT_EQ(bv::slotOfVirtualKey('9'), 31);
    EXPECT_EQ(bv::slotOfVirtualKey('V'), 44);
    EXPECT_EQ(bv::slotOfVirtualKey('A'), -1);
    EXPECT_EQ(bv::slotOfVirtualKey(27), 48);
    EXPECT_EQ(bv::slotOfVirtualKey(46), 52);
    EXPECT_EQ(bv::slotByName("escape"), 48);
    EXPECT_EQ(bv::slotByName("F9"), 21);
    EXPECT_EQ(bv::slotByName("nope"), -1);
}

TEST_F(Input, DeleteTypesCharacter127NextFrame) {
    bv::pumpInput();
    send(Event::KeyDown, 46);
    EXPECT_EQ(bv::typedChar(), 0);
    bv::pumpInput(); // the character pending from last frame's pump is reported now
    EXPECT_EQ(bv::typedChar(), 127);
    bv::pumpInput();
    EXPECT_EQ(bv::typedChar(), 0);
}

TEST_F(Input, CtrlPasteInEitherOrder) {
    send(Event::KeyDown, 17);
    bv::stepKeys();
    send(Event::KeyDown, 'V');
    bv::stepKeys();
    EXPECT_TRUE(bv::ctrlPaste());
    EXPECT_FALSE(bv::ctrlCopy());
    bv::resetInput();
    send(Event::KeyDown, 'C');
    bv::stepKeys();
    send(Event::KeyDown, 17);
    bv::stepKeys();
    EXPECT_TRUE(bv::ctrlCopy());
}

TEST_F(Input, MouseMoveIsRecordedOnlyWhenThePositionChanges) {
    send(Event::MouseMove, 0, 5, 6);
    EXPECT_TRUE(bv::mouseMoved());
    bv::pumpInput(); // clears the flag
    send(Event::MouseMove, 0, 5, 6);
    EXPECT_FALSE(bv::mouseMoved());
}

TEST_F(Input, AltEnterAsksForFullScreenAndIsNotAnEnterPress) {
    Event e;
    e.type = Event::KeyDown;
    e.key = 13;
    e.alt = true;
    bv::handleWindowEvent(e);
    EXPECT_TRUE(bv::fullScreenToggleRequested());
    bv::stepKeys();
    EXPECT_FALSE(bv::isPressed(bv::kSlotEnter));
}

TEST_F(Input, CloseRaisesTheQuitRequest) {
    send(Event::Close);
    EXPECT_TRUE(bv::quitRequested());
    bv::setQuitRequested(false);
    EXPECT_FALSE(bv::quitRequested());
}

} // namespace
