// The composer. Each track is a small style sheet (tempo, key, mode, chord progression, instruments, groove);
// the composer turns it into a song: bass and harmony follow the progression, a melody is built
// from a seeded two-bar motif over an A A' B A form, and drums keep a soft groove. The song is
// rendered with a room reverb whose tail is folded back onto the start, so the track loops
// without a seam. Levels are gentle: no bare square waves, soft-clipped peaks.
#include <algorithm>

#include "music.h"
#include "synth.h"

namespace bv::gen {

namespace {

struct Song {
    const Style& s;
    Track track;
    Rng rng;
    double beat, bar;
    explicit Song(const Style& style) : s(style), rng(style.seed), beat(60.0 / style.bpm), bar(4 * beat) {}

    // Pitch of scale degree d (any integer) above the tonic `root`.
    int degree(int d, int root) const {
        int n = int(s.scale.size());
        int octave = d >= 0 ? d / n : -((-d + n - 1) / n);
        return root + octave * 12 + s.scale[size_t(d - octave * n)];
    }
    std::vector<int> chordTones(int deg, int root) const {
        std::vector<int> c = {degree(deg, root), degree(deg + 2, root), degree(deg + 4, root)};
        if (s.sevenths) c.push_back(degree(deg + 6, root));
        return c;
    }
    // Time of eighth-note `e` in bar b, with swing on the off-beats and a touch of looseness.
    double when(int b, double eighth) {
        double t = b * bar + eighth * beat / 2;
        if (int(eighth) % 2 == 1 && eighth == std::floor(eighth)) t += s.swing * beat / 6;
        return t + rng.range(-0.004, 0.004);
    }

    void voice(Lead lead, int note, double start, double length, double gain, double pan) {
        double hz = midiToHz(note);
        std::vector<float> v;
        switch (lead) {
        case Lead::kBell:
            v = bell(hz, length, 0.7);
            break;
        case Lead::kMarimba:
            v = marimba(hz, length);
            break;
        case Lead::kFlute:
            v = flute(hz, length, rng.next());
            break;
        case Lead::kSoftLead:
            v = softLead(hz, length);
            break;
        case Lead::kPluck:
            v = pluck(hz, length, rng.next());
            break;
        case Lead::kEpiano:
            v = epiano(hz, length);
            break;
        case Lead::kBrass:
            v = brass(hz, length);
            break;
        }
        track.mix(v, start, gain * rng.range(0.88, 1.0), pan);
    }

    void bassLine() {
        for (int b = 0; b < s.bars; ++b) {
            int deg = s.progression[size_t(b) % s.progression.size()];
            int nextDeg = s.progression[size_t(b + 1) % s.progression.size()];
            int root = degree(deg, s.root - 24);
            auto play = [&](int note, double eighth, double eighths) {
                double hz = midiToHz(note), len = eighths * beat / 2 * 0.9;
                std::vector<float> v =
                    s.bass == Bass::kPluck ? pluck(hz, len, rng.next(), 0.993) : bass(hz, len);
                track.mix(v, when(b, eighth), s.bass == Bass::kPluck ? 0.7 : 0.45, 0);
            };
            switch (s.bass) {
            case Bass::kRoot:
                play(root, 0, 4), play(b % 2 ? degree(deg + 4, s.root - 24) : root, 4, 4);
                break;
            case Bass::kWalking:
                for (int q = 0; q < 4; ++q) {
                    int note = q == 0   ? root
                               : q == 3 ? degree(nextDeg, s.root - 24) + (rng.chance(0.5) ? 1 : -1)
                                        : degree(deg + (q == 1 ? 2 : 4), s.root - 24);
                    play(note, q * 2, 2);
                }
                break;
            case Bass::kOctaves:
                for (int e = 0; e < 8; ++e) play(root + (e % 2 ? 12 : 0), e, 1);
                break;
            case Bass::kPluck:
                for (int e : {0, 3, 4, 6})
                    play(e == 6 ? degree(deg + 4, s.root - 24) : root, e, e == 0 ? 3 : 1.5);
                break;
            }
        }
    }

