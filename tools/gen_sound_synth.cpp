#include "gen_sound_synth.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace gen::snd {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kBlock = 128;   // samples between pitch and envelope updates (amplitudes glide between)

struct Partial {
    double ratio;      // of the fundamental
    double amp;
    double decay;      // how much faster than the fundamental it fades
};

struct Voice {
    std::vector<Partial> partials;
    double attack;         // seconds
    double tau;            // decay time constant of the fundamental (0 = held)
    double release;        // seconds after the note's length
    double detune;         // a second, slightly detuned copy for warmth (0 = none)
    double vibratoDepth;   // semitones
};

const Voice& VoiceOf(Timbre t) {
    static const Voice celesta{{{1, 1, 1}, {2, 0.32, 1.8}, {3, 0.1, 2.6}, {4.2, 0.05, 4}}, 0.004, 0.55, 0.3, 0, 0};
    static const Voice marimba{{{1, 1, 1}, {3.9, 0.22, 4}, {9.2, 0.04, 8}}, 0.003, 0.3, 0.12, 0, 0};
    static const Voice pluck{{{1, 1, 1}, {2, 0.45, 1.6}, {3, 0.2, 2.2}, {4, 0.1, 3}, {5, 0.05, 3.5}},
                             0.006, 0.7, 0.2, 0, 0};
    static const Voice pad{{{1, 1, 0}, {2, 0.3, 0}, {3, 0.12, 0}, {4, 0.05, 0}}, 0.6, 0, 0.9, 0.0035, 0};
    static const Voice bass{{{1, 1, 1}, {2, 0.22, 1.5}, {3, 0.05, 2}}, 0.012, 1.6, 0.2, 0, 0};
    static const Voice hum{{{1, 1, 0}, {2, 0.5, 0}, {3, 0.22, 0}, {4, 0.09, 0}, {5, 0.04, 0}}, 0.09, 0, 0.3, 0.002,
                           0.12};
    switch (t) {
    case Timbre::Celesta: return celesta;
    case Timbre::Marimba: return marimba;
    case Timbre::Pluck: return pluck;
    case Timbre::Pad: return pad;
    case Timbre::Bass: return bass;
    case Timbre::Hum: return hum;
    }
    return pluck;
}

// Smooth rise over the attack, smooth fall over the release.
double Envelope(double t, double length, const Voice& v) {
    double e = t < v.attack ? 0.5 - 0.5 * std::cos(kPi * t / v.attack) : 1.0;
    if (t > length) {
        const double r = (t - length) / v.release;
        e *= r >= 1 ? 0.0 : 0.5 + 0.5 * std::cos(kPi * r);
    }
    return e;
}

struct Oscillator {
    double x = 1, y = 0;   // a point turning round the unit circle
};

void Comb(std::vector<float>& buf, size_t& pos, float& store, float in, float feedback, float damp, float& out) {
    const float o = buf[pos];
    store = o * (1 - damp) + store * damp;
    buf[pos] = in + store * feedback;
    if (++pos == buf.size()) pos = 0;
    out += o;
}

float AllPass(std::vector<float>& buf, size_t& pos, float in) {
    const float b = buf[pos];
    buf[pos] = in + b * 0.5f;
    if (++pos == buf.size()) pos = 0;
    return b - in;
}

// Freeverb's tunings (at 44.1 kHz); the right side runs slightly longer for width.
struct Room {
    static constexpr int kCombs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr int kPasses[4] = {556, 441, 341, 225};
    std::vector<float> comb[8], pass[4];
    size_t combPos[8] = {}, passPos[4] = {};
    float store[8] = {};
    Room(int spread) {
        for (int i = 0; i < 8; ++i) comb[i].assign(kCombs[i] + spread, 0.0f);
        for (int i = 0; i < 4; ++i) pass[i].assign(kPasses[i] + spread, 0.0f);
    }
    float Process(float in, float feedback, float damp) {
        float out = 0;
        const float scaled = in * 0.015f;
        for (int i = 0; i < 8; ++i) Comb(comb[i], combPos[i], store[i], scaled, feedback, damp, out);
        for (int i = 0; i < 4; ++i) out = AllPass(pass[i], passPos[i], out);
        return out;
    }
};

