// bvgen_sfx OUTDIR: the 33 sound effects (ids 17..49), synthesised: chimes and arpeggios for good
// news, soft whooshes for dialogs, clicks and blips for buttons, coins and a cash register for
// money, hammering and sawing for building work. Mono, 44.1 kHz, gentle peaks.
#include <functional>
#include <map>

#include "ogg.h"
#include "synth.h"

namespace bv::gen {

namespace {

using Mono = std::vector<float>;

Mono arpeggio(std::initializer_list<double> notes, double step, double length, double bright,
              double fade = 1.0) {
    Mono out;
    int i = 0;
    for (double n : notes) {
        addInto(out, bell(midiToHz(n), length, bright), i * step, 0.6 * std::pow(fade, i));
        ++i;
    }
    return out;
}

Mono whoosh(double from, double to, double seconds, uint64_t seed, double q = 1.2) {
    Mono n = noise(seconds, seed);
    bandSweep(n, from, to, q);
    for (size_t i = 0; i < n.size(); ++i) {
        double u = double(i) / double(n.size());
        n[i] *= float(std::sin(M_PI * std::pow(u, 0.7)) * 1.6); // swell and fall
    }
    return n;
}

Mono blip(double from, double to, double seconds) {
    Mono s = sweep(from, to, seconds, 0.8);
    envelope(s, 0.003, seconds * 0.35);
    return s;
}

Mono click(double hz, uint64_t seed) {
    Mono s = woodblock(hz);
    Mono n = noise(0.02, seed);
    highPass(n, 3000);
    envelope(n, 0.0005, 0.004);
    addInto(s, n, 0, 0.5);
    return s;
}

Mono coin(double start, uint64_t seed) {
    Mono out;
    const double partials[4] = {2637, 3951, 5274, 6645};
    for (int bounce = 0; bounce < 4; ++bounce) {
        Mono hit(size_t(0.35 * kRate), 0.f);
        for (size_t i = 0; i < hit.size(); ++i) {
            double t = double(i) / kRate, v = 0;
            for (int p = 0; p < 4; ++p)
                v += std::sin(kTau * partials[p] * (1 + 0.002 * bounce) * t) * std::exp(-t * (12 + p * 6)) /
                     (p + 1);
            hit[i] = float(v * 0.5);
        }
        Mono tick = noise(0.01, seed + uint64_t(bounce));
        highPass(tick, 4000);
        addInto(hit, tick, 0, 0.3);
        addInto(out, hit, start + 0.09 * bounce * (1.2 - bounce * 0.15), std::pow(0.55, bounce));
    }
    return out;
}

Mono hammer(double start, uint64_t seed) {
    Mono thud = kick(2.5);
    Mono n = noise(0.08, seed);
    bandSweep(n, 2500, 1800, 1.5);
    envelope(n, 0.0005, 0.02);
    Mono out;
    addInto(out, thud, start, 0.5);
    addInto(out, n, start, 0.9);
    addInto(out, woodblock(820), start, 0.5);
    return out;
}

Mono saw(double start, double seconds, uint64_t seed) {
    Mono n = noise(seconds, seed);
    bandSweep(n, 2200, 2600, 2.5);
    for (size_t i = 0; i < n.size(); ++i) {
        double t = double(i) / kRate;
        n[i] *= float(0.55 + 0.45 * std::sin(kTau * 3.2 * t)); // strokes back and forth
    }
    fadeOut(n, 0.1);
    Mono out;
    addInto(out, n, start, 0.8);
    return out;
}

Mono chord(std::initializer_list<double> notes, double seconds, std::function<Mono(double, double)> voice) {
    Mono out;
    for (double n : notes) addInto(out, voice(midiToHz(n), seconds), 0, 0.4);
    return out;
}

Mono fanfare(std::initializer_list<std::pair<double, double>> notes, double step) {
    Mono out;
    double at = 0;
    for (auto [n, beats] : notes) {
        addInto(out, brass(midiToHz(n), beats * step * 0.9), at, 0.5);
        addInto(out, brass(midiToHz(n - 12), beats * step * 0.9), at, 0.25);
        at += beats * step;
    }
    return out;
}

Mono sparkle(double lowNote, int count, double step, uint64_t seed) {
    Rng rng(seed);
    Mono out;
    for (int i = 0; i < count; ++i) {
        double note = lowNote + i * 2 + rng.below(3);
        addInto(out, bell(midiToHz(note), 0.15, 0.6), i * step, 0.35 * (1 - 0.5 * double(i) / count));
    }
    return out;
}

std::map<std::string, Mono> effects() {
    std::map<std::string, Mono> fx;
    auto epianoVoice = [](double hz, double s) { return epiano(hz, s); };
    auto padVoice = [](double hz, double s) { return pad(hz, s, 0.4); };
    // The maker's logo: a warm chord swelling under a rising chime.
    Mono logo = chord({60, 64, 67, 72}, 2.2, padVoice);
    addInto(logo, arpeggio({72, 76, 79, 84, 88}, 0.16, 1.2, 0.8, 0.9), 0.2, 1.0);
    fx["quillmoor.wav"] = logo;
    // Building work: hammering, a saw, more hammering.
    Mono work;
    for (int i = 0; i < 3; ++i) addInto(work, hammer(0, uint64_t(10 + i)), 0.05 + i * 0.32, 1.0);
    addInto(work, saw(0, 1.1, 31), 1.1, 0.8);
    for (int i = 0; i < 2; ++i) addInto(work, hammer(0, uint64_t(20 + i)), 2.35 + i * 0.28, 1.0);
    fx["repairs.ogg"] = work;
    Mono spring = sweep(300, 900, 0.45, 1.0);
    for (size_t i = 0; i < spring.size(); ++i) {
        double t = double(i) / kRate;
        spring[i] *= float(std::exp(-t * 6) * (0.7 + 0.3 * std::sin(kTau * 18 * t)));
    }
    addInto(spring, woodblock(1200), 0, 0.4);
    fx["spring06.wav"] = spring;
    fx["generic_ui_10b.wav"] = blip(1400, 1800, 0.07);
    Mono nav = click(900, 3);
    addInto(nav, click(650, 4), 0.06, 0.8);
    fx["mech_nav_10.wav"] = nav;
    fx["marvelous_moment01.wav"] = arpeggio({67, 71, 74, 79, 83}, 0.09, 0.9, 1.0, 0.92);
    fx["marvelous_moment02.wav"] = arpeggio({72, 76, 79, 84, 88, 91}, 0.07, 0.8, 0.9, 0.9);
    Mono m3 = chord({65, 69, 72, 77}, 1.2, epianoVoice);
    addInto(m3, bell(midiToHz(84), 0.8, 0.7), 0.05, 0.4);
    fx["marvelous_moment03.wav"] = m3;
    Mono win = fanfare({{67, 0.5}, {72, 0.5}, {76, 0.5}, {79, 1.5}, {76, 0.5}, {79, 2.5}}, 0.28);
    addInto(win, sparkle(84, 12, 0.09, 5), 1.1, 1.0);
    fx["marvelous_moment04.wav"] = win;
    Mono flourish;
    for (int i = 0; i < 6; ++i)
        addInto(flourish, pluck(midiToHz(62 + i * 3), 0.3, uint64_t(40 + i)), i * 0.05, 0.5);
    for (int i = 0; i < 3; ++i)
        addInto(flourish, pluck(midiToHz(74 - i * 4), 0.4, uint64_t(50 + i)), 0.32 + i * 0.08, 0.45);
    fx["short_flourish_03.wav"] = flourish;
    fx["short_flourish_10.wav"] = pluck(midiToHz(79), 0.12, 61);
    Mono session = chord({60, 64, 67}, 0.5, epianoVoice);
    addInto(session, chord({65, 69, 72}, 0.5, epianoVoice), 0.45, 1.0);
    addInto(session, chord({67, 71, 74, 79}, 1.0, epianoVoice), 0.9, 1.0);
    fx["sessionComplete.wav"] = session;
    Mono luck;
    double at = 0;
    for (double n : {55.0, 54.0, 53.0}) {
        addInto(luck, brass(midiToHz(n), 0.3), at, 0.5);
        at += 0.33;
    }
    Mono last = brass(midiToHz(52), 0.7);
    for (size_t i = 0; i < last.size(); ++i)
        last[i] *= float(1 + 0.2 * std::sin(kTau * 6 * double(i) / kRate));
    addInto(luck, last, at, 0.5);
    lowPass(luck, 2000);
    fx["outOfLuck.wav"] = luck;
    fx["organic_whoosh_16.wav"] = whoosh(2400, 400, 0.5, 71);
    fx["organic_whoosh_19.wav"] = whoosh(500, 2600, 0.6, 72);
    fx["organic_whoosh_21.wav"] = whoosh(900, 1800, 0.35, 73, 0.9);
    Mono sting = fanfare({{72, 0.5}, {72, 0.5}, {79, 1.5}}, 0.16);
    addInto(sting, kick(1.0), 0.32, 0.5);
    fx["newsstinger.wav"] = sting;
    Mono wand = sparkle(79, 6, 0.035, 81);
    addInto(wand, whoosh(3000, 6000, 0.25, 82, 2.0), 0, 0.25);
    fx["magicWand.wav"] = wand;
    Mono fairy = sparkle(84, 16, 0.06, 83);
    addInto(fairy, whoosh(4000, 8000, 0.8, 84, 3.0), 0, 0.2);
    fx["magic_fairy_wand_01.wav"] = fairy;
    fx["highlight_06.wav"] = bell(midiToHz(88), 0.3, 0.5);
    Mono harp;
    const double harpNotes[] = {60, 64, 67, 71, 72, 76, 79, 83, 84};
    for (int i = 0; i < 9; ++i)
        addInto(harp, pluck(midiToHz(harpNotes[i]), 0.6, uint64_t(90 + i), 0.998), i * 0.045, 0.45);
    fx["harp_flourish_07.wav"] = harp;
    fx["happyAlert.wav"] = arpeggio({76, 79, 84}, 0.1, 0.5, 0.7);
    fx["goodMorning.wav"] = arpeggio({67, 72, 76, 74, 79}, 0.18, 0.7, 0.6);
    Mono cw = click(1100, 100);
    addInto(cw, whoosh(1200, 2400, 0.25, 101), 0.02, 0.5);
    fx["clickWhoosh.wav"] = cw;
    fx["closeWhoosh.wav"] = whoosh(1800, 700, 0.3, 102);
    fx["arrowUp.wav"] = blip(700, 1200, 0.1);
    fx["arrowDown.wav"] = blip(1200, 700, 0.1);
    Mono squirt = sweep(1400, 300, 0.28, 0.6);
    Mono wet = noise(0.28, 110);
    bandSweep(wet, 3000, 800, 1.0);
    addInto(squirt, wet, 0, 0.6);
    envelope(squirt, 0.01, 0.1);
    fx["squirt.wav"] = squirt;
    fx["rollover.wav"] = blip(2200, 2400, 0.04);
    Mono endBonus = arpeggio({72, 76, 79, 84}, 0.08, 0.5, 0.9);
    addInto(endBonus, chord({72, 76, 79, 84}, 0.7, epianoVoice), 0.35, 0.8);
    fx["endBonus.wav"] = endBonus;
    fx["coin_drop.wav"] = coin(0, 120);
    Mono bonus = arpeggio({84, 88, 91, 96}, 0.05, 0.3, 1.2);
    addInto(bonus, coin(0, 121), 0.15, 0.5);
    fx["bonus.wav"] = bonus;
    // Cash register: a mechanical clunk, the drawer bell, coins settling.
    Mono till = click(300, 130);
    addInto(till, kick(3.0), 0, 0.4);
    addInto(till, bell(midiToHz(93), 0.6, 1.4), 0.08, 0.7);
    addInto(till, coin(0, 131), 0.25, 0.35);
    fx["cash_register_open.wav"] = till;
    return fx;
}

} // namespace

} // namespace bv::gen