    void harmony() {
        for (int b = 0; b < s.bars; ++b) {
            std::vector<int> chord = chordTones(s.progression[size_t(b) % s.progression.size()], s.root - 12);
            switch (s.comp) {
            case Comp::kPad:
                for (int n : chord) track.mix(pad(midiToHz(n), bar * 0.98, 0.4), b * bar, 0.22, -0.3);
                break;
            case Comp::kOrgan:
                for (int e : {2, 6})
                    for (int n : chord) track.mix(organ(midiToHz(n), beat * 0.8), when(b, e), 0.25, -0.3);
                break;
            case Comp::kEpiano:
                for (double e : {0.0, 3.0, 6.0})
                    for (int n : chord)
                        track.mix(epiano(midiToHz(n), beat * (e == 0 ? 1.2 : 0.8)), when(b, e), 0.18, -0.3);
                break;
            case Comp::kPluckArp:
            case Comp::kMarimbaArp:
                for (int e = 0; e < 8; ++e) {
                    static const int kOrder[8] = {0, 1, 2, 1, 3, 1, 2, 1};
                    int idx = kOrder[e] % int(chord.size());
                    int note = chord[size_t(idx)] + (kOrder[e] >= int(chord.size()) ? 12 : 0);
                    double hz = midiToHz(note + 12);
                    std::vector<float> v = s.comp == Comp::kPluckArp
                                               ? pluck(hz, beat * 0.45, rng.next(), 0.994)
                                               : marimba(hz, beat * 0.45);
                    // Ping-pong: alternate sides for a gentle stereo bounce.
                    track.mix(v, when(b, e), s.comp == Comp::kPluckArp ? 0.3 : 0.22, e % 2 ? 0.45 : -0.45);
                }
                break;
            }
        }
    }

    // A two-bar rhythm: (start eighth, length in eighths) pairs.
    std::vector<std::pair<int, int>> motifRhythm() {
        static const std::vector<std::vector<std::pair<int, int>>> kRhythms = {
            {{0, 2}, {2, 1}, {3, 1}, {4, 2}, {6, 2}, {8, 3}, {11, 1}, {12, 4}},
            {{0, 1}, {1, 1}, {2, 2}, {4, 1}, {5, 1}, {6, 2}, {8, 2}, {10, 2}, {12, 4}},
            {{0, 3}, {3, 1}, {4, 4}, {8, 2}, {10, 1}, {11, 1}, {12, 4}},
            {{0, 2}, {2, 2}, {4, 2}, {6, 1}, {7, 1}, {8, 6}, {14, 2}},
            {{1, 1}, {2, 2}, {4, 1}, {5, 3}, {8, 1}, {9, 1}, {10, 2}, {12, 3}},
        };
        return kRhythms[size_t(rng.below(int(kRhythms.size())))];
    }

    void melody() {
        const int melodyRoot = s.root + (s.lead == Lead::kBrass ? 0 : 12);
        auto allowed = [&](int d) {
            int k = ((d % 7) + 7) % 7;
            return !s.pentatonic || (k != 3 && k != 6);
        };
        // Motifs for the A and B sections: rhythm and a contour of scale steps.
        struct Motif {
            std::vector<std::pair<int, int>> rhythm;
            std::vector<int> steps;
        };
        auto makeMotif = [&]() {
            Motif m{motifRhythm(), {}};
            for (size_t i = 0; i < m.rhythm.size(); ++i) m.steps.push_back(rng.below(5) - 2);
            return m;
        };
        Motif a = makeMotif(), b = makeMotif();
        const double kLeadGain[] = {0.5, 0.55, 0.45, 0.32, 0.6, 0.5, 0.38};
        double gain = kLeadGain[int(s.lead)];
        for (int phrase = 0; phrase * 2 < s.bars; ++phrase) {
            int section = (phrase / 4) % 4; // A A' B A over 8-bar sections
            const Motif& m = section == 2 ? b : a;
            bool answer = phrase % 2 == 1;
            int bar0 = phrase * 2;
            int deg0 = s.progression[size_t(bar0) % s.progression.size()];
            int pos = deg0 + (section == 2 ? 4 : 2) + (answer ? 1 : 0); // start on a chord tone
            for (size_t i = 0; i < m.rhythm.size(); ++i) {
                auto [start, len] = m.rhythm[i];
                int barIndex = bar0 + start / 8;
                if (barIndex >= s.bars) break;
                int chordDeg = s.progression[size_t(barIndex) % s.progression.size()];
                pos += (answer && section == 1) ? -m.steps[i] : m.steps[i];
                pos = std::clamp(pos, 0, 9);
                if (start % 4 == 0) { // strong beats land on a chord tone
                    int best = pos, bestDist = 99;
                    for (int k : {0, 2, 4, 7, 9, 11})
                        if (std::abs(chordDeg + k - pos) < bestDist && chordDeg + k <= 11)
                            bestDist = std::abs(chordDeg + k - pos), best = chordDeg + k;
                    pos = best;
                }
                while (!allowed(pos)) ++pos;
                bool last = i + 1 == m.rhythm.size();
                if (last && answer) pos = chordDeg + (section == 3 ? 0 : 2); // phrase ends settle
                if (!last && rng.chance(0.08)) continue;                     // a breath now and then
                voice(s.lead, degree(pos, melodyRoot), when(barIndex, start % 8), len * beat / 2 * 0.92, gain,
                      0.2);
            }
        }
    }

