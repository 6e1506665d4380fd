#pragma once
// Inside the audio stand-in: the voices the mixer sums and the lock that guards them.
// The mixer runs on the device's thread (real time) or on the game's thread (fixed steps,
// tests); every piece of state a voice reads is touched only under the lock.
#include <cstdint>
#include <mutex>

namespace plat::audio_internal {

// Something that sounds: adds `frames` stereo frames to acc (left, right, left, ...).
class Voice {
public:
    virtual ~Voice() = default;
    virtual void MixInto(int32_t* acc, int frames) = 0;
};

// Locks the mixer and first brings it up to the game clock when that runs in fixed steps.
std::unique_lock<std::mutex> EnterAudio();
// The sound switches, as the voices read them while mixing (under the lock).
bool MusicPausedLocked();
bool EffectsMutedLocked();
// The volume levels, 0 to 1, as the voices read them while mixing (under the lock).
float MusicGainLocked();
float EffectsGainLocked();
// Voices join and leave under the lock.
void AddVoice(Voice* voice);
void RemoveVoice(Voice* voice);

}  // namespace plat::audio_internal
