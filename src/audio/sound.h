// The sound effects interface the rest of the game plays through. Every sound has a fixed id
// (0..16 music, 17..49 effects). Until the audio system is up every call is silent.
#pragma once

#include <cstdint>

namespace bv {

// Effect ids the interface code plays.
constexpr int32_t kSoundOrganicWhoosh21 = 32; // "organic_whoosh_21.wav": a dialog resets
constexpr int32_t kSoundMagicWand = 34;       // "magicWand.wav": default button click
constexpr int32_t kSoundClickWhoosh = 40;     // "clickWhoosh.wav": default dialog button, opening a dialog

// Plays effect `id` on a free effect channel; ids outside the table are ignored. Callers that
// pass a priority in the interface's rules (5 for button clicks) pass it here; it changes nothing.
void playSound(int32_t id, int32_t priority = 0);

// The id most recently asked for, -1 before the first; lets tests see which sound a click chose.
int32_t lastSoundRequested();
// How many sounds have been asked for since start-up.
int32_t soundRequestCount();

} // namespace bv
