// Sound effects: eight channels, the cash register that never overlaps itself, the effect volume
// and missing files.
#include "audio/audio_fixture.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"

namespace audiotest {
namespace {

using bv::playEffect;
using bv::slotSound;

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
        EXPECT_EQ(std::pair(slotSound(1 + k), slotPlaying(1 + k)), std::pair(20 + k, true));
        EXPECT_FLOAT_EQ(slotState(1 + k).volume, 0.8f);
    }
    EXPECT_EQ(std::pair(slotSound(0), slotPlaying(0)), std::pair(0, true)); // the music keeps its own channel

    playEffect(30);
    EXPECT_EQ(channelsPlaying(30), 0);

    // Once one effect has run out, its slot takes the next one.
    setLength(23, 200);
    frames(7); // 231 ms
    EXPECT_FALSE(slotPlaying(4));
    playEffect(30);
    EXPECT_EQ(slotSound(4), 30);
    EXPECT_TRUE(slotPlaying(4));
    EXPECT_EQ(slotSound(3), 22);
}

// All channels busy, a ninth instance of a playing effect starts it over.
TEST_F(Effects, ANinthInstanceOfAPlayingEffectRestartsIt) {
    startAudio();
    fillEffectSlots(20);
    frames(6); // 198 ms into every effect
    ASSERT_EQ(slotState(3).positionMs, 198u);
    playEffect(22);
    EXPECT_EQ(std::pair(slotState(3).positionMs, slotState(3).starts), std::pair(0u, 2u));
    EXPECT_EQ(channelsPlaying(22), 1);
    EXPECT_EQ(std::pair(slotState(2).positionMs, slotState(2).starts), std::pair(198u, 1u)); // runs on
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

    // Once it has run out it plays again.
    frames(30); // past its 1000 ms
    EXPECT_EQ(channelsPlaying(49), 0);
    playEffect(49);
    EXPECT_EQ(channelsPlaying(49), 1);
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

    // Held to 0..10.
    for (const auto& [asked, kept, level] : {std::tuple(12, 10, 1.0f), std::tuple(-2, 0, 0.0f)}) {
        bv::setEffectVolume(asked);
        EXPECT_EQ(std::pair(bv::effectVolume(), slotState(1).volume), std::pair(kept, level)) << asked;
    }
}

TEST_F(Effects, MissingOrUndecodableFilesLeaveTheirSoundSilent) {
    removeSound(48);
    bvtest::writeFile(dir_.file("squirt.wav"), std::string("RIFF but not a sound at all"));
    startAudio();
    EXPECT_EQ(std::pair(bv::soundHandle(48), bv::soundHandle(44)), std::pair(0, 0));
    playEffect(48);
    playEffect(44);
    for (int32_t slot = 1; slot < bv::kAudioSlots; ++slot) EXPECT_FALSE(slotPlaying(slot));
    playEffect(47); // loaded after the undecodable one
    EXPECT_EQ(slotSound(1), 47);
}

} // namespace
} // namespace audiotest
