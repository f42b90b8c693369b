// Music and sound effects. Fifty sounds are known by a fixed id: music tracks 0..16 (0 the
// title music, 1..15 the in-game playlist, 16 the win music) and effects 17..49. Music follows
// the state machine's selection; effects play on eight channels with a few rules per sound.
#pragma once

#include <cstdint>

#include "platform/sound.h"

namespace bv {

constexpr int32_t kSoundCount = 50;
constexpr int32_t kMusicTrackCount = 17; // ids 0..16
constexpr int32_t kFirstEffect = 17;
constexpr int32_t kFirstPlaylistTrack = 1;
constexpr int32_t kLastPlaylistTrack = 15;

// Channel slots: slot 0 plays the music, slots 1..8 the effects.
constexpr int32_t kAudioSlots = 9;
constexpr int32_t kMusicSlot = 0;

// Effect flags, one word per sound.
constexpr uint32_t kSoundProtected = 0x2;          // reserved for a channel-stealing rule
constexpr uint32_t kSoundOncePerRun = 0x20;        // played at most once per run ...
constexpr uint32_t kSoundPlayed = 0x40;            // ... and this marks that it was
constexpr uint32_t kSoundKeepWhenAllBusy = 0x80;   // all channels busy: do not restart a playing instance
constexpr uint32_t kSoundNoRestartPlaying = 0x100; // not started again while an instance plays

constexpr int32_t kDefaultMusicVolume = 30; // 0..100
constexpr int32_t kDefaultEffectVolume = 8; // 0..10

// The oldest sound library version the game accepts, packed as the layer reports it.
constexpr uint32_t kRequiredSoundVersion = 0x00020000;

// Start-up: opens the sound layer (errors are fatal; a missing audio device is not, the game
// then runs silently), creates the effects from the archive and hands the music operations to
// the state machine. Music tracks come later, from createMusicStep.
void audioInit();
// Creates one more music track; true once all 17 exist (the start-up logo sequence calls it
// once per pass and ends when it says so). No music starts before that.
bool createMusicStep();
bool musicLoaded();

// Plays effect `id` (17..49) by its rules; other ids are ignored. `extra` is accepted for the
// callers that pass one (button clicks pass 5) and changes nothing.
void playEffect(int32_t id, int32_t extra = 0);

// Every frame, with the ticks the frame took and the frame counter: fades and the playlist.
void audioUpdate(int32_t elapsedTicks, int32_t frame);

// Volumes, applied at once. Music 0..100 (x 0.01), effects 0..10 (x 0.1); values outside the
// range count as its nearest end.
void setMusicVolume(int32_t volume);
int32_t musicVolume();
void setEffectVolume(int32_t volume);
int32_t effectVolume();
// Applies the effect volume to every playing effect channel.
void applyEffectVolume();

// Shut-down: stops all nine channels.
void stopAllSound();

// The music operations the state machine's music selection is built on.
void stopMusic();
// Stops the music, picks a playlist track other than the current one and fades it in; the pause
// that follows it is drawn now.
void startPlaylistTrack();
// Plays track 0 or 16 on the music channel at the music volume; a failure is fatal.
void playMusicTrack(int32_t track);

// The playlist's state.
enum MusicPhase : int32_t { kMusicPause = 0, kMusicFadingOut = 1, kMusicPlaying = 2 };
struct MusicState {
    int32_t track;      // current playlist track, 1..15 (0 before the first)
    int32_t phase;      // MusicPhase
    int32_t fade;       // fade level 0..100
    int32_t fadeTimer;  // ms to the next fade step
    int32_t pauseTimer; // ms of pause after the current track
};
MusicState musicState();

// The sound table.
const char* soundFileName(int32_t id);
uint32_t soundFlags(int32_t id);
void setSoundFlags(int32_t id, uint32_t flags);
// The created sound of id, 0 when its file was missing or could not be decoded.
platform::SoundHandle soundHandle(int32_t id);
// What a channel slot last started: the sound id (-1 none) and its channel handle.
int32_t slotSound(int32_t slot);
platform::ChannelHandle slotChannel(int32_t slot);

// Tests only: everything back to before audioInit (flags as shipped, default volumes, no sounds).
void resetAudioForTests();

} // namespace bv
