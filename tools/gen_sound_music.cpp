// The menu music: a calm 64-second piece in C major at 90 beats a minute - soft pad chords,
// a round bass, a harp-like arpeggio and, from the second part on, a simple singable tune.
// Its last bar leads back to the first, and its reverb tail wraps round, so it loops smoothly.
#include <stdexcept>
#include <vector>

#include "gen_sound_synth.h"

namespace gen::snd {

namespace {

constexpr double kBeat = 60.0 / 90.0;
constexpr double kBar = 4 * kBeat;

struct Chord {
    int root;                 // bass note
    std::vector<int> tones;   // pad voicing, low to high
};

const Chord C{36, {60, 64, 67}}, Am{45, {57, 60, 64}}, F{41, {57, 60, 65}}, G{43, {55, 59, 62}},
    Em{40, {55, 59, 64}}, Dm{38, {57, 62, 65}};

struct Tone {
    double beat;   // within the bar
    int midi;
    double beats;
};

// Three parts of eight bars: the theme's harmony alone, a second part with the tune, and the
// theme again with the tune; the closing G leads back to the opening C.
const std::vector<Chord> kBars = {C, Am, F, G, C, Am, Dm, G, F, G, Em, Am, F, G, C, C,
                                  C, Am, F, G, F, G, Dm, G};

const std::vector<std::vector<Tone>> kTune = {
    // bars 8..15
    {{0, 72, 1.5}, {1.5, 74, 0.5}, {2, 76, 2}},
    {{0, 74, 1}, {1, 71, 1}, {2, 67, 2}},
    {{0, 71, 1.5}, {1.5, 72, 0.5}, {2, 74, 2}},
    {{0, 72, 3}, {3, 69, 1}},
    {{0, 69, 1}, {1, 72, 1}, {2, 77, 2}},
    {{0, 76, 1}, {1, 74, 1}, {2, 71, 2}},
    {{0, 72, 2}, {2, 76, 2}},
    {{0, 79, 3}},
    // bars 16..23
    {{0, 76, 2}, {2, 79, 2}},
    {{0, 76, 1}, {1, 72, 1}, {2, 69, 2}},
    {{0, 72, 1.5}, {1.5, 74, 0.5}, {2, 77, 2}},
    {{0, 74, 3.5}},
    {{0, 72, 1}, {1, 69, 1}, {2, 72, 2}},
    {{0, 74, 2}, {2, 71, 2}},
    {{0, 69, 2}, {2, 72, 2}},
    {{0, 71, 2}, {2, 74, 1}, {3, 67, 1}},
};

// Eighth notes over the chord: up through it and gently back.
void Arpeggio(Stereo& s, double start, const Chord& chord, double gain) {
    const int t0 = chord.tones[0] + 12, t1 = chord.tones[1] + 12, t2 = chord.tones[2] + 12;
    const int pattern[8] = {t0, t1, t2, t1, t0 + 12, t2, t1, t2};
    for (int i = 0; i < 8; ++i) {
        Note n;
        n.start = start + i * kBeat / 2;
        n.length = kBeat / 2;
        n.midi = pattern[i];
        n.gain = gain * (i % 2 ? 0.75 : 1.0);
        n.pan = i % 2 ? 0.3 : -0.3;
        AddNote(s, n, Timbre::Pluck);
    }
}

}  // namespace

void WriteMusic(const std::string& out) {
    const double length = kBar * static_cast<double>(kBars.size());
    Stereo s(length);
    for (size_t bar = 0; bar < kBars.size(); ++bar) {
        const Chord& chord = kBars[bar];
        const double at = kBar * static_cast<double>(bar);
        AddChord(s, at, kBar - 0.2, chord.tones, 0.05, Timbre::Pad);
        Note bass;
        bass.start = at, bass.length = 1.5 * kBeat, bass.midi = chord.root, bass.gain = 0.2;
        AddNote(s, bass, Timbre::Bass);
        bass.start = at + 2 * kBeat, bass.midi = chord.root + 7;
        bass.gain = 0.14;
        AddNote(s, bass, Timbre::Bass);
        // The arpeggio steps back while the tune sings.
        Arpeggio(s, at, chord, bar < 8 ? 0.07 : 0.045);
        if (bar >= 8) {
            for (const Tone& t : kTune[bar - 8]) {
                Note n;
                n.start = at + t.beat * kBeat;
                n.length = t.beats * kBeat * 0.9;
                n.midi = t.midi;
                n.gain = 0.16;
                n.pan = 0.1;
                AddNote(s, n, Timbre::Pluck);
                n.midi += 12;
                n.gain = 0.025;
                n.pan = -0.2;
                AddNote(s, n, Timbre::Celesta);
            }
        }
    }
    // Whatever rings past the end sounds again at the start of the next pass.
    const size_t loop = static_cast<size_t>(length * Rate);
    for (size_t i = loop; i < s.frames(); ++i) {
        s.left[i - loop] += s.left[i];
        s.right[i - loop] += s.right[i];
    }
    s.Resize(loop);
    ReverbLooped(s, 0.3, 0.6);
    Normalize(s, 0.5);
    if (!WriteMp3(out + "/music/music_01.mp3", s, 128)) throw std::runtime_error("cannot write music_01.mp3");
}

}  // namespace gen::snd
