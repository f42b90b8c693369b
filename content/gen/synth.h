// Sound synthesis for the effects and the music: oscillators, envelopes, simple filters, a few
// instrument voices, a room reverb, and the final conversion to 16-bit samples. Everything is
// deterministic: noise comes from the seeded generator of out.h.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "out.h"

namespace bv::gen {

constexpr int kRate = 44100;
constexpr double kTau = 6.283185307179586;

// A mono or stereo buffer of float samples (stereo: two channels of equal length).
struct Track {
    std::vector<float> left, right;
    explicit Track(size_t frames = 0) : left(frames, 0.f), right(frames, 0.f) {}
    size_t frames() const { return left.size(); }
    void ensure(size_t frames) {
        if (left.size() < frames) left.resize(frames, 0.f), right.resize(frames, 0.f);
    }
    // Adds a mono signal at `start` (seconds) with gain and pan (-1 left .. 1 right).
    void mix(const std::vector<float>& mono, double start, double gain, double pan = 0);
};

double midiToHz(double note);

// Voices: each returns a mono note of `seconds` (plus its natural release) at frequency hz.
std::vector<float> bell(double hz, double seconds, double brightness = 1.0); // FM bell
std::vector<float> epiano(double hz, double seconds);                        // FM electric piano
std::vector<float> marimba(double hz, double seconds);                       // struck bar
std::vector<float> pluck(double hz, double seconds, uint64_t seed, double damping = 0.996); // plucked string
std::vector<float> pad(double hz, double seconds, double brightness = 0.5); // soft detuned pad
std::vector<float> flute(double hz, double seconds, uint64_t seed);         // breathy sine with vibrato
std::vector<float> softLead(double hz, double seconds);                     // rounded pulse lead
std::vector<float> brass(double hz, double seconds);                        // mellow brass swell
std::vector<float> bass(double hz, double seconds);                         // round bass
std::vector<float> organ(double hz, double seconds);

// Percussion.
std::vector<float> kick(double punch = 1.0);
std::vector<float> snare(uint64_t seed, double tone = 0.5);
std::vector<float> hat(uint64_t seed, bool open = false);
std::vector<float> shaker(uint64_t seed);
std::vector<float> clap(uint64_t seed);
std::vector<float> woodblock(double hz);
std::vector<float> handDrum(double hz, uint64_t seed);

// Building blocks for effects.
std::vector<float> noise(double seconds, uint64_t seed);
std::vector<float> sweep(double hzFrom, double hzTo, double seconds, double shape = 1.0); // sine glide
void lowPass(std::vector<float>& s, double hz);
void highPass(std::vector<float>& s, double hz);
// A band-pass whose centre moves from hzFrom to hzTo over the signal (for whooshes).
void bandSweep(std::vector<float>& s, double hzFrom, double hzTo, double q);
// Multiplies by an attack / exponential-decay envelope.
void envelope(std::vector<float>& s, double attack, double decayTime);
void fadeOut(std::vector<float>& s, double seconds);
void addInto(std::vector<float>& into, const std::vector<float>& s, double start, double gain);

// A small room (parallel combs into all-passes), applied as a send and mixed back in.
void reverb(Track& t, double wet, double roomSize = 0.8, double damping = 0.3);

// Peak-normalises to `peak` (0..1) after a gentle soft clip, and returns 16-bit samples
// (interleaved when stereo).
std::vector<int16_t> toPcm(const Track& t, bool stereo, double peak);

} // namespace bv::gen
