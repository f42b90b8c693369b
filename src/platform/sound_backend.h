// The two implementations of the sound layer. Internal to src/platform/.
#pragma once

#include "platform/sound.h"

namespace bv::platform {

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    virtual uint32_t version() = 0;
    virtual int32_t systemCreate() = 0;
    virtual int32_t init(int32_t channels) = 0;
    virtual int32_t create(const void* data, uint32_t size, uint32_t mode, SoundHandle* sound) = 0;
    virtual int32_t play(SoundHandle sound, bool paused, ChannelHandle* channel) = 0;
    virtual bool isPlaying(ChannelHandle channel) = 0;
    virtual int32_t setVolume(ChannelHandle channel, float volume) = 0;
    virtual int32_t rewind(ChannelHandle channel) = 0;
    virtual int32_t setLoopCount(ChannelHandle channel, int32_t loops) = 0;
    virtual int32_t setPaused(ChannelHandle channel, bool paused) = 0;
    virtual int32_t stop(ChannelHandle channel) = 0;
    virtual void update() = 0;
    virtual void stopAll() = 0;
};

SoundBackend* makeSdlSound();
// The silent twin starts from a clean state every time it is made.
SoundBackend* makeHeadlessSound();
// Installs the implementation (takes ownership); platform.cpp calls it from useSdl / useHeadless.
void selectSound(SoundBackend* backend, bool silent);

// Channel handles pack a generation above the channel index, so that a handle goes stale when
// its channel is stopped or reused. Generations start at 1: a live handle is never 0.
constexpr int32_t kChannelIndexBits = 4;
inline ChannelHandle packChannel(uint32_t generation, int32_t index) {
    return static_cast<ChannelHandle>(((generation & 0x7FFFFFu) << kChannelIndexBits) |
                                      static_cast<uint32_t>(index));
}
inline int32_t channelIndexOf(ChannelHandle channel) {
    return channel & ((1 << kChannelIndexBits) - 1);
}
inline uint32_t channelGenerationOf(ChannelHandle channel) {
    return static_cast<uint32_t>(channel) >> kChannelIndexBits;
}
inline uint32_t nextGeneration(uint32_t generation) {
    generation = (generation + 1) & 0x7FFFFFu;
    return generation ? generation : 1;
}

} // namespace bv::platform
