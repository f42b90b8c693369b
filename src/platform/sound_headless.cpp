// The silent twin of the sound layer: no output, but the same channels, handles and rules as the
// SDL layer. A playing sound advances with the platform clock at each soundUpdate and ends when
// its length (read from the file's header) has run out, repeats included. Tests steer it through
// the headless clock; a game without an audio device runs on it.
#include <cstring>

#include "platform/byte_reader.h"
#include "platform/platform.h"
#include "platform/sound_backend.h"

namespace bv::platform {

namespace {

constexpr uint32_t kHeadlessVersion = 0x00020602; // reports itself as the SDL_mixer we build against

// Length of a PCM WAV file in ms, 0 when the bytes are not one.
uint32_t wavLength(const uint8_t* data, uint32_t size) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return 0;
    uint32_t byteRate = 0;
    uint32_t at = 12;
    while (at + 8 <= size) {
        uint32_t chunk = u32At(data, size, at + 4);
        uint32_t body = at + 8;
        uint32_t room = size - body;
        if (std::memcmp(data + at, "fmt ", 4) == 0 && chunk >= 16 && room >= 16)
            byteRate = u32At(data, size, body + 8);
        if (std::memcmp(data + at, "data", 4) == 0) {
            if (byteRate == 0) return 0;
            uint32_t bytes = chunk < room ? chunk : room; // a truncated file plays what it holds
            uint64_t ms = static_cast<uint64_t>(bytes) * 1000 / byteRate;
            return ms > 0 ? static_cast<uint32_t>(ms) : 1;
        }
        if (chunk > room) return 0;
        at += 8 + chunk + (chunk & 1);
    }
    return 0;
}

// Length of an Ogg Vorbis file in ms: the last page's sample position over the rate in the
// identification header. 0 when the bytes are not one.
uint32_t oggLength(const uint8_t* data, uint32_t size) {
    if (size < 28 || std::memcmp(data, "OggS", 4) != 0) return 0;
    uint32_t segments = data[26];
    uint32_t body = 27 + segments;
    if (body + 16 > size || data[body] != 1 || std::memcmp(data + body + 1, "vorbis", 6) != 0) return 0;
    uint32_t rate = u32At(data, size, body + 12);
    if (rate == 0) return 0;
    for (uint32_t at = size - 14; at > 0; --at) {
        if (std::memcmp(data + at, "OggS", 4) != 0 || data[at + 4] != 0) continue;
        const uint64_t granule = u32At(data, size, at + 6) | uint64_t(u32At(data, size, at + 10)) << 32;
        if (granule == ~0ull) continue; // a page on which no packet ends
        uint64_t ms = granule * 1000 / rate;
        return ms > 0 ? static_cast<uint32_t>(ms > 0xFFFFFFFFull ? 0xFFFFFFFFull : ms) : 1;
    }
    return 0;
}

struct Sound {
    uint32_t mode;
    uint32_t lengthMs;
};

struct Channel {
    uint32_t generation = 1;
    bool active = false;
    bool paused = false;
    SoundHandle sound = 0;
    float volume = 1.0f;
    int32_t loops = 0;
    uint32_t position = 0;
    uint32_t starts = 0;
};

class HeadlessSound;
HeadlessSound* g_current = nullptr;

class HeadlessSound final : public SoundBackend {
  public:
    HeadlessSound() { g_current = this; }
    ~HeadlessSound() override {
        if (g_current == this) g_current = nullptr;
    }

    uint32_t version() override { return kHeadlessVersion; }
    int32_t systemCreate() override { return kSoundOk; }
    int32_t init(int32_t channels) override {
        channelCount_ = channels < 1 ? 1 : (channels > kMaxSoundChannels ? kMaxSoundChannels : channels);
        lastClock_ = ticks();
        ready_ = true;
        return kSoundOk;
    }

    int32_t create(const void* data, uint32_t size, uint32_t mode, SoundHandle* sound) override {
        if (sound) *sound = 0;
        if (!ready_) return kSoundErrNotReady;
        if (!data || !sound) return kSoundErrBadData;
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        uint32_t length = wavLength(bytes, size);
        if (length == 0) length = oggLength(bytes, size);
        if (length == 0) return kSoundErrBadData;
        if (soundCount_ == kMaxSounds) return kSoundErrTooMany;
        sounds_[soundCount_] = Sound{mode, length};
        *sound = ++soundCount_;
        return kSoundOk;
    }

    int32_t play(SoundHandle sound, bool paused, ChannelHandle* channel) override {
        if (channel) *channel = 0;
        if (!ready_) return kSoundErrNotReady;
        if (!validSound(sound)) return kSoundErrInvalidSound;
        bool stream = sounds_[sound - 1].mode & kSoundStream;
        int32_t free = -1;
        for (int32_t i = 0; i < channelCount_; ++i) {
            if (!channels_[i].active) {
                if (free < 0) free = i;
            } else if (stream && (sounds_[channels_[i].sound - 1].mode & kSoundStream)) {
                return kSoundErrStreamBusy;
            }
        }
        if (free < 0) return kSoundErrNoFreeChannel;
        Channel& c = channels_[free];
        uint32_t starts = c.starts + 1;
        c = Channel{nextGeneration(c.generation),
                    true,
                    paused,
                    sound,
                    1.0f,
                    (sounds_[sound - 1].mode & kSoundLoopNormal) ? -1 : 0,
                    0,
                    starts};
        if (channel) *channel = packChannel(c.generation, free);
        return kSoundOk;
    }

