// A running audio system on the silent sound layer, with every sound file written as a short WAV
// into a folder of its own (loose files, no archive) and a small state table whose states carry
// the game's music selections.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/audio.h"
#include "platform/sound.h"
#include "support/test_support.h"

namespace audiotest {

constexpr uint32_t kEffectMs = 1000;
constexpr uint32_t kTrackMs = 10000;

// A PCM WAV file of `ms` milliseconds: 8-bit mono at 1000 samples a second, one byte per ms.
std::vector<uint8_t> wav(uint32_t ms);

class AudioTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes all fifty files (effects kEffectMs long, music kTrackMs), starts audio and, unless
    // told otherwise, creates all music tracks.
    void startAudio(bool createMusic = true);
    void writeSounds();
    void removeSound(int32_t id);
    void setLength(int32_t id, uint32_t ms);

    // One frame: the clock moves by ticks x 33 ms, then audio updates.
    void frame(int32_t ticks = 1);
    void frames(int32_t count, int32_t ticks = 1);

    // The layer's view of what a slot last started (all zero once that channel has stopped).
    bv::platform::headless::ChannelState slotState(int32_t slot) const;
    bool slotPlaying(int32_t slot) const;
    // How many layer channels play sound `id`.
    int32_t channelsPlaying(int32_t id) const;

    bvtest::TempDir dir_;
    std::filesystem::path oldFolder_;
    int32_t frameCounter_ = 0;
};

} // namespace audiotest
