// What the effect code and the music code of the audio system share. Internal to src/audio/.
#pragma once

#include "audio/audio.h"

namespace bv::audio {

struct Slot {
    int32_t id = -1; // sound last started on this slot
    platform::ChannelHandle channel = 0;
};

struct AudioState {
    bool ready = false;
    bool musicLoaded = false;
    int32_t nextTrack = 0; // next music track to create
    uint32_t flags[kSoundCount] = {};
    platform::SoundHandle handles[kSoundCount] = {};
    Slot slots[kAudioSlots];
    int32_t musicVolume = kDefaultMusicVolume;
    int32_t effectVolume = kDefaultEffectVolume;
    MusicState music = {0, kMusicPause, 0, 0, 0};
};

extern AudioState g_audio;

// The music volume as a channel volume (0..1).
inline float musicLevel(int32_t level) {
    return static_cast<float>(level) * 0.01f;
}

} // namespace bv::audio
