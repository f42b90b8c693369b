// Music: the title and win tracks on the music channel, and the in-game playlist. A playlist
// track fades in one step per 100 ms up to the music volume, plays two or three times, is played
// once more while it fades out, and is followed by a pause of 5 to 20 seconds before another
// track (never the same one twice in a row) starts.
#include "audio/audio_internal.h"
#include "core/clock.h"
#include "core/fatal.h"
#include "core/random.h"
#include "core/state.h"

namespace bv {

using audio::g_audio;

namespace {

constexpr int32_t kFadeStepMs = 100;
constexpr uint32_t kPauseMinMs = 5000;
constexpr uint32_t kPauseSpreadMs = 15000;

audio::Slot& musicSlot() {
    return g_audio.slots[kMusicSlot];
}

void setMusicChannel(int32_t track, platform::ChannelHandle channel) {
    musicSlot() = audio::Slot{track, channel};
}

// Counts the fade step timer down by the frame's milliseconds; true when a step is due (at most
// one per frame, however long the frame was).
bool fadeStepDue(int32_t elapsedMs) {
    MusicState& m = g_audio.music;
    m.fadeTimer -= elapsedMs;
    if (m.fadeTimer >= 1) return false;
    m.fadeTimer = kFadeStepMs;
    return true;
}

void updatePlaying(int32_t elapsedMs) {
    MusicState& m = g_audio.music;
    platform::ChannelHandle channel = musicSlot().channel;
    if (platform::channelIsPlaying(channel)) {
        if (m.fade < g_audio.musicVolume && fadeStepDue(elapsedMs)) {
            ++m.fade;
            platform::channelSetVolume(channel, audio::musicLevel(m.fade));
        }
        return;
    }
    // The track has run through its plays.
    if (g_audio.musicVolume == 0) {
        m.phase = kMusicPause;
        return;
    }
    // It plays once more, fading out from just below the music volume.
    m.phase = kMusicFadingOut;
    m.fade = g_audio.musicVolume - 1;
    m.fadeTimer = kFadeStepMs;
    channel = 0;
    platform::soundPlay(g_audio.handles[m.track], false, &channel);
    platform::channelSetVolume(channel, audio::musicLevel(m.fade));
    setMusicChannel(m.track, channel);
}

void updateFadingOut(int32_t elapsedMs) {
    MusicState& m = g_audio.music;
    platform::ChannelHandle channel = musicSlot().channel;
    if (!platform::channelIsPlaying(channel)) {
        m.phase = kMusicPause;
        return;
    }
    if (!fadeStepDue(elapsedMs)) return;
    --m.fade;
    platform::channelSetVolume(channel, audio::musicLevel(m.fade < 0 ? 0 : m.fade));
    if (m.fade <= 0) {
        platform::channelStop(channel);
        m.phase = kMusicPause;
    }
}

} // namespace

void stopMusic() {
    platform::channelStop(musicSlot().channel);
}

void startPlaylistTrack() {
    MusicState& m = g_audio.music;
    stopMusic();
    // The pause that will follow this track is drawn now.
    m.pauseTimer = static_cast<int32_t>(random(kPauseSpreadMs) + kPauseMinMs);
    int32_t track;
    do {
        track = static_cast<int32_t>(random(kLastPlaylistTrack)) + kFirstPlaylistTrack;
    } while (track == m.track);
    m.track = track;
    // Started paused, so that the loop count and the silent volume are in place before the first
    // sample is heard.
    platform::ChannelHandle channel = 0;
    platform::soundPlay(g_audio.handles[track], true, &channel);
    setMusicChannel(track, channel);
    m.phase = kMusicPlaying;
    m.fade = 0;
    m.fadeTimer = kFadeStepMs;
    platform::channelSetLoopCount(channel, static_cast<int32_t>(random(2)) + 1);
    platform::channelSetVolume(channel, 0.0f);
    platform::channelSetPaused(channel, false);
}

void playMusicTrack(int32_t track) {
    platform::ChannelHandle channel = 0;
    int32_t result = platform::soundPlay(soundHandle(track), false, &channel);
    if (result != platform::kSoundOk)
        fatal("Error %d while playing music track %d (SDL_mixer). %s\n", result, track,
              platform::soundErrorText(result));
    setMusicChannel(track, channel);
    platform::channelSetVolume(channel, audio::musicLevel(g_audio.musicVolume));
}

void audioUpdate(int32_t elapsedTicks, int32_t frame) {
    (void)frame;
    platform::soundUpdate();
    if (!g_audio.ready) return;
    int32_t elapsedMs = elapsedTicks * kTickMs;
    int32_t selection = currentMusic();
    if (selection == kMusicPlaylist) {
        switch (g_audio.music.phase) {
        case kMusicPlaying:
            updatePlaying(elapsedMs);
            break;
        case kMusicFadingOut:
            updateFadingOut(elapsedMs);
            break;
        default:
            g_audio.music.pauseTimer -= elapsedMs;
            if (g_audio.music.pauseTimer < 0) startPlaylistTrack();
            break;
        }
    } else if ((selection == kMusicTitle || selection == kMusicWin) &&
               !platform::channelIsPlaying(musicSlot().channel)) {
        // The title and win tracks loop forever; this only restarts one that was cut off.
        playMusicTrack(selection);
    }
}

MusicState musicState() {
    return g_audio.music;
}

} // namespace bv