void ApplyRoom(Stereo& s, double wet, double room, size_t warmUpFrom) {
    const float feedback = static_cast<float>(0.7 + 0.28 * room);
    const float damp = 0.3f;
    auto left = std::make_unique<Room>(0);
    auto right = std::make_unique<Room>(23);
    const size_t n = s.frames();
    // With warmUpFrom < n the reverb first hears the piece's ending, so its tail is
    // already ringing when the piece starts again.
    for (size_t i = warmUpFrom; i < n; ++i) {
        const float mono = 0.5f * (s.left[i] + s.right[i]);
        left->Process(mono, feedback, damp);
        right->Process(mono, feedback, damp);
    }
    const float w = static_cast<float>(wet), dry = static_cast<float>(1.0 - 0.5 * wet);
    for (size_t i = 0; i < n; ++i) {
        const float mono = 0.5f * (s.left[i] + s.right[i]);
        const float l = left->Process(mono, feedback, damp);
        const float r = right->Process(mono, feedback, damp);
        s.left[i] = s.left[i] * dry + l * w * 3.0f;
        s.right[i] = s.right[i] * dry + r * w * 3.0f;
    }
}

// Held tones (no per-partial decay) read one cycle from a table: far cheaper than a
// sine per partial, and the music has many long pad chords.
constexpr int kTableSize = 4096;

const std::vector<float>& CycleTable(const Voice& v) {
    static std::vector<std::pair<const Voice*, std::vector<float>>> tables;
    for (auto& [voice, table] : tables)
        if (voice == &v) return table;
    std::vector<float> table(kTableSize + 1);
    for (int i = 0; i <= kTableSize; ++i) {
        double sum = 0;
        for (const Partial& p : v.partials) sum += p.amp * std::sin(2 * kPi * p.ratio * i / kTableSize);
        table[i] = static_cast<float>(sum);
    }
    tables.emplace_back(&v, std::move(table));
    return tables.back().second;
}

bool HeldHarmonic(const Voice& v) {
    for (const Partial& p : v.partials)
        if (p.decay != 0 || p.ratio != std::floor(p.ratio)) return false;
    return true;
}

double PitchSemitones(const Note& note, const Voice& v, double t) {
    double semis = note.length > 0 ? note.bend * std::min(1.0, t / note.length) : 0;
    return semis + v.vibratoDepth * std::sin(2 * kPi * 5.0 * t) * std::min(1.0, t / 0.3);
}

void AddTableNote(Stereo& out, const Note& note, const Voice& v, size_t first, size_t count, double gl, double gr) {
    const std::vector<float>& table = CycleTable(v);
    const int copies = v.detune > 0 ? 2 : 1;
    const double f0 = MidiHz(note.midi);
    double phase[2] = {0.0, 0.37 * kTableSize};
    double amp = 0;
    for (size_t start = 0; start < count; start += kBlock) {
        const size_t end = std::min(count, start + kBlock);
        const double tEnd = static_cast<double>(end) / Rate;
        const double f = f0 * std::pow(2.0, PitchSemitones(note, v, static_cast<double>(start) / Rate) / 12.0);
        const double slope = (Envelope(tEnd, note.length, v) / copies - amp) / kBlock;
        double step[2] = {f * kTableSize / Rate, f * (1.0 + v.detune) * kTableSize / Rate};
        for (size_t i = start; i < end; ++i) {
            amp += slope;
            double sum = 0;
            for (int c = 0; c < copies; ++c) {
                const int at = static_cast<int>(phase[c]);
                const double frac = phase[c] - at;
                sum += table[at] + (table[at + 1] - table[at]) * frac;
                phase[c] += step[c];
                if (phase[c] >= kTableSize) phase[c] -= kTableSize;
            }
            out.left[first + i] += static_cast<float>(sum * amp * gl);
            out.right[first + i] += static_cast<float>(sum * amp * gr);
        }
    }
}

}  // namespace

double MidiHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void AddNote(Stereo& out, const Note& note, Timbre timbre) {
    const Voice& v = VoiceOf(timbre);
    double duration = note.length + v.release;
    if (v.tau > 0) duration = std::min(duration, v.attack + v.tau * 9.0);
    const size_t first = static_cast<size_t>(std::max(0.0, note.start) * Rate);
    const size_t count = static_cast<size_t>(duration * Rate);
    if (out.frames() < first + count) out.Resize(first + count);
    const double angle = (note.pan + 1) * kPi / 4;
    const double gl = std::cos(angle) * note.gain, gr = std::sin(angle) * note.gain;
    if (HeldHarmonic(v)) {
        AddTableNote(out, note, v, first, count, gl, gr);
        return;
    }
    const double f0 = MidiHz(note.midi);
    const int copies = v.detune > 0 ? 2 : 1;
    std::vector<Oscillator> osc(v.partials.size() * copies);
    for (size_t i = 0; i < osc.size(); ++i) {
        // Copies start at different phases so they do not add up to a click.
        const double phase = 1.7 * static_cast<double>(i);
        osc[i] = {std::cos(phase), std::sin(phase)};
    }
    // Amplitudes glide from block to block, so envelopes have no steps that click.
    std::vector<double> rc(osc.size()), rs(osc.size()), amp(osc.size(), 0.0), slope(osc.size(), 0.0);
    for (size_t start = 0; start < count; start += kBlock) {
        const double t = static_cast<double>(start) / Rate;
        const double tEnd = static_cast<double>(std::min(count, start + kBlock)) / Rate;
        const double f = f0 * std::pow(2.0, PitchSemitones(note, v, t) / 12.0);
        const double env = Envelope(tEnd, note.length, v);
        for (size_t p = 0; p < v.partials.size(); ++p) {
            const Partial& part = v.partials[p];
            const double decay = v.tau > 0 && part.decay > 0 ? std::exp(-tEnd * part.decay / v.tau) : 1.0;
            for (int c = 0; c < copies; ++c) {
                const size_t k = p * copies + c;
                const double hz = f * part.ratio * (c ? 1.0 + v.detune : 1.0);
                const double w = hz < 18000 ? 2 * kPi * hz / Rate : 0;
                rc[k] = std::cos(w);
                rs[k] = std::sin(w);
                const double target = hz < 18000 ? part.amp * decay * env / copies : 0;
                slope[k] = (target - amp[k]) / kBlock;
                // Keep the point on the circle despite rounding.
                const double r = std::hypot(osc[k].x, osc[k].y);
                osc[k].x /= r;
                osc[k].y /= r;
            }
        }
        const size_t end = std::min(count, start + kBlock);
        for (size_t i = start; i < end; ++i) {
            double sum = 0;
            for (size_t k = 0; k < osc.size(); ++k) {
                Oscillator& o = osc[k];
                const double x = o.x * rc[k] - o.y * rs[k];
                o.y = o.x * rs[k] + o.y * rc[k];
                o.x = x;
                amp[k] += slope[k];
                sum += o.y * amp[k];
            }
            out.left[first + i] += static_cast<float>(sum * gl);
            out.right[first + i] += static_cast<float>(sum * gr);
        }
    }
}

void AddChord(Stereo& out, double start, double length, const std::vector<int>& midis, double gain, Timbre timbre) {
    const size_t n = midis.size();
    for (size_t i = 0; i < n; ++i) {
        Note note;
        note.start = start;
        note.length = length;
        note.midi = midis[i];
        note.gain = gain;
        note.pan = n > 1 ? -0.35 + 0.7 * static_cast<double>(i) / static_cast<double>(n - 1) : 0;
        AddNote(out, note, timbre);
    }
}

void Reverb(Stereo& s, double wet, double room) { ApplyRoom(s, wet, room, s.frames()); }

