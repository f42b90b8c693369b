// The sound layer: exactly what the game's audio code needs from a sound library. Sounds are
// created once from whole files in memory and then played on a small fixed set of channels, each
// with a playing flag, a volume, a loop count, pause and stop.
//
// Two implementations, chosen with the video backend (useSdl / useHeadless): SDL2_mixer, and a
// silent twin that keeps the same channel state and lets a sound "play" for its length as the
// platform clock advances. When no audio device can be opened the SDL layer says so once on
// stderr and hands over to the silent twin, so the game still runs, only without sound.
#pragma once

#include <cstdint>

namespace bv::platform {

// A created sound (0 = none) and a channel handle (0 = none). A channel handle stays valid while
// its channel plays what was started on it; once the channel is stopped or starts something
// else, the old handle reads as "not playing" and every operation on it is refused.
using SoundHandle = int32_t;
using ChannelHandle = int32_t;

// Result codes of the layer; soundErrorText names them.
enum SoundResult : int32_t {
    kSoundOk = 0,
    kSoundErrNoDevice = 1,     // no audio device could be opened
    kSoundErrNotReady = 2,     // soundInit has not run
    kSoundErrBadData = 3,      // the bytes are not a WAV or Ogg Vorbis file that can be decoded
    kSoundErrTooMany = 4,      // the sound table is full
    kSoundErrInvalidSound = 5, // no such sound (0 or never created)
    kSoundErrInvalidChannel = 6,
    kSoundErrNoFreeChannel = 7,
    kSoundErrStreamBusy = 8, // another streamed sound is already playing
};

// Creation modes. A looping sound repeats until its loop count runs out (forever by default);
// a streamed sound keeps its compressed bytes and is decoded while it plays, which suits long
// music tracks. Only one streamed sound plays at a time.
enum SoundMode : uint32_t {
    kSoundLoopOff = 0,
    kSoundLoopNormal = 1,
    kSoundStream = 2,
};

constexpr int32_t kMaxSounds = 64;
constexpr int32_t kMaxSoundChannels = 16;

// The version of the sound library in use, packed as 0x00MMmmpp (2.6.2 = 0x00020602).
uint32_t soundVersion();
// Prepares the library. Returns kSoundOk or an error code.
int32_t soundSystemCreate();
// Opens the output with `channels` channels (at most kMaxSoundChannels). A missing audio device is
// not an error: the layer goes silent (see above) and returns kSoundOk.
int32_t soundInit(int32_t channels);
// True when nothing is heard: the silent twin is in use (tests, or no audio device).
bool soundSilent();

// Creates a sound from a whole WAV or Ogg Vorbis file. The bytes are not needed afterwards.
int32_t soundCreate(const void* data, uint32_t size, uint32_t mode, SoundHandle* sound);
// Starts `sound` on the first free channel, paused or not, at volume 1 and with the sound's own
// loop count (0 for loop off, -1 for looping sounds).
int32_t soundPlay(SoundHandle sound, bool paused, ChannelHandle* channel);

// A paused channel counts as playing; a stale or zero handle does not.
bool channelIsPlaying(ChannelHandle channel);
// volume 0..1.
int32_t channelSetVolume(ChannelHandle channel, float volume);
// Back to the sound's start (position 0).
int32_t channelRewind(ChannelHandle channel);
// Number of repeats after the first play; -1 repeats forever. Takes effect from the next start of
// the sound on this channel: set it while the channel is paused from soundPlay, or rewind.
int32_t channelSetLoopCount(ChannelHandle channel, int32_t loops);
int32_t channelSetPaused(ChannelHandle channel, bool paused);
int32_t channelStop(ChannelHandle channel);

// Once per frame.
void soundUpdate();
// Stops every channel (shut-down).
void soundStopAll();
const char* soundErrorText(int32_t result);

// The silent twin only: what the tests look at and steer.
namespace headless {
struct ChannelState {
    bool playing;
    bool paused;
    SoundHandle sound;
    float volume;
    int32_t loops;       // repeats still to come, -1 forever
    uint32_t positionMs; // within the current repeat
    uint32_t starts;     // times something was started or rewound on this channel
};
ChannelState channelState(int32_t index);
// Which channel index a handle names, -1 for a stale or zero handle.
int32_t channelIndex(ChannelHandle channel);
// A sound's length in milliseconds. Creation reads it from the file's header (WAV data size,
// the last Ogg page's sample position); a test may set any length of at least 1 ms.
uint32_t soundLength(SoundHandle sound);
void setSoundLength(SoundHandle sound, uint32_t ms);
int32_t soundCount();
} // namespace headless

} // namespace bv::platform