    bool isPlaying(ChannelHandle channel) override { return live(channel) != nullptr; }
    int32_t setVolume(ChannelHandle channel, float volume) override {
        Channel* c = live(channel);
        if (!c) return kSoundErrInvalidChannel;
        c->volume = volume < 0 ? 0 : (volume > 1 ? 1 : volume);
        return kSoundOk;
    }
    int32_t rewind(ChannelHandle channel) override {
        Channel* c = live(channel);
        if (!c) return kSoundErrInvalidChannel;
        c->position = 0;
        ++c->starts;
        return kSoundOk;
    }
    int32_t setLoopCount(ChannelHandle channel, int32_t loops) override {
        Channel* c = live(channel);
        if (!c) return kSoundErrInvalidChannel;
        c->loops = loops < 0 ? -1 : loops;
        return kSoundOk;
    }
    int32_t setPaused(ChannelHandle channel, bool paused) override {
        Channel* c = live(channel);
        if (!c) return kSoundErrInvalidChannel;
        c->paused = paused;
        return kSoundOk;
    }
    int32_t stop(ChannelHandle channel) override {
        Channel* c = live(channel);
        if (!c) return kSoundErrInvalidChannel;
        end(*c);
        return kSoundOk;
    }

    void update() override {
        uint32_t now = ticks();
        uint32_t elapsed = now - lastClock_;
        lastClock_ = now;
        for (int32_t i = 0; i < channelCount_; ++i) {
            Channel& c = channels_[i];
            if (!c.active || c.paused) continue;
            uint32_t length = sounds_[c.sound - 1].lengthMs;
            uint64_t position = static_cast<uint64_t>(c.position) + elapsed;
            uint64_t repeats = position / length;
            if (c.loops >= 0 && repeats > static_cast<uint64_t>(c.loops)) {
                end(c);
                continue;
            }
            if (c.loops > 0) c.loops -= static_cast<int32_t>(repeats);
            c.position = static_cast<uint32_t>(position % length);
        }
    }

    void stopAll() override {
        for (int32_t i = 0; i < channelCount_; ++i)
            if (channels_[i].active) end(channels_[i]);
    }

    // For the inspection functions below.
    headless::ChannelState state(int32_t index) const {
        if (index < 0 || index >= channelCount_) return {};
        const Channel& c = channels_[index];
        return {c.active, c.paused, c.active ? c.sound : 0, c.volume, c.loops, c.position, c.starts};
    }
    int32_t indexOf(ChannelHandle channel) const {
        int32_t index = channelIndexOf(channel);
        if (channel <= 0 || index >= channelCount_) return -1;
        const Channel& c = channels_[index];
        return (c.active && c.generation == channelGenerationOf(channel)) ? index : -1;
    }
    bool validSound(SoundHandle sound) const { return sound >= 1 && sound <= soundCount_; }
    uint32_t length(SoundHandle sound) const { return validSound(sound) ? sounds_[sound - 1].lengthMs : 0; }
    void setLength(SoundHandle sound, uint32_t ms) {
        if (validSound(sound)) sounds_[sound - 1].lengthMs = ms < 1 ? 1 : ms;
    }
    int32_t count() const { return soundCount_; }

  private:
    Channel* live(ChannelHandle channel) {
        int32_t index = indexOf(channel);
        return index < 0 ? nullptr : &channels_[index];
    }
    // A stopped channel's handle goes stale at once, as it does in the SDL layer.
    static void end(Channel& c) {
        c.active = false;
        c.paused = false;
        c.generation = nextGeneration(c.generation);
    }

    bool ready_ = false;
    int32_t channelCount_ = 0;
    uint32_t lastClock_ = 0;
    Sound sounds_[kMaxSounds] = {};
    int32_t soundCount_ = 0;
    Channel channels_[kMaxSoundChannels];
};

} // namespace

SoundBackend* makeHeadlessSound() {
    return new HeadlessSound();
}

namespace headless {
ChannelState channelState(int32_t index) {
    return g_current ? g_current->state(index) : ChannelState{};
}
int32_t channelIndex(ChannelHandle channel) {
    return g_current ? g_current->indexOf(channel) : -1;
}
uint32_t soundLength(SoundHandle sound) {
    return g_current ? g_current->length(sound) : 0;
}
void setSoundLength(SoundHandle sound, uint32_t ms) {
    if (g_current) g_current->setLength(sound, ms);
}
int32_t soundCount() {
    return g_current ? g_current->count() : 0;
}
} // namespace headless

} // namespace bv::platform
