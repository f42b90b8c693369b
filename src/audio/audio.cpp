// Audio start-up, the sound table, the effects and their channel rules, the two volumes.
#include "audio/audio.h"

#include "assets/archive.h"
#include "audio/audio_internal.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "core/state.h"

namespace bv {

namespace {

struct SoundRow {
    const char* file;
    uint32_t flags;
};

// The fifty sounds by id. Only the repair sound and the cash register carry rules: neither may
// pile up on itself, and a repair that is already sounding is never cut back to its start.
const SoundRow kSoundTable[kSoundCount] = {
    {"kids.ogg", 0},         // 0: title music
    {"Ambient_Odor.ogg", 0}, // 1..15: the in-game playlist
    {"Antz.ogg", 0},
    {"Buzz.ogg", 0},
    {"Cinema.ogg", 0},
    {"Cube.ogg", 0},
    {"Dreams.ogg", 0},
    {"Electro.ogg", 0},
    {"Happy_Genius.ogg", 0},
    {"Hills.ogg", 0},
    {"Live.ogg", 0},
    {"Penta.ogg", 0},
    {"Ping_Pong.ogg", 0},
    {"Rhythm.ogg", 0},
    {"Suicidal.ogg", 0},
    {"World.ogg", 0},
    {"Tribal_02.ogg", 0}, // 16: win music
    {"quillmoor.wav", 0}, // 17: maker logo
    {"repairs.ogg", kSoundNoRestartPlaying | kSoundKeepWhenAllBusy},
    {"spring06.wav", 0},
    {"generic_ui_10b.wav", 0},
    {"mech_nav_10.wav", 0},
    {"marvelous_moment01.wav", 0},
    {"marvelous_moment02.wav", 0},
    {"marvelous_moment03.wav", 0},
    {"marvelous_moment04.wav", 0},
    {"short_flourish_03.wav", 0},
    {"short_flourish_10.wav", 0},
    {"sessionComplete.wav", 0},
    {"outOfLuck.wav", 0},
    {"organic_whoosh_16.wav", 0},
    {"organic_whoosh_19.wav", 0},
    {"organic_whoosh_21.wav", 0},
    {"newsstinger.wav", 0},
    {"magicWand.wav", 0}, // 34: default button click
    {"magic_fairy_wand_01.wav", 0},
    {"highlight_06.wav", 0},
    {"harp_flourish_07.wav", 0},
    {"happyAlert.wav", 0},
    {"goodMorning.wav", 0},
    {"clickWhoosh.wav", 0}, // 40: default dialog button
    {"closeWhoosh.wav", 0},
    {"arrowUp.wav", 0},
    {"arrowDown.wav", 0},
    {"squirt.wav", 0},
    {"rollover.wav", 0},
    {"endBonus.wav", 0},
    {"coin_drop.wav", 0},
    {"bonus.wav", 0},
    {"cash_register_open.wav", kSoundNoRestartPlaying}, // 49
};

audio::AudioState freshState() {
    audio::AudioState state;
    for (int32_t id = 0; id < kSoundCount; ++id) state.flags[id] = kSoundTable[id].flags;
    return state;
}

} // namespace

namespace audio {
AudioState g_audio = freshState();
} // namespace audio

using audio::g_audio;

namespace {

// Reads the whole file through the archive and creates its sound; the file's bytes are freed
// at once. A missing or undecodable file leaves the sound without a handle: it stays silent.
void createSound(int32_t id, uint32_t mode) {
    uint8_t* bytes = nullptr;
    uint32_t size = loadFile(kSoundTable[id].file, bytes, 0);
    if (size == 0) return;
    platform::soundCreate(bytes, size, mode, &g_audio.handles[id]);
    memFree(bytes);
}

// The first effect slot whose channel plays sound `id`, or -1.
int32_t playingSlotOf(int32_t id) {
    for (int32_t slot = 1; slot < kAudioSlots; ++slot)
        if (g_audio.slots[slot].id == id && platform::channelIsPlaying(g_audio.slots[slot].channel))
            return slot;
    return -1;
}

float effectLevel() {
    return static_cast<float>(g_audio.effectVolume) * 0.1f;
}

} // namespace

void audioInit() {
    if (g_audio.ready) return;
    int32_t result = platform::soundSystemCreate();
    if (result != platform::kSoundOk)
        fatal("Error %d while starting the sound system (SDL_mixer).\n", result);
    uint32_t version = platform::soundVersion();
    if (version < kRequiredSoundVersion)
        fatal("Error!  The sound library (SDL_mixer) is version %08x; this game needs %08x or newer.\n",
              version, kRequiredSoundVersion);
    result = platform::soundInit(kAudioSlots);
    if (result != platform::kSoundOk)
        fatal("Error %d while opening the sound device (SDL_mixer). %s\n", result,
              platform::soundErrorText(result));

    for (int32_t id = kFirstEffect; id < kSoundCount; ++id) createSound(id, platform::kSoundLoopOff);
    g_audio.ready = true;
    setMusicHooks(MusicHooks{musicLoaded, stopMusic, startPlaylistTrack, playMusicTrack});
}

bool createMusicStep() {
    if (!g_audio.ready) return true; // nothing to wait for
    if (g_audio.nextTrack < kMusicTrackCount) {
        // Streamed: a track is decoded while it plays, so creating one costs next to nothing.
        createSound(g_audio.nextTrack, platform::kSoundLoopNormal | platform::kSoundStream);
        ++g_audio.nextTrack;
    }
    g_audio.musicLoaded = g_audio.nextTrack >= kMusicTrackCount;
    return g_audio.musicLoaded;
}

bool musicLoaded() {
    return g_audio.musicLoaded;
}

void playEffect(int32_t id, int32_t extra) {
    (void)extra;
    // Music ids are not effects: playing one here would take a track onto an effect channel.
    if (!g_audio.ready || id < kFirstEffect || id >= kSoundCount) return;
    uint32_t& flags = g_audio.flags[id];
    if (flags & kSoundPlayed) return;
    if (flags & kSoundOncePerRun) flags |= kSoundPlayed;
    if ((flags & kSoundNoRestartPlaying) && playingSlotOf(id) >= 0) return;

    int32_t free = -1;
    for (int32_t slot = 1; slot < kAudioSlots && free < 0; ++slot)
        if (!platform::channelIsPlaying(g_audio.slots[slot].channel)) free = slot;
    if (free < 0) {
        // All eight are busy: an instance of the same effect starts over instead.
        int32_t same = (flags & kSoundKeepWhenAllBusy) ? -1 : playingSlotOf(id);
        if (same >= 0) platform::channelRewind(g_audio.slots[same].channel);
        return;
    }
    platform::ChannelHandle channel = 0;
    if (platform::soundPlay(g_audio.handles[id], false, &channel) != platform::kSoundOk) return;
    platform::channelSetVolume(channel, effectLevel());
    g_audio.slots[free] = audio::Slot{id, channel};
}

void setMusicVolume(int32_t volume) {
    g_audio.musicVolume = volume < 0 ? 0 : (volume > 100 ? 100 : volume);
    platform::channelSetVolume(g_audio.slots[kMusicSlot].channel, audio::musicLevel(g_audio.musicVolume));
}

int32_t musicVolume() {
    return g_audio.musicVolume;
}

void setEffectVolume(int32_t volume) {
    g_audio.effectVolume = volume < 0 ? 0 : (volume > 10 ? 10 : volume);
    applyEffectVolume();
}

int32_t effectVolume() {
    return g_audio.effectVolume;
}

void applyEffectVolume() {
    for (int32_t slot = 1; slot < kAudioSlots; ++slot)
        if (platform::channelIsPlaying(g_audio.slots[slot].channel))
            platform::channelSetVolume(g_audio.slots[slot].channel, effectLevel());
}

void stopAllSound() {
    for (const audio::Slot& slot : g_audio.slots) platform::channelStop(slot.channel);
}

const char* soundFileName(int32_t id) {
    return (id >= 0 && id < kSoundCount) ? kSoundTable[id].file : nullptr;
}

uint32_t soundFlags(int32_t id) {
    return (id >= 0 && id < kSoundCount) ? g_audio.flags[id] : 0;
}

void setSoundFlags(int32_t id, uint32_t flags) {
    if (id >= 0 && id < kSoundCount) g_audio.flags[id] = flags;
}

platform::SoundHandle soundHandle(int32_t id) {
    return (id >= 0 && id < kSoundCount) ? g_audio.handles[id] : 0;
}

int32_t slotSound(int32_t slot) {
    return (slot >= 0 && slot < kAudioSlots) ? g_audio.slots[slot].id : -1;
}

platform::ChannelHandle slotChannel(int32_t slot) {
    return (slot >= 0 && slot < kAudioSlots) ? g_audio.slots[slot].channel : 0;
}

void resetAudioForTests() {
    g_audio = freshState();
    setMusicHooks(MusicHooks{});
}

} // namespace bv
