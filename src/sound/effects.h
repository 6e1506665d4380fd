#pragma once
// The seven effect slots: static buffers of 44,100 Hz stereo 16-bit PCM with fixed
// capacities, filled from a WAV file just before each play.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio.h"

constexpr int SoundSlotCount = 7;
// Seconds each slot holds: complete sounds 0..4 in slots 0..4, then the two miss sounds.
constexpr std::array<int, SoundSlotCount> SoundSlotSeconds = {2, 2, 2, 1, 2, 3, 2};

extern std::unique_ptr<plat::SoundDevice> FDSound;
extern std::unique_ptr<plat::SoundBuffer> FPrimaryBuffer;
extern std::array<std::unique_ptr<plat::SoundBuffer>, SoundSlotCount> FSoundBuffers;

// Hands the command-line sound options (headless, --audio-out) to the audio device; it
// takes effect when the device opens, on the first sound the game makes.
void ConfigureSoundOutput();

void CreatePrimaryBuffer();
void CreateSlotBuffer(std::unique_ptr<plat::SoundBuffer>& slot, int rate, int seconds, bool stereo, int bits);
// Reads the file's samples into the slot. A missing or unreadable file throws GameFileError
// naming its full path.
void LoadEffect(const std::string& fileName, std::unique_ptr<plat::SoundBuffer>& slot);
void FillSoundBuffer(plat::SoundBuffer& buffer, uint32_t offset, uint32_t count, const uint8_t* source);
