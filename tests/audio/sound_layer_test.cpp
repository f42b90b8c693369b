// The sound layer itself: sound lengths from file headers, loop counts, pause, stale handles and
// the one-stream rule on the silent twin; and the silent fallback when no audio device can be
// opened.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "audio/audio_fixture.h"
#include "platform/platform.h"
#include "platform/sound.h"
#include "support/bytes.h"

namespace audiotest {
namespace {

namespace sl = bv::platform;
namespace headless = bv::platform::headless;

// An Ogg page header with one segment of `body` bytes, then the body.
void oggPage(std::vector<uint8_t>& out, uint64_t granule, const std::vector<uint8_t>& body) {
    size_t at = out.size();
    out.resize(at + 28);
    out[at] = 'O', out[at + 1] = 'g', out[at + 2] = 'g', out[at + 3] = 'S';
    bvtest::setLE32(out, at + 6, static_cast<uint32_t>(granule));
    bvtest::setLE32(out, at + 10, static_cast<uint32_t>(granule >> 32));
    out[at + 26] = 1;
    out[at + 27] = static_cast<uint8_t>(body.size());
    out.insert(out.end(), body.begin(), body.end());
}

// Just enough of an Ogg Vorbis file for its length: the identification header and a last page.
std::vector<uint8_t> oggOf(uint32_t rate, uint64_t samples) {
    std::vector<uint8_t> id = {1, 'v', 'o', 'r', 'b', 'i', 's', 0, 0, 0, 0, 2, 0, 0, 0, 0};
    bvtest::setLE32(id, 12, rate);
    std::vector<uint8_t> out;
    oggPage(out, 0, id);
    oggPage(out, 4096, std::vector<uint8_t>(40, 0x55));
    oggPage(out, samples, std::vector<uint8_t>(40, 0x55));
    return out;
}

class SilentLayer : public testing::Test {
  protected:
    void SetUp() override {
        sl::useHeadless();
        ASSERT_EQ(sl::soundSystemCreate(), sl::kSoundOk);
        ASSERT_EQ(sl::soundInit(9), sl::kSoundOk);
    }
    sl::SoundHandle create(const std::vector<uint8_t>& bytes, uint32_t mode = sl::kSoundLoopOff) {
        sl::SoundHandle sound = 0;
        EXPECT_EQ(sl::soundCreate(bytes.data(), static_cast<uint32_t>(bytes.size()), mode, &sound),
                  sl::kSoundOk);
        return sound;
    }
    void advance(uint32_t ms) {
        headless::advanceClock(ms);
        sl::soundUpdate();
    }
};

TEST_F(SilentLayer, SoundLengthsComeFromTheFileHeaders) {
    EXPECT_EQ(headless::soundLength(create(wav(250))), 250u);
    // 44.1 kHz stereo 16-bit: 176,400 bytes a second.
    std::vector<uint8_t> cd = wav(0);
    bvtest::setLE32(cd, 24, 44100);
    bvtest::setLE32(cd, 28, 176400);
    bvtest::setLE32(cd, 40, 88200);
    cd.resize(cd.size() + 88200);
    EXPECT_EQ(headless::soundLength(create(cd)), 500u);
    // A data chunk that claims more than the file holds plays what is there.
    std::vector<uint8_t> cut = wav(400);
    cut.resize(cut.size() - 100);
    EXPECT_EQ(headless::soundLength(create(cut)), 300u);
    EXPECT_EQ(headless::soundLength(create(oggOf(44100, 441000))), 10000u);
    EXPECT_EQ(headless::soundLength(create(oggOf(22050, 11025))), 500u);
}

TEST_F(SilentLayer, BytesThatAreNoSoundAreRefused) {
    sl::SoundHandle sound = 7;
    std::string junk = "not a sound file, just text";
    EXPECT_EQ(sl::soundCreate(junk.data(), static_cast<uint32_t>(junk.size()), 0, &sound),
              sl::kSoundErrBadData);
    EXPECT_EQ(sound, 0);
    std::vector<uint8_t> noRate = oggOf(0, 1000);
    EXPECT_EQ(sl::soundCreate(noRate.data(), static_cast<uint32_t>(noRate.size()), 0, &sound),
              sl::kSoundErrBadData);
    std::vector<uint8_t> head = wav(100);
    head.resize(30); // cut inside the format chunk
    EXPECT_EQ(sl::soundCreate(head.data(), static_cast<uint32_t>(head.size()), 0, &sound),
              sl::kSoundErrBadData);
    EXPECT_EQ(headless::soundCount(), 0);
}

TEST_F(SilentLayer, ALoopCountSetWhilePausedPlaysTheSoundThatManyTimesMore) {
    sl::SoundHandle sound = create(wav(100));
    sl::ChannelHandle channel = 0;
    ASSERT_EQ(sl::soundPlay(sound, true, &channel), sl::kSoundOk);
    EXPECT_EQ(headless::channelState(0).loops, 0);
    sl::channelSetLoopCount(channel, 2);
    advance(1000); // paused: nothing moves
    EXPECT_EQ(std::pair(sl::channelIsPlaying(channel), headless::channelState(0).positionMs),
              std::pair(true, 0u));
    sl::channelSetPaused(channel, false);
    advance(299); // the third time through
    EXPECT_EQ(std::tuple(sl::channelIsPlaying(channel), headless::channelState(0).loops,
                         headless::channelState(0).positionMs),
              std::tuple(true, 0, 99u));
    advance(1);
    EXPECT_FALSE(sl::channelIsPlaying(channel));
}

TEST(SoundFallback, WithoutAnAudioDeviceTheLayerGoesSilentAndSaysSo) {
    const char* old = std::getenv("SDL_AUDIODRIVER");
    std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    sl::useSdl();
    testing::internal::CaptureStderr();
    EXPECT_EQ(sl::soundInit(9), sl::kSoundOk);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("no audio device"), std::string::npos) << said;
    EXPECT_TRUE(sl::soundSilent());
    // The silent twin keeps the channels going.
    std::vector<uint8_t> bytes = wav(100);
    sl::SoundHandle sound = 0;
    sl::ChannelHandle channel = 0;
    ASSERT_EQ(sl::soundCreate(bytes.data(), static_cast<uint32_t>(bytes.size()), 0, &sound), sl::kSoundOk);
    ASSERT_EQ(sl::soundPlay(sound, false, &channel), sl::kSoundOk);
    EXPECT_TRUE(sl::channelIsPlaying(channel));
    if (old)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    sl::useHeadless();
}

} // namespace
} // namespace audiotest
