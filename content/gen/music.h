// The music's style sheets and the composer that turns one into a looping track.
#pragma once

#include <cstdint>
#include <vector>

namespace bv::gen {

enum class Lead { kBell, kMarimba, kFlute, kSoftLead, kPluck, kEpiano, kBrass };
enum class Comp { kPad, kEpiano, kPluckArp, kMarimbaArp, kOrgan };
enum class Bass { kRoot, kWalking, kOctaves, kPluck };
enum class Drums { kNone, kSoft, kPop, kSwing, kHand, kMarch };

struct Style {
    int id;
    const char* file;
    double bpm;
    int root; // MIDI note of the key's tonic (bass octave + 24)
    std::vector<int> scale;
    std::vector<int> progression; // scale degree of each bar's chord
    int bars;
    Lead lead;
    Comp comp;
    Bass bass;
    Drums drums;
    double swing = 0;
    bool pentatonic = false;
    bool sevenths = false;
    double wet = 0.18;
    uint64_t seed = 1;
};

// The seventeen tracks, by id.
const std::vector<Style>& musicStyles();
// Composes and renders a style: 16-bit stereo samples at 44.1 kHz that loop seamlessly.
std::vector<int16_t> composeTrack(const Style& style);

} // namespace bv::gen
