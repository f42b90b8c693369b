// The sound layer's entry points: they forward to the implementation chosen with the video
// backend, and fall back to the silent twin when no audio device can be opened.
#include "platform/sound_backend.h"

namespace bv::platform {

namespace {
// Never destroyed: the sounds live as long as the process (and stay reachable for leak checks).
SoundBackend* g_sound = nullptr;
bool g_silent = true;

SoundBackend& sound() {
    // Nobody chose: tests and tools get the silent twin, like the video backend.
    if (!g_sound) selectSound(makeHeadlessSound(), true);
    return *g_sound;
}
} // namespace

void selectSound(SoundBackend* backend, bool silent) {
    delete g_sound;
    g_sound = backend;
    g_silent = silent;
}

uint32_t soundVersion() {
    return sound().version();
}

int32_t soundSystemCreate() {
    return sound().systemCreate();
}

int32_t soundInit(int32_t channels) {
    int32_t result = sound().init(channels);
    if (result == kSoundErrNoDevice) {
        // A player without a sound card can still play: the silent twin keeps the channels
        // (and with them the music's timing) going. The SDL layer has already said why.
        selectSound(makeHeadlessSound(), true);
        sound().systemCreate();
        result = sound().init(channels);
    }
    return result;
}

bool soundSilent() {
    sound();
    return g_silent;
}

int32_t soundCreate(const void* data, uint32_t size, uint32_t mode, SoundHandle* handle) {
    return sound().create(data, size, mode, handle);
}
int32_t soundPlay(SoundHandle handle, bool paused, ChannelHandle* channel) {
    return sound().play(handle, paused, channel);
}
bool channelIsPlaying(ChannelHandle channel) {
    return sound().isPlaying(channel);
}
int32_t channelSetVolume(ChannelHandle channel, float volume) {
    return sound().setVolume(channel, volume);
}
int32_t channelRewind(ChannelHandle channel) {
    return sound().rewind(channel);
}
int32_t channelSetLoopCount(ChannelHandle channel, int32_t loops) {
    return sound().setLoopCount(channel, loops);
}
int32_t channelSetPaused(ChannelHandle channel, bool paused) {
    return sound().setPaused(channel, paused);
}
int32_t channelStop(ChannelHandle channel) {
    return sound().stop(channel);
}
void soundUpdate() {
    sound().update();
}
void soundStopAll() {
    sound().stopAll();
}

const char* soundErrorText(int32_t result) {
    switch (result) {
    case kSoundOk:
        return "No errors.";
    case kSoundErrNoDevice:
        return "No audio output device could be opened.";
    case kSoundErrNotReady:
        return "The sound system has not been initialised.";
    case kSoundErrBadData:
        return "The sound data is not a WAV or Ogg Vorbis file that can be decoded.";
    case kSoundErrTooMany:
        return "Too many sounds have been created.";
    case kSoundErrInvalidSound:
        return "An invalid sound was used.";
    case kSoundErrInvalidChannel:
        return "An invalid or stopped channel was used.";
    case kSoundErrNoFreeChannel:
        return "Every channel is busy.";
    case kSoundErrStreamBusy:
        return "Another streamed sound is already playing.";
    default:
        return "Unknown error.";
    }
}

} // namespace bv::platform
