// Sound effects: eight channels, the per-sound rules, the effect volume and missing files.
#include "audio/audio_fixture.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"

namespace audiotest {
namespace {

using bv::playEffect;
using bv::slotSound;
namespace headless = bv::platform::headless;

class Effects : public AudioTest {
  protected:
    // Effects first..first+7 on slots 1..8, with the title music on slot 0.
    void fillEffectSlots(int32_t first) {
        bv::changeState(bv::kStateAttract);
        for (int32_t k = 0; k < 8; ++k) playEffect(first + k);
    }
    int32_t slotOf(int32_t id) const {
        for (int32_t slot = 1; slot < bv::kAudioSlots; ++slot)
            if (slotSound(slot) == id && slotPlaying(slot)) return slot;
        return -1;
    }
};

TEST_F(Effects, EightEffectsPlayAndANinthWaitsForAFreeChannel) {
    startAudio();
    fillEffectSlots(20);
    for (int32_t k = 0; k < 8; ++k) {
        EXPECT_EQ(slotSound(1 + k), 20 + k);
        EXPECT_TRUE(slotPlaying(1 + k));
        EXPECT_FLOAT_EQ(slotState(1 + k).volume, 0.8f);
    }
    EXPECT_EQ(slotSound(0), 0); // the music keeps its own channel
    EXPECT_TRUE(slotPlaying(0));

    bv::platform::ChannelHandle before[bv::kAudioSlots];
    for (int32_t slot = 0; slot < bv::kAudioSlots; ++slot) before[slot] = bv::slotChannel(slot);
    playEffect(30);
    EXPECT_EQ(channelsPlaying(30), 0);
    for (int32_t slot = 0; slot < bv::kAudioSlots; ++slot) EXPECT_EQ(bv::slotChannel(slot), before[slot]);

    // Once one effect has run out, its slot takes the next one.
    setLength(23, 200);
    frames(7); // 231 ms
    EXPECT_FALSE(slotPlaying(4));
    playEffect(30);
    EXPECT_EQ(slotSound(4), 30);
    EXPECT_TRUE(slotPlaying(4));
    EXPECT_EQ(slotSound(3), 22);
}

// All channels busy, a ninth instance of a playing effect starts it over; one marked keep plays on.
TEST_F(Effects, ANinthInstanceOfAPlayingEffectRestartsItUnlessMarkedKeep) {
    startAudio();
    bv::setSoundFlags(23, bv::kSoundKeepWhenAllBusy);
    fillEffectSlots(20);
    frames(6); // 198 ms into every effect
    ASSERT_EQ(slotState(3).positionMs, 198u);
    playEffect(22);
    EXPECT_EQ(std::pair(slotState(3).positionMs, slotState(3).starts), std::pair(0u, 2u));
    EXPECT_EQ(channelsPlaying(22), 1);
    EXPECT_EQ(std::pair(slotState(2).positionMs, slotState(2).starts), std::pair(198u, 1u)); // runs on
    playEffect(23);
    EXPECT_EQ(std::pair(slotState(4).positionMs, slotState(4).starts), std::pair(198u, 1u));
}

TEST_F(Effects, TheCashRegisterNeverOverlapsItselfNorStartsOver) {
    startAudio();
    playEffect(49);
    frames(3);
    playEffect(49);
    playEffect(49);
    EXPECT_EQ(channelsPlaying(49), 1);
    int32_t slot = slotOf(49);
    ASSERT_GE(slot, 1);
    EXPECT_EQ(std::pair(slotState(slot).positionMs, slotState(slot).starts), std::pair(99u, 1u));

    // All channels busy: it is not cut back to its start either.
    for (int32_t id = 20; id < 27; ++id) playEffect(id);
    frames(1);
    playEffect(49);
    EXPECT_EQ(slotState(slot).positionMs, 132u);

    // Once it has run out it plays again.
    frames(30); // past its 1000 ms
    EXPECT_EQ(channelsPlaying(49), 0);
    playEffect(49);
    EXPECT_EQ(channelsPlaying(49), 1);
}

// A once-per-run effect plays the first time only; one marked as played never plays.
TEST_F(Effects, AOncePerRunEffectPlaysOnlyTheFirstTime) {
    startAudio();
    bv::setSoundFlags(33, bv::kSoundOncePerRun);
    bv::setSoundFlags(34, bv::kSoundPlayed);
    playEffect(33);
    EXPECT_EQ(channelsPlaying(33), 1);
    EXPECT_EQ(bv::soundFlags(33), bv::kSoundOncePerRun | bv::kSoundPlayed);
    frames(40); // it has ended
    playEffect(33);
    playEffect(34);
    EXPECT_EQ(channelsPlaying(33) + channelsPlaying(34), 0);
}

TEST_F(Effects, TheEffectVolumeAppliesToPlayingEffectsOnly) {
    EXPECT_EQ(std::pair(bv::musicVolume(), bv::effectVolume()), std::pair(30, 8)); // the defaults
    startAudio();
    bv::changeState(bv::kStateAttract);
    bv::setMusicVolume(55);
    playEffect(20);
    playEffect(21);
    bv::setEffectVolume(3);
    EXPECT_FLOAT_EQ(slotState(1).volume, 0.3f);
    EXPECT_FLOAT_EQ(slotState(2).volume, 0.3f);
    EXPECT_FLOAT_EQ(slotState(0).volume, 0.55f);
    playEffect(22);
    EXPECT_FLOAT_EQ(slotState(3).volume, 0.3f);

    bv::setEffectVolume(12);
    EXPECT_EQ(bv::effectVolume(), 10);
    EXPECT_FLOAT_EQ(slotState(1).volume, 1.0f);
    bv::setEffectVolume(-2);
    EXPECT_EQ(bv::effectVolume(), 0);
    EXPECT_FLOAT_EQ(slotState(1).volume, 0.0f);
}

TEST_F(Effects, MissingOrUndecodableFilesLeaveTheirSoundSilent) {
    removeSound(48);
    bvtest::writeFile(dir_.file("squirt.wav"), std::string("RIFF but not a sound at all"));
    startAudio();
    EXPECT_EQ(bv::soundHandle(48), 0);
    EXPECT_EQ(bv::soundHandle(44), 0);
    for (int32_t id = 0; id < bv::kSoundCount; ++id) {
        if (id != 44 && id != 48) {
            EXPECT_NE(bv::soundHandle(id), 0) << id;
        }
    }
    playEffect(48);
    playEffect(44);
    for (int32_t slot = 1; slot < bv::kAudioSlots; ++slot) EXPECT_FALSE(slotPlaying(slot));
    playEffect(47);
    EXPECT_EQ(slotSound(1), 47);
}

} // namespace
} // namespace audiotest
