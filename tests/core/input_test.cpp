// Polled input: edges, held counters, focus, key slots and the direction queries.
#include <gtest/gtest.h>

#include <utility>

#include "core/input.h"
#include "platform/platform.h"
#include "support/events.h"

namespace {

using bv::platform::Event;

void send(Event::Type type, int32_t key = 0, int32_t x = 0, int32_t y = 0) {
    bv::handleWindowEvent(bvtest::event(type, key, x, y));
}

class Input : public ::testing::Test {
  protected:
    void SetUp() override { bv::resetInput(); }
};

TEST_F(Input, HeldCountsEdgesAndAutoRepeat) {
    send(Event::LeftDown, 0, 10, 20);
    for (int frame = 1; frame <= 3; ++frame) {
        bv::stepKeys();
        EXPECT_EQ(bv::leftClicked(), frame == 1 ? 1 : 0) << frame;
        EXPECT_EQ(bv::leftHeld(), frame + 1) << frame;
    }
    EXPECT_EQ(std::pair(bv::mousePos().x, bv::mousePos().y), std::pair(10, 20));
    send(Event::KeyDown, 13);
    for (int frame = 1; frame <= 300; ++frame) {
        bv::stepKeys();
        ASSERT_EQ(bv::heldFrames(bv::kSlotEnter), frame + 1 > 250 ? 250 : frame + 1) << "frame " << frame;
    }
    send(Event::KeyDown, 37);
    bv::stepKeys();
    bv::stepKeys();
    EXPECT_EQ(bv::heldFrames(bv::kSlotLeft), 3);
    send(Event::KeyDown, 37); // auto-repeat restarts the count without a new press
    bv::stepKeys();
    EXPECT_EQ(std::pair(bv::isPressed(bv::kSlotLeft), bv::heldFrames(bv::kSlotLeft)), std::pair(false, 2));
    send(Event::KeyDown, 'B'); // pressed and released inside one pump: not seen
    send(Event::KeyUp, 'B');
    bv::stepKeys();
    EXPECT_EQ(std::pair(bv::isPressed(bv::kSlotB), bv::heldFrames(bv::kSlotB)), std::pair(false, 0));
}

TEST_F(Input, LosingFocusReleasesKeysAndFreezesTheCursor) {
    send(Event::KeyDown, 'V');
    bv::stepKeys();
    bv::setCursor(3);
    send(Event::FocusLost);
    bv::stepKeys();
    EXPECT_EQ(bv::heldFrames(bv::kSlotV), 0);
    bv::setCursor(0);
    EXPECT_EQ(bv::cursorKind(), 3);
    send(Event::FocusGained);
    bv::setCursor(0);
    EXPECT_EQ(bv::cursorKind(), 0);
}

TEST_F(Input, SlotTableMapsTheListedKeysOnly) {
    const struct {
        int32_t key, slot;
    } cases[] = {{37, 0},   {40, 3},   {113, 14}, {120, 21}, {112, -1}, {'0', 22},
                 {'9', 31}, {'V', 44}, {'A', -1}, {27, 48},  {46, 52}};
    for (const auto& c : cases) EXPECT_EQ(bv::slotOfVirtualKey(c.key), c.slot) << "key " << c.key;
}

TEST_F(Input, DeleteCtrlKeysMouseMovesAltEnterAndClose) {
    bv::pumpInput();
    send(Event::KeyDown, 46);
    EXPECT_EQ(bv::typedChar(), 0);
    bv::pumpInput(); // Delete types character 127, reported the frame after
    EXPECT_EQ(bv::typedChar(), 127);
    for (bool ctrlFirst : {true, false}) {
        bv::resetInput();
        send(Event::KeyDown, ctrlFirst ? 17 : 'V');
        bv::stepKeys();
        send(Event::KeyDown, ctrlFirst ? 'V' : 17);
        bv::stepKeys();
        EXPECT_TRUE(bv::ctrlPaste() && !bv::ctrlCopy()) << ctrlFirst;
    }
    send(Event::MouseMove, 0, 5, 6);
    EXPECT_TRUE(bv::mouseMoved());
    bv::pumpInput();
    send(Event::MouseMove, 0, 5, 6); // the same position: no move
    EXPECT_FALSE(bv::mouseMoved());
    Event e = bvtest::event(Event::KeyDown, 13);
    e.alt = true;
    bv::handleWindowEvent(e);
    EXPECT_TRUE(bv::fullScreenToggleRequested());
    bv::stepKeys();
    EXPECT_FALSE(bv::isPressed(bv::kSlotEnter));
    send(Event::Close);
    EXPECT_TRUE(bv::quitRequested());
}

} // namespace