    void drums() {
        for (int b = 0; b < s.bars; ++b) {
            uint64_t k = rng.next();
            switch (s.drums) {
            case Drums::kNone:
                break;
            case Drums::kSoft:
                track.mix(kick(0.8), when(b, 0), 0.45, 0), track.mix(kick(0.8), when(b, 4), 0.35, 0);
                for (int e = 0; e < 8; ++e)
                    track.mix(shaker(k + uint64_t(e)), when(b, e), e % 2 ? 0.18 : 0.1, -0.35);
                break;
            case Drums::kPop:
                for (int e : {0, 3, 4}) track.mix(kick(1.0), when(b, e), e == 3 ? 0.3 : 0.5, 0);
                for (int e : {2, 6}) track.mix(snare(k + uint64_t(e), 0.4), when(b, e), 0.22, 0.1);
                for (int e = 0; e < 8; ++e) track.mix(hat(k + uint64_t(e), e == 7), when(b, e), 0.1, 0.35);
                break;
            case Drums::kSwing:
                track.mix(kick(0.7), when(b, 0), 0.35, 0);
                for (int e : {0, 2, 3, 4, 6, 7})
                    track.mix(hat(k + uint64_t(e), e == 2 || e == 6), when(b, e), 0.09, 0.35);
                for (int e : {2, 6}) track.mix(snare(k + uint64_t(e), 0.1), when(b, e), 0.08, -0.1);
                break;
            case Drums::kHand:
                for (int e : {0, 3, 5})
                    track.mix(handDrum(e == 0 ? 110 : 170, k + uint64_t(e)), when(b, e), 0.4, -0.2);
                for (int e : {2, 6}) track.mix(woodblock(b % 2 ? 900 : 760), when(b, e), 0.18, 0.4);
                for (int e = 0; e < 8; ++e) track.mix(shaker(k + uint64_t(e) + 9), when(b, e), 0.1, 0.3);
                break;
            case Drums::kMarch:
                for (int e : {0, 4}) track.mix(kick(1.2), when(b, e), 0.5, 0);
                for (int e = 0; e < 8; ++e)
                    track.mix(snare(k + uint64_t(e), 0.6), when(b, e), e % 2 ? 0.08 : 0.16, 0.1);
                track.mix(clap(k), when(b, 6), 0.18, -0.2);
                break;
            }
        }
    }

    // Renders, folds the tail back onto the start (seamless loop) and returns 16-bit stereo.
    std::vector<int16_t> render() {
        bassLine();
        harmony();
        melody();
        drums();
        const size_t loop = size_t(s.bars * bar * kRate);
        track.ensure(loop + size_t(3 * kRate));
        reverb(track, s.wet, 0.85, 0.35);
        for (size_t i = loop; i < track.frames(); ++i) {
            track.left[i - loop] += track.left[i];
            track.right[i - loop] += track.right[i];
        }
        track.left.resize(loop), track.right.resize(loop);
        highPass(track.left, 25), highPass(track.right, 25); // no rumble or offset
        return toPcm(track, true, 0.8);
    }
};

} // namespace

std::vector<int16_t> composeTrack(const Style& style) {
    Song song(style);
    return song.render();
}

} // namespace bv::gen
