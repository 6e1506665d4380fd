// The mixer and its device. SDL_mixer opens the device at exactly 44,100 Hz stereo 16-bit
// (SDL converts for the hardware) and decodes files; the mixing itself is ours, done in
// SDL_mixer's music hook, so effect buffers and any number of streams play side by side and
// every voice knows its exact position.
#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/audio_mixer.h"
#include "platform/audio_recorder.h"
#include "platform/clock.h"
#include "platform/message_line.h"

namespace plat {

namespace {

enum class Pacing { Device, Clock, Manual };

struct MixerState {
    std::mutex mutex;
    AudioSettings settings;
    bool open = false;
    bool silent = false;
    bool subsystemStarted = false;
    bool toldSilent = false;          // "no audio device" is said once per program
    bool manual = false;
    Pacing pacing = Pacing::Device;
    uint64_t clockBase = 0;           // game clock when clock pacing began
    int64_t clockFrames = 0;          // frames mixed since then
    int64_t framesMixed = 0;
    bool musicPaused = false;
    bool effectsMuted = false;
    float musicGain = 1.0f;
    float effectsGain = 1.0f;
    std::vector<audio_internal::Voice*> voices;
    std::vector<int32_t> acc;
    std::vector<int16_t> out;
    audio_internal::WavRecorder recorder;
};

MixerState& Mixer() {
    // Never destroyed: media channels are globals too, and their destructors detach voices
    // from the mixer during exit, in an order no translation unit controls.
    static MixerState* state = new MixerState;
    return *state;
}

// Sums every voice into out (frames stereo frames) and hands the block to the recording.
void MixLocked(MixerState& m, int16_t* out, int frames) {
    m.acc.assign(static_cast<size_t>(frames) * 2, 0);
    for (audio_internal::Voice* v : m.voices) v->MixInto(m.acc.data(), frames);
    for (size_t i = 0; i < m.acc.size(); ++i)
        out[i] = static_cast<int16_t>(std::clamp(m.acc[i], -32768, 32767));
    m.recorder.Append(out, frames);
    m.framesMixed += frames;
}

// Mixes frames the device will not hear (clock pacing, tests): recorded only.
void MixDetachedLocked(MixerState& m, int64_t frames) {
    while (frames > 0) {
        const int block = static_cast<int>(std::min<int64_t>(frames, 4096));
        m.out.resize(static_cast<size_t>(block) * 2);
        MixLocked(m, m.out.data(), block);
        frames -= block;
    }
}

int64_t ClockFrames(uint64_t elapsed) {
    const auto rate = static_cast<uint64_t>(ClockRate());
    return static_cast<int64_t>((elapsed / rate) * AudioRate + (elapsed % rate) * AudioRate / rate);
}

// Chooses who paces the mixer and, for the game clock, mixes up to its present time.
void CatchUpLocked(MixerState& m) {
    if (!m.open || m.manual) return;
    if (!FixedStepActive()) {
        m.pacing = Pacing::Device;
        return;
    }
    const uint64_t now = ClockNow();
    if (m.pacing != Pacing::Clock || now < m.clockBase) {
        m.pacing = Pacing::Clock;
        m.clockBase = now;
        m.clockFrames = 0;
        return;
    }
    const int64_t target = ClockFrames(now - m.clockBase);
    if (target > m.clockFrames) MixDetachedLocked(m, target - m.clockFrames);
    m.clockFrames = std::max(m.clockFrames, target);
}

void DeviceCallback(void*, Uint8* stream, int len) {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    const int frames = len / AudioFrameBytes;
    if (m.pacing == Pacing::Device && !m.manual) {
        MixLocked(m, reinterpret_cast<int16_t*>(stream), frames);
    } else {
        std::fill(stream, stream + len, 0);
    }
}

bool TryOpenMixer() {
    // Short blocks keep the effects close to the frame that plays them.
    return Mix_OpenAudioDevice(AudioRate, AUDIO_S16SYS, AudioChannels, 1024, nullptr, 0) == 0;
}

// Starts SDL's audio with the given driver ("" = SDL's own choice, which SDL_AUDIODRIVER
// steers); false when it will not start.
bool StartDriver(MixerState& m, const std::string& driver) {
    if (m.subsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (driver.empty()) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    else SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
    m.subsystemStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return m.subsystemStarted;
}

void TellSilent(MixerState& m, const char* why) {
    if (m.toldSilent) return;
    m.toldSilent = true;
    PrintMessage(TranslateText(Mark("звукового устройства нет ({reason}), игра идёт без звука."), "reason", why));
}

}  // namespace

void ConfigureAudio(const AudioSettings& settings) {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.settings = settings;
}

bool OpenAudio() {
    MixerState& m = Mixer();
    if (m.open) return true;
    AudioSettings settings;
    {
        std::lock_guard<std::mutex> lock(m.mutex);
        settings = m.settings;
    }
    std::string driver = settings.driver;
    const char* envDriver = std::getenv("SDL_AUDIODRIVER");
    if (driver.empty() && settings.headless && !(envDriver && *envDriver)) driver = "dummy";

    bool opened = StartDriver(m, driver) && TryOpenMixer();
    bool silent = false;
    if (!opened) {
        const std::string why = SDL_GetError();
        silent = true;
        opened = StartDriver(m, "dummy") && TryOpenMixer();
        if (opened) TellSilent(m, why.c_str());
    } else {
        const char* current = SDL_GetCurrentAudioDriver();
        silent = current && std::string(current) == "dummy";
    }
    if (!opened) {
        TellSilent(m, SDL_GetError());
        return false;
    }

    {
        std::lock_guard<std::mutex> lock(m.mutex);
        m.open = true;
        m.silent = silent;
        m.framesMixed = 0;
        m.pacing = Pacing::Device;
        if (!m.settings.recordPath.empty() && !m.recorder.Open(m.settings.recordPath))
            PrintMessage(TranslateText(Mark("не удаётся записать звук в файл «{file}»."), "file", m.settings.recordPath));
    }
    Mix_HookMusic(DeviceCallback, nullptr);
    return true;
}

bool AudioIsOpen() { return Mixer().open; }

bool AudioIsSilent() {
    MixerState& m = Mixer();
    return !m.open || m.silent;
}

void CloseAudio() {
    MixerState& m = Mixer();
    if (!m.open) return;
    {
        std::lock_guard<std::mutex> lock(m.mutex);
        CatchUpLocked(m);
    }
    // The device thread takes our lock, so it is stopped without holding it.
    Mix_HookMusic(nullptr, nullptr);
    Mix_CloseAudio();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.recorder.Close();
    m.open = false;
}

void UseManualAudioPacing(bool on) {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.manual = on;
    m.pacing = on ? Pacing::Manual : Pacing::Device;
}

void AdvanceAudio(int frames) {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    if (m.open) MixDetachedLocked(m, frames);
}

void UpdateAudio() { audio_internal::EnterAudio(); }

int64_t AudioFramesMixed() {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    return m.framesMixed;
}

void SetMusicPaused(bool paused) {
    auto lock = audio_internal::EnterAudio();
    Mixer().musicPaused = paused;
}

void SetEffectsMuted(bool muted) {
    auto lock = audio_internal::EnterAudio();
    Mixer().effectsMuted = muted;
}

void SetMusicGain(float gain) {
    auto lock = audio_internal::EnterAudio();
    Mixer().musicGain = std::clamp(gain, 0.0f, 1.0f);
}

void SetEffectsGain(float gain) {
    auto lock = audio_internal::EnterAudio();
    Mixer().effectsGain = std::clamp(gain, 0.0f, 1.0f);
}

namespace audio_internal {

float MusicGainLocked() { return Mixer().musicGain; }
float EffectsGainLocked() { return Mixer().effectsGain; }
bool MusicPausedLocked() { return Mixer().musicPaused; }
bool EffectsMutedLocked() { return Mixer().effectsMuted; }

std::unique_lock<std::mutex> EnterAudio() {
    MixerState& m = Mixer();
    std::unique_lock<std::mutex> lock(m.mutex);
    CatchUpLocked(m);
    return lock;
}

void AddVoice(Voice* voice) {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.voices.push_back(voice);
}

void RemoveVoice(Voice* voice) {
    MixerState& m = Mixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.voices.erase(std::remove(m.voices.begin(), m.voices.end(), voice), m.voices.end());
}

}  // namespace audio_internal

}  // namespace plat
