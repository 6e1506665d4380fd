#pragma once
// A small synthesiser for the game's sounds: wavetable instruments with envelopes, a light
// room reverb, and writers for 16-bit WAV and MP3 (libmp3lame). 44,100 Hz stereo throughout.
#include <cstddef>
#include <string>
#include <vector>

namespace gen::snd {

constexpr int Rate = 44100;

struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(double seconds = 0) { Resize(static_cast<size_t>(seconds * Rate)); }
    size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / Rate; }
    void Resize(size_t frames) {
        left.resize(frames, 0.0f);
        right.resize(frames, 0.0f);
    }
};

// How a note sounds: its harmonics, attack, decay and release.
enum class Timbre {
    Celesta,   // bright bell, quick attack, ringing decay: success jingles
    Marimba,   // wooden, short and round: playful notes
    Pluck,     // soft harp-like pluck: arpeggios and melodies
    Pad,       // slow warm chord tone
    Bass,      // round low tone
    Hum,       // a closed-mouth voice-like "hm": the plain miss
};

struct Note {
    double start = 0;     // seconds
    double length = 0;    // seconds the note is held (the release follows)
    int midi = 60;        // 60 = middle C
    double gain = 0.3;
    double pan = 0;       // -1 left .. 1 right
    double bend = 0;      // semitones the pitch glides by over the note
};

double MidiHz(int midi);
// Adds the note into the buffer (which grows if the tail runs past its end).
void AddNote(Stereo& out, const Note& note, Timbre timbre);
// A chord: the same start and length for every midi note, spread a little across the stereo field.
void AddChord(Stereo& out, double start, double length, const std::vector<int>& midis, double gain, Timbre timbre);

// A small room: parallel combs and series all-passes, mixed in at `wet`.
void Reverb(Stereo& s, double wet, double room);
// A reverb whose tail wraps round to the start, for music that loops without a seam.
void ReverbLooped(Stereo& s, double wet, double room);
void FadeOut(Stereo& s, double seconds);
// Scales so the loudest sample reaches `peak` (0..1).
void Normalize(Stereo& s, double peak);
// Gentle saturation that keeps the sum below full scale.
void SoftLimit(Stereo& s);
// Cuts the buffer to at most `seconds`, fading the last 40 ms.
void Trim(Stereo& s, double seconds);

bool WriteWav16(const std::string& path, const Stereo& s);
bool WriteMp3(const std::string& path, const Stereo& s, int kbps);

// The pieces.
void WriteEffects(const std::string& out);
void WriteMenuJingle(const std::string& out);
void WriteMusic(const std::string& out);

}  // namespace gen::snd
