// Sound synthesis building blocks.
#include "synth.h"

#include <algorithm>

namespace bv::gen {

namespace {

size_t framesOf(double seconds) {
    return size_t(std::max(0.0, seconds) * kRate);
}

// An attack-hold-release amplitude shape for sustained voices.
double ahr(double t, double attack, double hold, double release) {
    if (t < attack) return t / attack;
    if (t < attack + hold) return 1.0;
    double r = (t - attack - hold) / release;
    return r >= 1 ? 0 : (1 - r) * (1 - r);
}

} // namespace

void Track::mix(const std::vector<float>& mono, double start, double gain, double pan) {
    size_t at = framesOf(start);
    ensure(at + mono.size());
    double angle = (pan + 1) * M_PI / 4; // equal-power pan
    float gl = float(gain * std::cos(angle) * M_SQRT2), gr = float(gain * std::sin(angle) * M_SQRT2);
    for (size_t i = 0; i < mono.size(); ++i) left[at + i] += mono[i] * gl, right[at + i] += mono[i] * gr;
}

double midiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

std::vector<float> bell(double hz, double seconds, double brightness) {
    double len = seconds + 1.5;
    std::vector<float> s(framesOf(len));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double index = brightness * 2.2 * std::exp(-t * 3.0);
        double mod = std::sin(kTau * hz * 3.5 * t) * index;
        double env = std::min(1.0, t * 400) * std::exp(-t * 2.2 / std::max(0.3, seconds));
        s[i] =
            float((std::sin(kTau * hz * t + mod) + 0.25 * std::sin(kTau * hz * 2.01 * t) * std::exp(-t * 4)) *
                  env * 0.6);
    }
    return s;
}

std::vector<float> epiano(double hz, double seconds) {
    double len = seconds + 0.8;
    std::vector<float> s(framesOf(len));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double index = 1.4 * std::exp(-t * 5);
        double mod = std::sin(kTau * hz * t) * index;
        double env = std::min(1.0, t * 300) * std::exp(-t * 1.1) * ahr(t, 0.001, seconds, 0.6);
        double tine = 0.15 * std::sin(kTau * hz * 7.0 * t) * std::exp(-t * 30);
        s[i] = float((std::sin(kTau * hz * t + mod) + tine) * env * 0.55);
    }
    return s;
}

std::vector<float> marimba(double hz, double seconds) {
    double len = std::min(seconds, 0.4) + 0.9;
    std::vector<float> s(framesOf(len));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double env = std::min(1.0, t * 600);
        double v = std::sin(kTau * hz * t) * std::exp(-t * 4.5) +
                   0.35 * std::sin(kTau * hz * 3.93 * t) * std::exp(-t * 14) +
                   0.12 * std::sin(kTau * hz * 9.2 * t) * std::exp(-t * 40);
        s[i] = float(v * env * 0.6);
    }
    return s;
}

std::vector<float> pluck(double hz, double seconds, uint64_t seed, double damping) {
    Rng rng(seed);
    size_t period = std::max<size_t>(2, size_t(kRate / hz));
    std::vector<float> line(period);
    for (float& v : line) v = float(rng.range(-1, 1));
    // Soften the excitation: a plucked nylon string rather than a harsh one.
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 1; i < period; ++i) line[i] = 0.5f * (line[i] + line[i - 1]);
    std::vector<float> s(framesOf(seconds + 1.2));
    size_t k = 0;
    float prev = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        float cur = line[k];
        float next = float(damping) * 0.5f * (cur + prev);
        prev = cur;
        line[k] = next;
        k = (k + 1) % period;
        double t = double(i) / kRate;
        s[i] = float(cur * 0.7 * ahr(t, 0.002, seconds, 0.5));
    }
    return s;
}

std::vector<float> pad(double hz, double seconds, double brightness) {
    double release = 1.2;
    std::vector<float> s(framesOf(seconds + release));
    const double detune[3] = {0.997, 1.0, 1.004};
    double phase[3] = {0, 0.33, 0.66};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate, v = 0;
        for (int d = 0; d < 3; ++d) {
            phase[d] += hz * detune[d] / kRate;
            double p = phase[d] - std::floor(phase[d]);
            double tri = 4 * std::abs(p - 0.5) - 1;
            v += tri * (1 - brightness * 0.5) + brightness * 0.3 * std::sin(kTau * 2 * p);
        }
        s[i] = float(v / 3 * ahr(t, std::min(0.6, seconds * 0.4), seconds, release) * 0.5);
    }
    lowPass(s, 900 + brightness * 2500);
    return s;
}