int main(int argc, char** argv) {
    using namespace bv::gen;
    if (argc < 2) die("usage: bvgen_sfx OUTDIR");
    for (auto& [name, mono] : effects()) {
        Track t;
        t.mix(mono, 0, 1.0);
        // Room for the reverb's tail, then a short fade so that nothing ends in a click.
        t.ensure(t.frames() + size_t(0.35 * kRate));
        reverb(t, 0.12, 0.5, 0.4);
        fadeOut(t.left, 0.08);
        fadeOut(t.right, 0.08);
        for (size_t i = 0; i < std::min<size_t>(44, t.frames()); ++i) { // a 1 ms fade-in: no click
            t.left[i] *= float(i) / 44.f;
            t.right[i] *= float(i) / 44.f;
        }
        // Clicks and whooshes sit a little quieter than the chimes and fanfares.
        static const char* kQuiet[] = {"generic_ui", "mech_nav",          "whoosh",    "Whoosh", "arrow",
                                       "rollover",   "short_flourish_10", "outOfLuck", "squirt"};
        double peak = 0.7;
        for (const char* q : kQuiet)
            if (name.find(q) != std::string::npos) peak = 0.5;
        std::vector<int16_t> pcm = toPcm(t, false, peak);
        std::string path = outPath(argv[1], name);
        if (name.size() > 4 && name.substr(name.size() - 4) == ".ogg")
            writeFile(path, encodeOgg(pcm, 1, kRate, 0.4f, 1818));
        else
            writeFile(path, encodeWav(pcm, 1, kRate));
    }
    return 0;
}
