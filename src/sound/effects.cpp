// Effect slots: creation, loading a WAV file into a slot and playing it once.
#include "sound/effects.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "core/game_error.h"
#include "core/i18n.h"
#include "core/options.h"
#include "core/paths.h"
#include "core/player_message.h"
#include "render/graphics.h"
#include "sound/sound.h"
#include "sound/sound_check.h"
#include "sound/sound_switches.h"
#include "sound/wav_data.h"

std::unique_ptr<plat::SoundDevice> FDSound;
std::unique_ptr<plat::SoundBuffer> FPrimaryBuffer;
std::array<std::unique_ptr<plat::SoundBuffer>, SoundSlotCount> FSoundBuffers;

void ConfigureSoundOutput() {
    if (plat::AudioIsOpen()) return;
    plat::AudioSettings settings;
    settings.headless = g_options.headless;
    settings.recordPath = g_options.audioOut;
    plat::ConfigureAudio(settings);
}

void InitSound() {
    ConfigureSoundOutput();
    if (!FDSound && plat::Failed(plat::SoundDevice::Create(FDSound)))
        throw std::runtime_error("Failed to create IDirectSound object");
    CreatePrimaryBuffer();
    for (int slot = 0; slot < SoundSlotCount; ++slot)
        CreateSlotBuffer(FSoundBuffers[slot], 44100, SoundSlotSeconds[slot], true, 16);
    ApplySoundSwitches();   // the player's music and effects switches from the settings
}

void CreatePrimaryBuffer() {
    if (plat::Failed(FDSound->SetCooperativeLevel(g_d3d, plat::DSSCL_EXCLUSIVE)))
        throw std::runtime_error("Unable to set Coopeative Level");
    plat::BufferDesc desc;
    desc.flags = plat::DSBCAPS_PRIMARYBUFFER;
    if (plat::Failed(FDSound->CreateSoundBuffer(desc, FPrimaryBuffer)))
        throw std::runtime_error("Create Sound Buffer failed");
    plat::WaveFormat format;
    format.channels = 2;
    format.samplesPerSec = 44100;
    format.avgBytesPerSec = 176400;
    format.blockAlign = 4;
    format.bitsPerSample = 16;
    if (plat::Failed(FPrimaryBuffer->SetFormat(format))) throw std::runtime_error("Unable to Set Format ");
    if (plat::Failed(FDSound->SetCooperativeLevel(g_d3d, plat::DSSCL_EXCLUSIVE)))
        throw std::runtime_error("Unable to set Coopeative Level");
}

void CreateSlotBuffer(std::unique_ptr<plat::SoundBuffer>& slot, int rate, int seconds, bool stereo, int bits) {
    plat::WaveFormat format;
    format.channels = stereo ? 2 : 1;
    format.samplesPerSec = static_cast<uint32_t>(rate);
    format.bitsPerSample = static_cast<uint16_t>(bits);
    format.blockAlign = static_cast<uint16_t>(format.channels * (bits / 8));
    format.avgBytesPerSec = format.blockAlign * format.samplesPerSec;
    plat::BufferDesc desc;
    desc.flags = plat::DSBCAPS_STATIC;
    desc.bufferBytes = static_cast<uint32_t>(rate * seconds * format.blockAlign);
    desc.format = &format;
    if (plat::Failed(FDSound->CreateSoundBuffer(desc, slot))) throw std::runtime_error("Create Sound Buffer failed");
}

void LoadEffect(const std::string& fileName, std::unique_ptr<plat::SoundBuffer>& slot) {
    const std::string path = GamePath(fileName);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw GameFileError(SoundMissingText(path));
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw GameFileError(SoundUnplayableText(path, Tr("файл не читается")));
    if (!slot) return;
    std::vector<uint8_t> samples = EffectSamples(file, path);
    if (samples.empty()) {
        // No "data" tag: the slot is made silent rather than replaying an older sound.
        samples.assign(slot->capacity(), 0);
    }
    // Longer sounds are cut to what the slot holds, so the slot never keeps stale samples.
    const auto count = static_cast<uint32_t>(std::min<size_t>(samples.size(), slot->capacity()));
    FillSoundBuffer(*slot, 0, count, samples.data());
}

void FillSoundBuffer(plat::SoundBuffer& buffer, uint32_t offset, uint32_t count, const uint8_t* source) {
    void* first = nullptr;
    void* second = nullptr;
    uint32_t firstBytes = 0, secondBytes = 0;
    plat::HRESULT hr = buffer.Lock(offset, count, &first, &firstBytes, &second, &secondBytes, 0);
    if (hr == plat::DSERR_BUFFERLOST) {
        buffer.Restore();
        hr = buffer.Lock(offset, count, &first, &firstBytes, &second, &secondBytes, 0);
    }
    if (plat::Failed(hr)) return;
    std::memcpy(first, source, firstBytes);
    if (second) std::memcpy(second, source + firstBytes, secondBytes);
    buffer.Unlock(first, firstBytes, second, secondBytes);
}

void PlayEffect(int slot, const std::string& fileName) {
    if (slot < 0 || slot >= SoundSlotCount || !FSoundBuffers[slot]) return;
    // Told about at the start; play goes on in silence for it.
    if (SoundFileLeftOut(fileName)) return;
    std::unique_ptr<plat::SoundBuffer>& buffer = FSoundBuffers[slot];
    try {
        LoadEffect(fileName, buffer);
        if (plat::Failed(buffer->Play(0, 0, 0))) {
            LoadEffect(fileName, buffer);
            buffer->Play(0, 0, 0);
        }
    } catch (const GameFileError& e) {
        // Gone or spoilt since the start: one line, never a box in the middle of a level.
        if (FirstTroubleDuringPlay(fileName)) TellPlayer(e.what());
    }
}

void ReleaseSound() {
    FPrimaryBuffer.reset();
    for (int slot = SoundSlotCount - 1; slot >= 0; --slot) FSoundBuffers[slot].reset();
    FDSound.reset();
    plat::CloseAudio();
}
