// The sound layer on SDL2_mixer. Short sounds are decoded once into mixer chunks and play on
// mixer channel i for layer channel i. Streamed sounds (the music) keep their compressed bytes
// and play through the mixer's one music stream, decoded as they play: seventeen decoded tracks
// would take about 250 MB and seconds of start-up, the compressed ones a few MB and no time.
//
// A channel started paused is only reserved: the mixer starts it when it is unpaused, so that
// the loop count and volume set in between apply from the first sample.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>

#include "platform/sound_backend.h"

namespace bv::platform {

namespace {

constexpr int kRate = 44100;
constexpr int kChunkBytes = 1024; // about 23 ms of latency per buffer

struct Sound {
    Mix_Chunk* chunk;
    Mix_Music* music;
    uint8_t* bytes; // a stream's compressed file, read by the mixer while it plays
    uint32_t mode;
};

struct Channel {
    uint32_t generation = 1;
    SoundHandle sound = 0; // 0: nothing started since the last stop
    bool pending = false;  // started paused and not yet handed to the mixer
    bool paused = false;
    float volume = 1.0f;
    int32_t loops = 0;
};

int mixVolume(float volume) {
    if (volume <= 0) return 0;
    if (volume >= 1) return MIX_MAX_VOLUME;
    return static_cast<int>(volume * MIX_MAX_VOLUME + 0.5f);
}

class SdlSound final : public SoundBackend {
  public:
    // The game keeps its layer for the whole run; replacing it (tests, benchmarks) closes the device.
    ~SdlSound() override {
        if (!ready_) return;
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (int32_t i = 0; i < soundCount_; ++i) {
            if (sounds_[i].chunk) Mix_FreeChunk(sounds_[i].chunk);
            if (sounds_[i].music) Mix_FreeMusic(sounds_[i].music);
            SDL_free(sounds_[i].bytes);
        }
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    uint32_t version() override {
        const SDL_version* v = Mix_Linked_Version();
        return static_cast<uint32_t>(v->major) << 16 | static_cast<uint32_t>(v->minor) << 8 | v->patch;
    }

    int32_t systemCreate() override { return kSoundOk; }

    int32_t init(int32_t channels) override {
        channelCount_ = channels < 1 ? 1 : (channels > kMaxSoundChannels ? kMaxSoundChannels : channels);
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return noDevice();
        // Ogg Vorbis support is loaded on demand; without it the Ogg files simply fail to load.
        Mix_Init(MIX_INIT_OGG);
        if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kChunkBytes) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return noDevice();
        }
        Mix_AllocateChannels(channelCount_);
        ready_ = true;
        return kSoundOk;
    }

    int32_t create(const void* data, uint32_t size, uint32_t mode, SoundHandle* sound) override {
        if (sound) *sound = 0;
        if (!ready_) return kSoundErrNotReady;
        if (!data || !sound || size == 0 || size > 0x7FFFFFFFu) return kSoundErrBadData;
        if (soundCount_ == kMaxSounds) return kSoundErrTooMany;
        Sound s{nullptr, nullptr, nullptr, mode};
        if (mode & kSoundStream) {
            s.bytes = static_cast<uint8_t*>(SDL_malloc(size));
            if (!s.bytes) return kSoundErrBadData;
            std::memcpy(s.bytes, data, size);
            s.music = Mix_LoadMUS_RW(SDL_RWFromConstMem(s.bytes, static_cast<int>(size)), 1);
            if (!s.music) SDL_free(s.bytes);
            if (!s.music) return kSoundErrBadData;
        } else {
            s.chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1);
            if (!s.chunk) return kSoundErrBadData;
        }
        sounds_[soundCount_] = s;
        *sound = ++soundCount_;
        return kSoundOk;
    }

    int32_t play(SoundHandle sound, bool paused, ChannelHandle* channel) override {
        if (channel) *channel = 0;
        if (!ready_) return kSoundErrNotReady;
        if (sound < 1 || sound > soundCount_) return kSoundErrInvalidSound;
        bool stream = sounds_[sound - 1].music != nullptr;
        if (stream && streamBusy()) return kSoundErrStreamBusy;
        int32_t index = -1;
        for (int32_t i = 0; i < channelCount_ && index < 0; ++i)
            if (!busy(i)) index = i;
        if (index < 0) return kSoundErrNoFreeChannel;
        if (streamChannel_ == index) streamChannel_ = -1; // its stream has ended
        Channel& c = channels_[index];
        c = Channel{nextGeneration(c.generation),
                    sound,
                    true,
                    paused,
                    1.0f,
                    (sounds_[sound - 1].mode & kSoundLoopNormal) ? -1 : 0};
        if (stream) streamChannel_ = index;
        if (!paused) start(index);
        if (channel) *channel = packChannel(c.generation, index);
        return kSoundOk;
    }

