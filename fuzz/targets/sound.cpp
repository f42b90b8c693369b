// Sounds (WAV and Ogg Vorbis) from a file image through the silent sound layer, which reads each
// sound's length from its header, then what the audio code does with a sound: played once and
// looped, paused, rewound and run on as the clock advances.
#include "platform/sound.h"
#include "fuzz.h"
#include "platform/platform.h"

namespace snd = bv::platform;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::openGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    // A fresh silent layer each time: its table of sounds is never emptied otherwise.
    snd::useHeadless();
    FUZZ_CHECK(snd::soundSystemCreate() == snd::kSoundOk && snd::soundInit(4) == snd::kSoundOk);
    for (const uint32_t mode :
         {uint32_t(snd::kSoundLoopOff), uint32_t(snd::kSoundLoopNormal | snd::kSoundStream)}) {
        snd::SoundHandle sound = 0;
        if (snd::soundCreate(data, uint32_t(size), mode, &sound) != snd::kSoundOk) return 0;
        FUZZ_CHECK(snd::headless::soundLength(sound) >= 1);
        snd::ChannelHandle channel = 0;
        FUZZ_CHECK(snd::soundPlay(sound, true, &channel) == snd::kSoundOk);
        snd::channelSetLoopCount(channel, mode == snd::kSoundLoopOff ? 0 : 2);
        snd::channelSetPaused(channel, false);
        for (const uint32_t ms : {1u, 33u, 1000u, 60000u, 0x7FFFFFFFu}) {
            snd::headless::advanceClock(ms);
            snd::soundUpdate();
            snd::channelIsPlaying(channel);
        }
        snd::channelRewind(channel);
        snd::channelStop(channel);
    }
    return 0;
}
