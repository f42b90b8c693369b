#include "audio/audio_fixture.h"

#include "assets/archive.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "platform/platform.h"
#include "support/bytes.h"

namespace audiotest {

namespace headless = bv::platform::headless;

namespace {

// The game's music selections on states without operations: 0 and 4 the title music, 60 the win
// music, the board the playlist.
const bv::StateDef kRows[] = {
    {0, 0, nullptr, nullptr, nullptr, "attract", nullptr, {}},
    {2, 50, nullptr, nullptr, nullptr, "game", nullptr, {}},
    {4, 0, nullptr, nullptr, nullptr, "setup", nullptr, {}},
    {60, 16, nullptr, nullptr, nullptr, "you win", nullptr, {}},
};

} // namespace

std::vector<uint8_t> wav(uint32_t ms) {
    std::vector<uint8_t> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    bvtest::putLE32(out, 36 + ms);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    bvtest::putLE32(out, 16);
    bvtest::putLE16(out, 1);    // PCM
    bvtest::putLE16(out, 1);    // mono
    bvtest::putLE32(out, 1000); // samples per second
    bvtest::putLE32(out, 1000); // bytes per second
    bvtest::putLE16(out, 1);
    bvtest::putLE16(out, 8);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    bvtest::putLE32(out, ms);
    for (uint32_t i = 0; i < ms; ++i) out.push_back(static_cast<uint8_t>(128 + (i % 16) * 4));
    return out;
}

void AudioTest::SetUp() {
    bvtest::ensureMemory();
    bv::platform::useHeadless();
    bv::archiveCloseForTests();
    bv::resetRandomForTests();
    bv::resetAudioForTests();
    bv::resetStateMachine();
    bv::useStateTable(kRows, static_cast<int32_t>(sizeof kRows / sizeof kRows[0]));
    oldFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    writeSounds();
}

void AudioTest::TearDown() {
    std::filesystem::current_path(oldFolder_);
    bv::resetAudioForTests();
    bv::resetStateMachine();
    bv::useStateTable(nullptr, 0);
}

void AudioTest::writeSounds() {
    for (int32_t id = 0; id < bv::kSoundCount; ++id)
        bvtest::writeFile(dir_.file(bv::soundFileName(id)),
                          wav(id < bv::kFirstEffect ? kTrackMs : kEffectMs));
}

void AudioTest::removeSound(int32_t id) {
    std::filesystem::remove(dir_.file(bv::soundFileName(id)));
}

void AudioTest::startAudio(bool createMusic) {
    bv::audioInit();
    if (createMusic)
        while (!bv::createMusicStep()) {
        }
}

void AudioTest::setLength(int32_t id, uint32_t ms) {
    headless::setSoundLength(bv::soundHandle(id), ms);
}

void AudioTest::frame(int32_t ticks) {
    bv::platform::headless::advanceClock(static_cast<uint32_t>(ticks * bv::kTickMs));
    bv::audioUpdate(ticks, ++frameCounter_);
}

void AudioTest::frames(int32_t count, int32_t ticks) {
    for (int32_t i = 0; i < count; ++i) frame(ticks);
}

bv::platform::headless::ChannelState AudioTest::slotState(int32_t slot) const {
    return headless::channelState(headless::channelIndex(bv::slotChannel(slot)));
}

bool AudioTest::slotPlaying(int32_t slot) const {
    return bv::platform::channelIsPlaying(bv::slotChannel(slot));
}

int32_t AudioTest::channelsPlaying(int32_t id) const {
    int32_t n = 0;
    for (int32_t i = 0; i < bv::kAudioSlots; ++i) {
        headless::ChannelState c = headless::channelState(i);
        if (c.playing && c.sound == bv::soundHandle(id)) ++n;
    }
    return n;
}

} // namespace audiotest