    bool isPlaying(ChannelHandle channel) override { return live(channel) >= 0; }

    int32_t setVolume(ChannelHandle channel, float volume) override {
        int32_t i = live(channel);
        if (i < 0) return kSoundErrInvalidChannel;
        channels_[i].volume = volume;
        if (!channels_[i].pending) applyVolume(i);
        return kSoundOk;
    }

    int32_t rewind(ChannelHandle channel) override {
        int32_t i = live(channel);
        if (i < 0) return kSoundErrInvalidChannel;
        if (channels_[i].pending) return kSoundOk; // not started yet: already at the start
        if (isStream(i)) {
            Mix_RewindMusic();
        } else {
            // Playing the chunk again on its own channel restarts it from the first sample.
            Mix_PlayChannel(i, sounds_[channels_[i].sound - 1].chunk, channels_[i].loops);
            if (channels_[i].paused) Mix_Pause(i);
        }
        return kSoundOk;
    }

    int32_t setLoopCount(ChannelHandle channel, int32_t loops) override {
        int32_t i = live(channel);
        if (i < 0) return kSoundErrInvalidChannel;
        channels_[i].loops = loops < 0 ? -1 : loops;
        return kSoundOk;
    }

    int32_t setPaused(ChannelHandle channel, bool paused) override {
        int32_t i = live(channel);
        if (i < 0) return kSoundErrInvalidChannel;
        Channel& c = channels_[i];
        c.paused = paused;
        if (c.pending) {
            if (!paused) start(i);
        } else if (isStream(i)) {
            paused ? Mix_PauseMusic() : Mix_ResumeMusic();
        } else {
            paused ? Mix_Pause(i) : Mix_Resume(i);
        }
        return kSoundOk;
    }

    int32_t stop(ChannelHandle channel) override {
        int32_t i = live(channel);
        if (i < 0) return kSoundErrInvalidChannel;
        halt(i);
        return kSoundOk;
    }

    void update() override {
        // The mixer runs on its own thread; only a finished stream needs noticing here.
        if (streamChannel_ >= 0 && !busy(streamChannel_)) streamChannel_ = -1;
    }

    void stopAll() override {
        for (int32_t i = 0; i < channelCount_; ++i)
            if (busy(i)) halt(i);
    }

  private:
    int32_t noDevice() {
        std::fprintf(stderr, "Brickvale 2: no audio device (%s); the game runs without sound\n",
                     SDL_GetError());
        return kSoundErrNoDevice;
    }

    bool isStream(int32_t i) const { return channels_[i].sound > 0 && sounds_[channels_[i].sound - 1].music; }

    bool busy(int32_t i) const {
        const Channel& c = channels_[i];
        if (c.sound == 0) return false;
        if (c.pending) return true;
        if (isStream(i)) return streamChannel_ == i && Mix_PlayingMusic();
        return Mix_Playing(i) != 0; // a paused chunk still counts as playing
    }

    bool streamBusy() const {
        return streamChannel_ >= 0 && isStream(streamChannel_) && busy(streamChannel_);
    }

    // The handle's channel index when it is still current and playing, else -1.
    int32_t live(ChannelHandle channel) const {
        int32_t i = channelIndexOf(channel);
        if (channel <= 0 || i >= channelCount_) return -1;
        if (channels_[i].generation != channelGenerationOf(channel) || !busy(i)) return -1;
        return i;
    }

    void start(int32_t i) {
        Channel& c = channels_[i];
        c.pending = false;
        applyVolume(i);
        const Sound& s = sounds_[c.sound - 1];
        if (s.music) {
            // The stream counts plays, not repeats; 0 and 1 both mean once.
            Mix_PlayMusic(s.music, c.loops < 0 ? -1 : c.loops + 1);
        } else {
            Mix_PlayChannel(i, s.chunk, c.loops);
        }
        if (c.paused) s.music ? Mix_PauseMusic() : Mix_Pause(i);
    }

    void applyVolume(int32_t i) {
        if (isStream(i))
            Mix_VolumeMusic(mixVolume(channels_[i].volume));
        else
            Mix_Volume(i, mixVolume(channels_[i].volume));
    }

    void halt(int32_t i) {
        Channel& c = channels_[i];
        if (!c.pending) isStream(i) ? Mix_HaltMusic() : Mix_HaltChannel(i);
        if (streamChannel_ == i) streamChannel_ = -1;
        c.sound = 0;
        c.pending = false;
        c.paused = false;
        c.generation = nextGeneration(c.generation);
    }

    bool ready_ = false;
    int32_t channelCount_ = 0;
    Sound sounds_[kMaxSounds] = {};
    int32_t soundCount_ = 0;
    Channel channels_[kMaxSoundChannels];
    int32_t streamChannel_ = -1;
};

} // namespace

SoundBackend* makeSdlSound() {
    return new SdlSound();
}

} // namespace bv::platform
