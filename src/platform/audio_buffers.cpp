// Effect buffers: fixed-size PCM memory that the mixer plays once from the start.
#include <algorithm>
#include <cstring>

#include "platform/audio.h"
#include "platform/audio_mixer.h"

namespace plat {

// The buffer's voice in the mixer; reads the buffer only under the mixer lock.
struct BufferVoice : audio_internal::Voice {
    explicit BufferVoice(SoundBuffer& b) : buffer(b) { audio_internal::AddVoice(this); }
    ~BufferVoice() override { audio_internal::RemoveVoice(this); }

    void MixInto(int32_t* acc, int frames) override {
        SoundBuffer& b = buffer;
        if (!b.playing_) return;
        const uint32_t total = b.capacity() / AudioFrameBytes;
        uint32_t frame = b.cursor_ / AudioFrameBytes;
        const uint8_t* p = b.data_.data();
        if (audio_internal::EffectsMutedLocked()) {   // silenced, the effect still runs its course
            frame = static_cast<uint32_t>(std::min<uint64_t>(total, uint64_t(frame) + uint64_t(frames)));
            frames = 0;
        }
        const float gain = audio_internal::EffectsGainLocked();
        for (int i = 0; i < frames && frame < total; ++i, ++frame) {
            const uint8_t* s = p + static_cast<size_t>(frame) * AudioFrameBytes;
            const int16_t left = static_cast<int16_t>(s[0] | (s[1] << 8));
            const int16_t right = static_cast<int16_t>(s[2] | (s[3] << 8));
            acc[2 * i] += gain == 1.0f ? left : static_cast<int32_t>(left * gain);
            acc[2 * i + 1] += gain == 1.0f ? right : static_cast<int32_t>(right * gain);
        }
        if (frame >= total) {
            // A buffer played to its end stops, its play position back at the start.
            b.playing_ = false;
            b.cursor_ = 0;
        } else {
            b.cursor_ = frame * AudioFrameBytes;
        }
    }

    SoundBuffer& buffer;
};

SoundBuffer::SoundBuffer(bool primary, uint32_t bytes) : primary_(primary), data_(bytes, 0) {
    if (!primary) voice_ = std::make_unique<BufferVoice>(*this);
}

SoundBuffer::~SoundBuffer() = default;

HRESULT SoundBuffer::Lock(uint32_t offset, uint32_t bytes, void** first, uint32_t* firstBytes, void** second,
                          uint32_t* secondBytes, uint32_t flags) {
    auto lock = audio_internal::EnterAudio();
    if (lost_) return DSERR_BUFFERLOST;
    if (locked_ || primary_ || !first || !firstBytes) return DSERR_INVALIDCALL;
    const uint32_t size = capacity();
    if (bytes == 0 || bytes > size || offset >= size) return DSERR_INVALIDPARAM;
    // Lock hands out a copy, so the mixer never reads half-written samples.
    const uint32_t head = std::min(bytes, size - offset);
    const uint32_t tail = bytes - head;
    staging_.resize(bytes);
    std::memcpy(staging_.data(), data_.data() + offset, head);
    if (tail) std::memcpy(staging_.data() + head, data_.data(), tail);
    *first = staging_.data();
    *firstBytes = head;
    if (second) *second = tail ? staging_.data() + head : nullptr;
    if (secondBytes) *secondBytes = tail;
    lockOffset_ = offset;
    locked_ = true;
    return S_OK;
}

HRESULT SoundBuffer::Unlock(void* first, uint32_t firstBytes, void* second, uint32_t secondBytes) {
    auto lock = audio_internal::EnterAudio();
    if (!locked_ || first != staging_.data()) return DSERR_INVALIDCALL;
    locked_ = false;
    if (lost_) return DSERR_BUFFERLOST;
    const uint32_t size = capacity();
    const uint32_t head = std::min<uint32_t>(firstBytes, std::min<uint32_t>(static_cast<uint32_t>(staging_.size()),
                                                                            size - lockOffset_));
    std::memcpy(data_.data() + lockOffset_, staging_.data(), head);
    if (second && secondBytes) {
        const uint32_t tail = std::min<uint32_t>(secondBytes, static_cast<uint32_t>(staging_.size()) - head);
        std::memcpy(data_.data(), staging_.data() + head, tail);
    }
    return S_OK;
}

HRESULT SoundBuffer::Play(uint32_t, uint32_t, uint32_t flags) {
    auto lock = audio_internal::EnterAudio();
    if (lost_) return DSERR_BUFFERLOST;
    if (primary_ || flags != 0) return DSERR_INVALIDPARAM;   // only one-shot play is offered
    playing_ = true;
    return S_OK;
}

HRESULT SoundBuffer::Stop() {
    auto lock = audio_internal::EnterAudio();
    playing_ = false;
    return S_OK;
}

HRESULT SoundBuffer::Restore() {
    auto lock = audio_internal::EnterAudio();
    if (lost_) {
        std::fill(data_.begin(), data_.end(), 0);
        lost_ = false;
    }
    return S_OK;
}

HRESULT SoundBuffer::SetFormat(const WaveFormat& format) {
    if (!primary_) return DSERR_INVALIDCALL;
    if (format.formatTag != WAVE_FORMAT_PCM || format.channels == 0 || format.samplesPerSec == 0 ||
        format.bitsPerSample == 0)
        return DSERR_BADFORMAT;
    return S_OK;
}

bool SoundBuffer::playing() const {
    auto lock = audio_internal::EnterAudio();
    return playing_;
}

std::vector<uint8_t> SoundBuffer::Content() const {
    auto lock = audio_internal::EnterAudio();
    return data_;
}

void SoundBuffer::SimulateLoss() {
    auto lock = audio_internal::EnterAudio();
    lost_ = true;
    playing_ = false;
    cursor_ = 0;
}

HRESULT SoundDevice::Create(std::unique_ptr<SoundDevice>& out) {
    if (!OpenAudio()) return DSERR_NODRIVER;
    out.reset(new SoundDevice());
    return S_OK;
}

HRESULT SoundDevice::SetCooperativeLevel(void*, uint32_t level) {
    return level >= 1 && level <= 3 ? S_OK : DSERR_INVALIDPARAM;
}

HRESULT SoundDevice::CreateSoundBuffer(const BufferDesc& desc, std::unique_ptr<SoundBuffer>& out) {
    if (desc.size != sizeof(uint32_t) * 9) return DSERR_INVALIDPARAM;
    if (desc.flags & DSBCAPS_PRIMARYBUFFER) {
        if (desc.bufferBytes != 0 || desc.format) return DSERR_INVALIDPARAM;
        out.reset(new SoundBuffer(true, 0));
        return S_OK;
    }
    const WaveFormat* f = desc.format;
    if (!f) return DSERR_INVALIDPARAM;
    if (f->formatTag != WAVE_FORMAT_PCM || f->channels != AudioChannels || f->samplesPerSec != AudioRate ||
        f->bitsPerSample != 16 || f->blockAlign != AudioFrameBytes)
        return DSERR_BADFORMAT;
    if (desc.bufferBytes < AudioFrameBytes || desc.bufferBytes % f->blockAlign) return DSERR_INVALIDPARAM;
    out.reset(new SoundBuffer(false, desc.bufferBytes));
    return S_OK;
}

}  // namespace plat
