// Music: selection by state, the title and win tracks, and the in-game playlist with its fades,
// replay, pause and shuffle.
#include <algorithm>

#include "audio/audio_fixture.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"

namespace audiotest {
namespace {

using bv::musicState;
using bv::slotSound;

class Music : public AudioTest {};

// The playlist with every track `ms` long.
class Playlist : public AudioTest {
  protected:
    void startPlaylist(uint32_t ms = 1000) {
        startAudio();
        for (int32_t id = bv::kFirstPlaylistTrack; id <= bv::kLastPlaylistTrack; ++id) setLength(id, ms);
        bv::changeState(bv::kStateGame);
    }
    // Frames of one tick until the playing track has run through its plays (the frame in which
    // it ends already moves on to the replay or the pause); returns how many ran.
    int32_t runUntilTrackEnds(int32_t limit = 10000) {
        bv::platform::ChannelHandle channel = bv::slotChannel(bv::kMusicSlot);
        int32_t n = 0;
        while (n < limit && musicState().phase == bv::kMusicPlaying &&
               bv::slotChannel(bv::kMusicSlot) == channel) {
            frame();
            ++n;
        }
        return n;
    }
};

// The title track loops at the music volume; winning stops the playlist for the win track, and the
// board starts a playlist track again.
TEST_F(Music, TheTitleAndWinTracksPlayAtTheMusicVolume) {
    startAudio();
    bv::changeState(bv::kStateAttract);
    EXPECT_EQ(std::pair(slotSound(bv::kMusicSlot), slotState(bv::kMusicSlot).loops), std::pair(0, -1));
    EXPECT_FLOAT_EQ(slotState(bv::kMusicSlot).volume, 0.30f);
    bv::changeState(bv::kStateGame);
    const bv::platform::ChannelHandle playlist = bv::slotChannel(bv::kMusicSlot);
    bv::changeState(bv::kStateYouWin);
    EXPECT_FALSE(bv::platform::channelIsPlaying(playlist));
    EXPECT_EQ(std::pair(slotSound(bv::kMusicSlot), channelsPlaying(16)), std::pair(16, 1));
    EXPECT_FLOAT_EQ(slotState(bv::kMusicSlot).volume, 0.30f);
    frames(50);
    bv::changeState(bv::kStateGame);
    const int32_t track = slotSound(bv::kMusicSlot);
    EXPECT_TRUE(track >= bv::kFirstPlaylistTrack && track <= bv::kLastPlaylistTrack) << track;
    EXPECT_EQ(channelsPlaying(16), 0);
}

using MusicDeathTest = Music;

TEST_F(MusicDeathTest, AMissingTitleTrackIsFatal) {
    removeSound(0);
    startAudio();
    EXPECT_EQ(bv::soundHandle(0), 0);
    EXPECT_EXIT(bv::changeState(bv::kStateAttract), testing::ExitedWithCode(255),
                "Error 5 while playing music track 0");
}

// A track starts silent and is played two or three times; once it has ended it is played once more,
// fading out, and then the pause begins.
TEST_F(Playlist, ATrackStartsSilentIsPlayedTwoOrThreeTimesThenFadesOut) {
    startPlaylist();
    const bv::platform::headless::ChannelState c = slotState(bv::kMusicSlot);
    EXPECT_TRUE(c.playing && !c.paused && c.volume == 0.0f);
    EXPECT_TRUE(c.loops == 1 || c.loops == 2) << c.loops;
    EXPECT_EQ(std::tuple(musicState().phase, musicState().fadeTimer), std::tuple(bv::kMusicPlaying, 100));
    const int32_t track = slotSound(bv::kMusicSlot);
    EXPECT_EQ(runUntilTrackEnds(), (1000 * (c.loops + 1)) / 33 + 1);
    EXPECT_EQ(std::tuple(musicState().phase, musicState().fade, slotSound(bv::kMusicSlot)),
              std::tuple(bv::kMusicFadingOut, 29, track));
    EXPECT_TRUE(slotPlaying(bv::kMusicSlot));
    EXPECT_FLOAT_EQ(slotState(bv::kMusicSlot).volume, 0.29f);
    // 132 ms frames: one step each, 29 steps down to silence, and the channel stops.
    for (int32_t step = 28; step >= 1; --step) {
        frame(4);
        ASSERT_EQ(musicState().fade, step);
        ASSERT_TRUE(slotPlaying(bv::kMusicSlot));
    }
    frame(4);
    EXPECT_FALSE(slotPlaying(bv::kMusicSlot));
    EXPECT_EQ(musicState().phase, bv::kMusicPause);
}

TEST_F(Playlist, TheFadeInRisesOneStepPer100MsUpToTheMusicVolume) {
    startPlaylist(600000);
    // {ticks of the frame, fade after it}: 99 ms in is not yet a step, 132 ms is; frames of 99 ms
    // step every second frame; a slow frame still makes one step only.
    const int32_t steps[][2] = {{1, 0}, {1, 0}, {1, 0}, {1, 1}, {3, 1}, {3, 2}, {10, 3}};
    for (const auto& s : steps) {
        frame(s[0]);
        ASSERT_EQ(musicState().fade, s[1]) << "step " << &s - steps;
    }
    frames(100, 4);
    EXPECT_EQ(musicState().fade, 30);
    EXPECT_FLOAT_EQ(slotState(bv::kMusicSlot).volume, 0.30f);
}

// Pauses are drawn from 5,000 up to 20,000 ms as each track starts: watched from outside, the
// silence after a track lasts that long in 33 ms frames, and then the next track plays.
TEST_F(Playlist, PausesLastFiveToTwentySecondsAndEndInAnotherTrack) {
    startPlaylist(100);
    bv::setMusicVolume(0); // straight to the pause when the track ends
    for (int32_t round = 0; round < 4; ++round) {
        runUntilTrackEnds();
        ASSERT_EQ(musicState().phase, bv::kMusicPause);
        int32_t silent = 0;
        while (musicState().phase == bv::kMusicPause && silent < 1000) {
            EXPECT_FALSE(slotPlaying(bv::kMusicSlot));
            frame();
            ++silent;
        }
        EXPECT_TRUE(slotPlaying(bv::kMusicSlot));
        EXPECT_GE(silent * 33, 5000) << round;
        EXPECT_LE(silent * 33, 20000 + 33) << round;
    }
}

// Each new track is drawn with its pause (5,000 up to 20,000 ms) and is never the last one, also
// when the player leaves the game and comes back.
TEST_F(Playlist, TheNextTrackIsNeverTheLastOneAndItsPauseIsDrawnAnew) {
    startPlaylist();
    int32_t seen[bv::kLastPlaylistTrack + 1] = {};
    int32_t last = slotSound(bv::kMusicSlot), low = 1 << 30, high = 0;
    for (int32_t i = 0; i < 600; ++i) {
        bv::startPlaylistTrack();
        const int32_t track = slotSound(bv::kMusicSlot);
        ASSERT_TRUE(track != last && track >= bv::kFirstPlaylistTrack && track <= bv::kLastPlaylistTrack)
            << last << " then " << track;
        ASSERT_EQ(musicState().track, track);
        ++seen[track];
        last = track;
        low = std::min(low, musicState().pauseTimer);
        high = std::max(high, musicState().pauseTimer);
    }
    for (int32_t track = bv::kFirstPlaylistTrack; track <= bv::kLastPlaylistTrack; ++track)
        EXPECT_GT(seen[track], 20) << track;
    EXPECT_TRUE(low >= 5000 && low < 5500 && high < 20000 && high > 19500) << low << " " << high;
    for (int32_t i = 0; i < 50; ++i) {
        bv::changeState(bv::kStateAttract);
        bv::changeState(bv::kStateGame);
        ASSERT_NE(slotSound(bv::kMusicSlot), last);
        last = slotSound(bv::kMusicSlot);
    }
}

} // namespace
} // namespace audiotest
