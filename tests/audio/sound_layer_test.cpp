// The sound layer itself: sound lengths from file headers, loop counts, pause, stale handles and
// the one-stream rule on the silent twin; the SDL layer under the dummy driver; and the silent
// fallback when no audio device can be opened.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "audio/audio_fixture.h"
#include "platform/platform.h"
#include "platform/sound.h"

namespace audiotest {
namespace {

namespace sl = bv::platform;
namespace headless = bv::platform::headless;

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// An Ogg page header with one segment of `body` bytes, then the body.
void oggPage(std::vector<uint8_t>& out, uint64_t granule, const std::vector<uint8_t>& body) {
    size_t at = out.size();
    out.resize(at + 28);
    out[at] = 'O', out[at + 1] = 'g', out[at + 2] = 'g', out[at + 3] = 'S';
    out[at + 4] = 0;
    put32(out, at + 6, static_cast<uint32_t>(granule));
    put32(out, at + 10, static_cast<uint32_t>(granule >> 32));
    out[at + 26] = 1;
    out[at + 27] = static_cast<uint8_t>(body.size());
    out.insert(out.end(), body.begin(), body.end());
}

// Just enough of an Ogg Vorbis file for its length: the identification header and a last page.
std::vector<uint8_t> oggOf(uint32_t rate, uint64_t samples) {
    std::vector<uint8_t> id = {1, 'v', 'o', 'r', 'b', 'i', 's', 0, 0, 0, 0, 2, 0, 0, 0, 0};
    put32(id, 12, rate);
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
    put32(cd, 24, 44100);
    put32(cd, 28, 176400);
    put32(cd, 40, 88200);
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
    EXPECT_EQ(headless::channelState(0).positionMs, 0u);
    EXPECT_TRUE(sl::channelIsPlaying(channel));
    sl::channelSetPaused(channel, false);
    advance(299);
    EXPECT_TRUE(sl::channelIsPlaying(channel));
    EXPECT_EQ(headless::channelState(0).loops, 0);
    EXPECT_EQ(headless::channelState(0).positionMs, 99u);
    advance(1);
    EXPECT_FALSE(sl::channelIsPlaying(channel));
}

TEST_F(SilentLayer, ALoopingSoundRepeatsUntilStopped) {
    sl::SoundHandle sound = create(wav(100), sl::kSoundLoopNormal);
    sl::ChannelHandle channel = 0;
    sl::soundPlay(sound, false, &channel);
    EXPECT_EQ(headless::channelState(0).loops, -1);
    advance(100000);
    EXPECT_TRUE(sl::channelIsPlaying(channel));
    sl::channelRewind(channel);
    EXPECT_EQ(headless::channelState(0).positionMs, 0u);
    EXPECT_EQ(headless::channelState(0).starts, 2u);
    EXPECT_EQ(sl::channelStop(channel), sl::kSoundOk);
    EXPECT_FALSE(sl::channelIsPlaying(channel));
}

TEST_F(SilentLayer, AStoppedChannelsHandleGoesStaleEvenWhenTheChannelIsReused) {
    sl::SoundHandle sound = create(wav(100));
    sl::ChannelHandle first = 0, second = 0;
    sl::soundPlay(sound, false, &first);
    sl::channelStop(first);
    sl::soundPlay(sound, false, &second);
    EXPECT_NE(first, second);
    EXPECT_EQ(headless::channelIndex(second), 0); // the same channel again
    EXPECT_FALSE(sl::channelIsPlaying(first));
    EXPECT_EQ(sl::channelSetVolume(first, 0.5f), sl::kSoundErrInvalidChannel);
    EXPECT_EQ(sl::channelStop(first), sl::kSoundErrInvalidChannel);
    EXPECT_TRUE(sl::channelIsPlaying(second));
    EXPECT_FLOAT_EQ(headless::channelState(0).volume, 1.0f);
    EXPECT_FALSE(sl::channelIsPlaying(0));
    EXPECT_EQ(sl::soundPlay(0, false, &first), sl::kSoundErrInvalidSound);
    EXPECT_EQ(first, 0);
}

TEST_F(SilentLayer, NineChannelsAndOneStreamAtATime) {
    sl::SoundHandle effect = create(wav(100));
    sl::SoundHandle track = create(wav(100), sl::kSoundLoopNormal | sl::kSoundStream);
    sl::SoundHandle other = create(wav(100), sl::kSoundLoopNormal | sl::kSoundStream);
    sl::ChannelHandle music = 0, channel = 0;
    ASSERT_EQ(sl::soundPlay(track, true, &music), sl::kSoundOk);
    EXPECT_EQ(sl::soundPlay(other, false, &channel), sl::kSoundErrStreamBusy);
    for (int i = 0; i < 8; ++i) ASSERT_EQ(sl::soundPlay(effect, false, &channel), sl::kSoundOk);
    EXPECT_EQ(sl::soundPlay(effect, false, &channel), sl::kSoundErrNoFreeChannel);
    sl::channelStop(music);
    EXPECT_EQ(sl::soundPlay(other, false, &channel), sl::kSoundOk);
    sl::soundStopAll();
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(headless::channelState(i).playing);
}

// The SDL layer on the dummy driver unless the environment names another.
class SdlLayer : public testing::Test {
  protected:
    void SetUp() override {
        setDriver_ = std::getenv("SDL_AUDIODRIVER") == nullptr;
        if (setDriver_) setenv("SDL_AUDIODRIVER", "dummy", 1);
        sl::useSdl();
        ASSERT_EQ(sl::soundInit(9), sl::kSoundOk);
        if (sl::soundSilent()) GTEST_SKIP() << "no audio output here";
    }
    void TearDown() override {
        sl::useHeadless();
        if (setDriver_) unsetenv("SDL_AUDIODRIVER");
    }
    bool setDriver_ = false;
};

TEST_F(SdlLayer, PlaysStopsAndKeepsTheStreamRule) {
    EXPECT_GE(sl::soundVersion(), 0x00020000u);
    std::vector<uint8_t> bytes = wav(300);
    sl::SoundHandle effect = 0, track = 0, other = 0;
    ASSERT_EQ(sl::soundCreate(bytes.data(), static_cast<uint32_t>(bytes.size()), 0, &effect), sl::kSoundOk);
    ASSERT_EQ(sl::soundCreate(bytes.data(), static_cast<uint32_t>(bytes.size()), sl::kSoundStream, &track),
              sl::kSoundOk);
    ASSERT_EQ(sl::soundCreate(bytes.data(), static_cast<uint32_t>(bytes.size()), sl::kSoundStream, &other),
              sl::kSoundOk);
    std::string junk = "RIFF....WAVEjunk";
    sl::SoundHandle bad = 0;
    EXPECT_EQ(sl::soundCreate(junk.data(), static_cast<uint32_t>(junk.size()), 0, &bad),
              sl::kSoundErrBadData);

    sl::ChannelHandle music = 0, channel = 0;
    ASSERT_EQ(sl::soundPlay(track, true, &music), sl::kSoundOk);
    EXPECT_TRUE(sl::channelIsPlaying(music)); // paused still counts
    EXPECT_EQ(sl::soundPlay(other, false, &channel), sl::kSoundErrStreamBusy);
    sl::channelSetLoopCount(music, 1);
    sl::channelSetPaused(music, false);
    ASSERT_EQ(sl::soundPlay(effect, false, &channel), sl::kSoundOk);
    EXPECT_NE(channel, music);
    EXPECT_TRUE(sl::channelIsPlaying(channel));
    EXPECT_EQ(sl::channelStop(channel), sl::kSoundOk);
    EXPECT_FALSE(sl::channelIsPlaying(channel));

    // Two plays of 300 ms: still going after 400 ms; a busy machine only makes it later.
    sl::sleepMs(400);
    sl::soundUpdate();
    EXPECT_TRUE(sl::channelIsPlaying(music));
    for (int i = 0; i < 250 && sl::channelIsPlaying(music); ++i) sl::sleepMs(20);
    EXPECT_FALSE(sl::channelIsPlaying(music));
    EXPECT_EQ(sl::soundPlay(other, false, &channel), sl::kSoundOk);
    sl::soundStopAll();
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
