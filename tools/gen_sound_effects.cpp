// The short sounds: five bright rising success jingles, the soft "hm" of a wrong board, the
// playful "almost" of a near miss, and the menu greeting. Each fits its effect slot.
#include <stdexcept>
#include <vector>

#include "gen_sound_synth.h"

namespace gen::snd {

namespace {

struct Step {
    double at;     // seconds
    int midi;
    double length;
};

void Melody(Stereo& s, const std::vector<Step>& steps, double gain, Timbre timbre, double pan = 0) {
    for (const Step& st : steps) {
        Note n;
        n.start = st.at;
        n.midi = st.midi;
        n.length = st.length;
        n.gain = gain;
        n.pan = pan;
        AddNote(s, n, timbre);
    }
}

// Reverb, then cut to the slot's length with a little room to spare, then a safe level.
void Finish(Stereo& s, double maxSeconds, double peak, double wet) {
    s.Resize(s.frames() + Rate / 2);   // room for the reverb tail
    Reverb(s, wet, 0.45);
    Trim(s, maxSeconds);
    FadeOut(s, 0.25);
    Normalize(s, peak);
}

void Save(const std::string& path, const Stereo& s) {
    if (!WriteWav16(path, s)) throw std::runtime_error("cannot write " + path);
}

// C major arpeggio up to the octave, then the whole chord rings.
Stereo Complete0() {
    Stereo s;
    Melody(s, {{0.0, 72, 0.2}, {0.11, 76, 0.2}, {0.22, 79, 0.2}, {0.33, 84, 0.5}}, 0.3, Timbre::Celesta);
    AddChord(s, 0.5, 0.7, {72, 76, 79, 84}, 0.12, Timbre::Celesta);
    Melody(s, {{0.52, 96, 0.3}}, 0.05, Timbre::Celesta, 0.4);
    Finish(s, 1.85, 0.7, 0.22);
    return s;
}

// F major on the marimba, answered by a bell chord.
Stereo Complete1() {
    Stereo s;
    Melody(s, {{0.0, 77, 0.15}, {0.1, 81, 0.15}, {0.2, 84, 0.15}, {0.3, 89, 0.3}}, 0.35, Timbre::Marimba);
    AddChord(s, 0.42, 0.8, {77, 81, 84, 89}, 0.1, Timbre::Celesta);
    Finish(s, 1.85, 0.7, 0.25);
    return s;
}

// A quick pentatonic run in G that lands on a bright chord.
Stereo Complete2() {
    Stereo s;
    Melody(s, {{0.0, 79, 0.12}, {0.08, 81, 0.12}, {0.16, 83, 0.12}, {0.24, 86, 0.12}, {0.32, 91, 0.4}}, 0.25,
           Timbre::Pluck, -0.2);
    AddChord(s, 0.45, 0.7, {79, 83, 86, 91}, 0.11, Timbre::Celesta);
    Finish(s, 1.8, 0.7, 0.22);
    return s;
}

// The short one: three chimes and a sparkle, inside one second.
Stereo Complete3() {
    Stereo s;
    Melody(s, {{0.0, 84, 0.15}, {0.07, 88, 0.15}, {0.14, 91, 0.2}, {0.22, 96, 0.3}}, 0.28, Timbre::Celesta);
    Finish(s, 0.95, 0.7, 0.18);
    return s;
}

// D major climb with a ringing chord and a high answer.
Stereo Complete4() {
    Stereo s;
    Melody(s, {{0.0, 74, 0.15}, {0.1, 78, 0.15}, {0.2, 81, 0.15}, {0.3, 86, 0.3}}, 0.33, Timbre::Marimba, 0.15);
    AddChord(s, 0.45, 0.8, {74, 78, 81, 86}, 0.1, Timbre::Celesta);
    Melody(s, {{0.7, 90, 0.2}, {0.85, 93, 0.4}}, 0.08, Timbre::Celesta, -0.3);
    Finish(s, 1.85, 0.7, 0.25);
    return s;
}

// Plain miss: a soft, low "hm-hmm" that sinks a little, no reproach in it.
Stereo NoComplete1() {
    Stereo s;
    Note a;
    a.start = 0.0, a.length = 0.3, a.midi = 55, a.gain = 0.3, a.bend = -0.4;
    AddNote(s, a, Timbre::Hum);
    Note b;
    b.start = 0.45, b.length = 0.6, b.midi = 52, b.gain = 0.3, b.bend = -1.0;
    AddNote(s, b, Timbre::Hum);
    Melody(s, {{0.45, 40, 0.5}}, 0.12, Timbre::Bass);
    Finish(s, 2.2, 0.5, 0.2);
    return s;
}

// Near miss: "al-most!" - up three steps on the marimba, then a little turn back.
Stereo NoComplete2() {
    Stereo s;
    Melody(s, {{0.0, 79, 0.1}, {0.12, 81, 0.1}, {0.24, 83, 0.1}, {0.5, 81, 0.25}, {0.62, 79, 0.3}}, 0.3,
           Timbre::Marimba);
    Melody(s, {{0.5, 67, 0.4}}, 0.06, Timbre::Pluck, -0.3);
    Finish(s, 1.5, 0.6, 0.2);
    return s;
}

}  // namespace

void WriteEffects(const std::string& out) {
    const std::string dir = out + "/sound/";
    Save(dir + "complete0.wav", Complete0());
    Save(dir + "complete1.wav", Complete1());
    Save(dir + "complete2.wav", Complete2());
    Save(dir + "complete3.wav", Complete3());
    Save(dir + "complete4.wav", Complete4());
    Save(dir + "nocomplete1.wav", NoComplete1());
    Save(dir + "nocomplete2.wav", NoComplete2());
}

// "Hel-lo, let's build!": a friendly tune over C, F, G and home to C.
void WriteMenuJingle(const std::string& out) {
    Stereo s;
    const double q = 0.2;   // one step of the tune
    Melody(s,
           {{0, 72, q}, {q, 76, q}, {2 * q, 79, q}, {3 * q, 84, 2 * q}, {5 * q, 81, q}, {6 * q, 79, q},
            {7 * q, 77, q}, {8 * q, 76, q}, {9 * q, 74, q}, {10 * q, 79, q}, {11 * q, 72, 4 * q}},
           0.22, Timbre::Pluck);
    Melody(s, {{3 * q, 96, 0.2}, {11 * q, 96, 0.4}}, 0.04, Timbre::Celesta, 0.35);
    AddChord(s, 0, 5 * q, {60, 64, 67}, 0.06, Timbre::Pad);
    AddChord(s, 5 * q, 4 * q, {60, 65, 69}, 0.06, Timbre::Pad);
    AddChord(s, 9 * q, 2 * q, {59, 62, 67}, 0.06, Timbre::Pad);
    AddChord(s, 11 * q, 5 * q, {60, 64, 67, 72}, 0.06, Timbre::Pad);
    Melody(s, {{0, 48, 0.9}, {5 * q, 41, 0.7}, {9 * q, 43, 0.35}, {11 * q, 36, 1.0}}, 0.2, Timbre::Bass);
    s.Resize(s.frames() + Rate / 2);
    Reverb(s, 0.3, 0.55);
    Trim(s, 4.2);
    FadeOut(s, 0.6);
    Normalize(s, 0.6);
    if (!WriteMp3(out + "/sound/Start_menu.mp3", s, 128)) throw std::runtime_error("cannot write Start_menu.mp3");
}

}  // namespace gen::snd