void ReverbLooped(Stereo& s, double wet, double room) {
    const size_t warm = s.frames() > static_cast<size_t>(4 * Rate) ? s.frames() - 4 * Rate : 0;
    ApplyRoom(s, wet, room, warm);
}

void FadeOut(Stereo& s, double seconds) {
    const size_t n = s.frames();
    const size_t len = std::min(n, static_cast<size_t>(seconds * Rate));
    for (size_t i = 0; i < len; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(len);
        s.left[n - 1 - i] *= g;
        s.right[n - 1 - i] *= g;
    }
}

void Normalize(Stereo& s, double peak) {
    float top = 1e-9f;
    for (size_t i = 0; i < s.frames(); ++i) top = std::max({top, std::fabs(s.left[i]), std::fabs(s.right[i])});
    const float g = static_cast<float>(peak) / top;
    for (size_t i = 0; i < s.frames(); ++i) {
        s.left[i] *= g;
        s.right[i] *= g;
    }
}

void SoftLimit(Stereo& s) {
    for (size_t i = 0; i < s.frames(); ++i) {
        s.left[i] = std::tanh(s.left[i]);
        s.right[i] = std::tanh(s.right[i]);
    }
}

void Trim(Stereo& s, double seconds) {
    const size_t n = std::min(s.frames(), static_cast<size_t>(seconds * Rate));
    s.Resize(n);
    FadeOut(s, 0.04);
}

bool WriteWav16(const std::string& path, const Stereo& s) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint32_t data = static_cast<uint32_t>(s.frames() * 4);
    auto u32 = [&](uint32_t v) {
        const unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        std::fwrite(b, 1, 4, f);
    };
    auto u16 = [&](uint16_t v) {
        const unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
        std::fwrite(b, 1, 2, f);
    };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + data);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(2);
    u32(Rate);
    u32(Rate * 4);
    u16(4);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(data);
    for (size_t i = 0; i < s.frames(); ++i) {
        u16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(s.left[i], -1.0f, 1.0f) * 32767))));
        u16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(s.right[i], -1.0f, 1.0f) * 32767))));
    }
    return std::fclose(f) == 0;
}

bool WriteMp3(const std::string& path, const Stereo& s, int kbps) {
    lame_t lame = lame_init();
    if (!lame) return false;
    lame_set_in_samplerate(lame, Rate);
    lame_set_out_samplerate(lame, Rate);
    lame_set_num_channels(lame, 2);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_brate(lame, kbps);
    lame_set_quality(lame, 7);   // fast; the sounds are soft and simple
    lame_set_bWriteVbrTag(lame, 1);   // the "Info" frame tells players the exact length
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return false;
    }
    std::vector<unsigned char> mp3;
    const int chunk = 8192;
    std::vector<unsigned char> buf(static_cast<size_t>(chunk * 5 / 4 + 7200));
    for (size_t at = 0; at < s.frames(); at += chunk) {
        const int n = static_cast<int>(std::min<size_t>(chunk, s.frames() - at));
        const int got = lame_encode_buffer_ieee_float(lame, s.left.data() + at, s.right.data() + at, n, buf.data(),
                                                      static_cast<int>(buf.size()));
        if (got < 0) {
            lame_close(lame);
            return false;
        }
        mp3.insert(mp3.end(), buf.begin(), buf.begin() + got);
    }
    const int tail = lame_encode_flush(lame, buf.data(), static_cast<int>(buf.size()));
    if (tail > 0) mp3.insert(mp3.end(), buf.begin(), buf.begin() + tail);
    // The first frame was kept free for the tag; fill it in now that the length is known.
    unsigned char tag[2880];
    const size_t tagBytes = lame_get_lametag_frame(lame, tag, sizeof tag);
    if (tagBytes > 0 && tagBytes <= mp3.size()) std::copy(tag, tag + tagBytes, mp3.begin());
    lame_close(lame);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(mp3.data(), 1, mp3.size(), f) == mp3.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace gen::snd