std::vector<float> flute(double hz, double seconds, uint64_t seed) {
    Rng rng(seed);
    std::vector<float> s(framesOf(seconds + 0.3));
    float breath = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double vib = 1 + 0.004 * std::sin(kTau * 5.2 * t) * std::min(1.0, t * 2);
        breath = 0.9f * breath + 0.1f * float(rng.range(-1, 1));
        double v = std::sin(kTau * hz * vib * t) + 0.18 * std::sin(kTau * 2 * hz * vib * t) + breath * 0.25;
        s[i] = float(v * ahr(t, 0.06, seconds, 0.25) * 0.45);
    }
    return s;
}

std::vector<float> softLead(double hz, double seconds) {
    std::vector<float> s(framesOf(seconds + 0.25));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate, v = 0;
        for (int h = 1; h <= 7; h += 2)
            v += std::sin(kTau * hz * h * t) / (h * h * 0.7 + 0.3); // rounded square
        s[i] = float(v * ahr(t, 0.01, seconds, 0.2) * 0.4);
    }
    return s;
}

std::vector<float> brass(double hz, double seconds) {
    std::vector<float> s(framesOf(seconds + 0.3));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate, v = 0;
        double bright = 0.4 + 0.6 * std::min(1.0, t * 8);
        for (int h = 1; h <= 8; ++h) v += std::sin(kTau * hz * h * t) * std::pow(bright, h - 1) / h;
        s[i] = float(v * ahr(t, 0.04, seconds, 0.25) * 0.4);
    }
    lowPass(s, 3500);
    return s;
}

std::vector<float> bass(double hz, double seconds) {
    std::vector<float> s(framesOf(seconds + 0.15));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double v = std::sin(kTau * hz * t) + 0.3 * std::sin(kTau * 2 * hz * t) * std::exp(-t * 6) +
                   0.1 * std::sin(kTau * 3 * hz * t) * std::exp(-t * 10);
        s[i] = float(v * ahr(t, 0.005, seconds, 0.12) * std::exp(-t * 0.8) * 0.7);
    }
    return s;
}

std::vector<float> organ(double hz, double seconds) {
    std::vector<float> s(framesOf(seconds + 0.15));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double v =
            std::sin(kTau * hz * t) + 0.5 * std::sin(kTau * 2 * hz * t) + 0.25 * std::sin(kTau * 4 * hz * t);
        s[i] = float(v * ahr(t, 0.02, seconds, 0.12) * 0.3 * (1 + 0.05 * std::sin(kTau * 6 * t)));
    }
    return s;
}

std::vector<float> kick(double punch) {
    std::vector<float> s(framesOf(0.35));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double f = 48 + 110 * std::exp(-t * 35 * punch);
        phase += f / kRate;
        s[i] = float(std::sin(kTau * phase) * std::exp(-t * 9) * 0.9);
    }
    return s;
}

std::vector<float> noise(double seconds, uint64_t seed) {
    Rng rng(seed);
    std::vector<float> s(framesOf(seconds));
    for (float& v : s) v = float(rng.range(-1, 1));
    return s;
}

std::vector<float> snare(uint64_t seed, double tone) {
    std::vector<float> n = noise(0.22, seed);
    bandSweep(n, 3000, 2000, 0.7);
    for (size_t i = 0; i < n.size(); ++i) {
        double t = double(i) / kRate;
        n[i] =
            float(n[i] * std::exp(-t * 22) * 1.4 + tone * std::sin(kTau * 190 * t) * std::exp(-t * 30) * 0.6);
    }
    return n;
}

std::vector<float> hat(uint64_t seed, bool open) {
    std::vector<float> n = noise(open ? 0.3 : 0.06, seed);
    highPass(n, 7000);
    envelope(n, 0.001, open ? 0.12 : 0.018);
    for (float& v : n) v *= 0.8f;
    return n;
}

std::vector<float> shaker(uint64_t seed) {
    std::vector<float> n = noise(0.09, seed);
    highPass(n, 5000);
    envelope(n, 0.015, 0.03);
    for (float& v : n) v *= 0.5f;
    return n;
}

std::vector<float> clap(uint64_t seed) {
    std::vector<float> out(framesOf(0.25), 0.f);
    for (int k = 0; k < 3; ++k) {
        std::vector<float> n = noise(0.2, seed + uint64_t(k));
        bandSweep(n, 1500, 1200, 0.8);
        envelope(n, 0.001, k == 2 ? 0.06 : 0.01);
        addInto(out, n, k * 0.011, 0.8);
    }
    return out;
}

std::vector<float> woodblock(double hz) {
    std::vector<float> s(framesOf(0.15));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        s[i] =
            float((std::sin(kTau * hz * t) + 0.4 * std::sin(kTau * hz * 2.7 * t)) * std::exp(-t * 45) * 0.6);
    }
    return s;
}

std::vector<float> handDrum(double hz, uint64_t seed) {
    std::vector<float> s(framesOf(0.4));
    std::vector<float> n = noise(0.4, seed);
    lowPass(n, 1200);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double f = hz * (1 + 0.3 * std::exp(-t * 40));
        s[i] = float((std::sin(kTau * f * t) * std::exp(-t * 10) + n[i] * std::exp(-t * 60) * 0.6) * 0.7);
    }
    return s;
}

std::vector<float> sweep(double hzFrom, double hzTo, double seconds, double shape) {
    std::vector<float> s(framesOf(seconds));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double u = double(i) / double(s.size());
        double f = hzFrom * std::pow(hzTo / hzFrom, std::pow(u, shape));
        phase += f / kRate;
        s[i] = float(std::sin(kTau * phase));
    }
    return s;
}

void lowPass(std::vector<float>& s, double hz) {
    double a = 1 - std::exp(-kTau * hz / kRate);
    double y = 0;
    for (float& v : s) y += a * (v - y), v = float(y);
}

void highPass(std::vector<float>& s, double hz) {
    double a = 1 - std::exp(-kTau * hz / kRate);
    double y = 0;
    for (float& v : s) y += a * (v - y), v = float(v - y);
}

void bandSweep(std::vector<float>& s, double hzFrom, double hzTo, double q) {
    double z1 = 0, z2 = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double u = double(i) / double(std::max<size_t>(1, s.size()));
        double f = hzFrom * std::pow(hzTo / hzFrom, u);
        double w = kTau * f / kRate, alpha = std::sin(w) / (2 * q);
        double b0 = alpha, a0 = 1 + alpha, a1 = -2 * std::cos(w), a2 = 1 - alpha;
        // Transposed direct form II band-pass (constant peak gain).
        double x = s[i];
        double y = (b0 / a0) * x + z1;
        z1 = -(a1 / a0) * y + z2;
        z2 = -(b0 / a0) * x - (a2 / a0) * y;
        s[i] = float(y);
    }
}

void envelope(std::vector<float>& s, double attack, double decayTime) {
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        s[i] *= float(std::min(1.0, t / std::max(1e-4, attack)) *
                      std::exp(-std::max(0.0, t - attack) / decayTime));
    }
}

void fadeOut(std::vector<float>& s, double seconds) {
    size_t n = std::min(s.size(), framesOf(seconds));
    for (size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= float(double(i) / double(n));
}

void addInto(std::vector<float>& into, const std::vector<float>& s, double start, double gain) {
    size_t at = framesOf(start);
    if (into.size() < at + s.size()) into.resize(at + s.size(), 0.f);
    for (size_t i = 0; i < s.size(); ++i) into[at + i] += float(s[i] * gain);
}

void reverb(Track& t, double wet, double roomSize, double damping) {
    const int combLengths[4] = {1557, 1617, 1491, 1422};
    const int allpassLengths[2] = {556, 441};
    for (int ch = 0; ch < 2; ++ch) {
        std::vector<float>& x = ch ? t.right : t.left;
        std::vector<float> out(x.size(), 0.f);
        for (int c = 0; c < 4; ++c) {
            size_t len = size_t(combLengths[c] + ch * 23);
            std::vector<float> buf(len, 0.f);
            size_t k = 0;
            float store = 0;
            for (size_t i = 0; i < x.size(); ++i) {
                float y = buf[k];
                store = float(y * (1 - damping) + store * damping);
                buf[k] = float(x[i] * 0.015 + store * (0.7 + 0.28 * roomSize));
                k = (k + 1) % len;
                out[i] += y;
            }
        }
        for (int a = 0; a < 2; ++a) {
            size_t len = size_t(allpassLengths[a] + ch * 17);
            std::vector<float> buf(len, 0.f);
            size_t k = 0;
            for (size_t i = 0; i < out.size(); ++i) {
                float b = buf[k];
                buf[k] = out[i] + b * 0.5f;
                out[i] = b - out[i];
                k = (k + 1) % len;
            }
        }
        for (size_t i = 0; i < x.size(); ++i) x[i] += float(out[i] * wet * 3.0);
    }
}

std::vector<int16_t> toPcm(const Track& t, bool stereo, double peak) {
    double m = 1e-9;
    for (size_t i = 0; i < t.frames(); ++i)
        m = std::max({m, double(std::abs(t.left[i])), double(std::abs(t.right[i]))});
    // Normalise, then a gentle tanh curve keeps rare peaks round instead of clipped.
    const double drive = 1.2, norm = std::tanh(drive);
    std::vector<int16_t> out;
    out.reserve(t.frames() * (stereo ? 2 : 1));
    auto conv = [&](double v) {
        double y = std::tanh(drive * v / m) / norm * peak;
        return int16_t(std::lround(std::clamp(y, -1.0, 1.0) * 32767));
    };
    for (size_t i = 0; i < t.frames(); ++i) {
        if (stereo)
            out.push_back(conv(t.left[i])), out.push_back(conv(t.right[i]));
        else
            out.push_back(conv(0.5 * (t.left[i] + t.right[i])));
    }
    return out;
}

} // namespace bv::gen
