// Media streams played by our mixer with run, stop, seeking and an end-of-stream event. MP3
// is decoded as it plays (the music); anything else, and an MP3 mpg123 will not give in the
// mixer's format, is decoded whole by SDL_mixer (the jingles are short).
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <memory>

#include "platform/audio.h"
#include "platform/audio_mixer.h"
#include "platform/mp3_stream.h"

namespace plat {

namespace {

class MediaStream final : public FilterGraph,
                          public MediaControl,
                          public MediaSeeking,
                          public MediaEvent,
                          public BasicAudio,
                          public audio_internal::Voice,
                          public std::enable_shared_from_this<MediaStream> {
public:
    MediaStream() { audio_internal::AddVoice(this); }
    ~MediaStream() override { audio_internal::RemoveVoice(this); }

    HRESULT RenderFile(const std::string& fileName) override {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(fileName, ec)) return VFW_E_NOT_FOUND;
        if (!OpenAudio()) return VFW_E_UNSUPPORTED_STREAM;
        // Opening, scanning and decoding happen outside the mixer lock: the device keeps
        // playing meanwhile. A whole decoded chunk is played as it is, never copied.
        std::unique_ptr<Mp3Stream> mp3 = Mp3Stream::Open(fileName);
        ChunkPtr chunk;
        if (!mp3) {
            chunk.reset(Mix_LoadWAV_RW(SDL_RWFromFile(fileName.c_str(), "rb"), 1));
            if (!chunk) return VFW_E_UNSUPPORTED_STREAM;
        }
        const auto* samples = chunk ? reinterpret_cast<const int16_t*>(chunk->abuf) : nullptr;
        const int64_t frames = chunk ? static_cast<int64_t>(chunk->alen / sizeof(int16_t) / AudioChannels)
                                     : mp3->frames();

        // The old decoder or chunk is freed after the lock is left.
        ChunkPtr oldChunk;
        std::unique_ptr<Mp3Stream> oldMp3;
        auto lock = audio_internal::EnterAudio();
        oldChunk = std::move(chunk_);
        oldMp3 = std::move(mp3_);
        chunk_ = std::move(chunk);
        mp3_ = std::move(mp3);
        samples_ = samples;
        frames_ = frames;
        position_ = 0;
        seekPending_ = false;   // a fresh decoder stands at its start
        stop_ = frames_;
        running_ = false;
        completeSent_ = false;
        events_.clear();
        return S_OK;
    }

    template <class Face>
    HRESULT Query(std::shared_ptr<Face>& out) {
        out = std::shared_ptr<Face>(shared_from_this(), static_cast<Face*>(this));
        return S_OK;
    }
    HRESULT QueryControl(std::shared_ptr<MediaControl>& out) override { return Query(out); }
    HRESULT QuerySeeking(std::shared_ptr<MediaSeeking>& out) override { return Query(out); }
    HRESULT QueryEvents(std::shared_ptr<MediaEvent>& out) override { return Query(out); }
    HRESULT QueryAudio(std::shared_ptr<BasicAudio>& out) override { return Query(out); }

    // --- control
    HRESULT Run() override {
        auto lock = audio_internal::EnterAudio();
        running_ = true;
        return S_OK;
    }
    HRESULT Stop() override {
        auto lock = audio_internal::EnterAudio();
        running_ = false;
        return S_OK;
    }
    bool running() const override {
        auto lock = audio_internal::EnterAudio();
        return running_;
    }

    // --- seeking
    HRESULT GetStopPosition(REFERENCE_TIME* stop) override {
        if (!stop) return E_INVALIDARG;
        auto lock = audio_internal::EnterAudio();
        *stop = FramesToReferenceTime(stop_);
        return S_OK;
    }
    HRESULT GetCurrentPosition(REFERENCE_TIME* current) override {
        if (!current) return E_INVALIDARG;
        auto lock = audio_internal::EnterAudio();
        *current = FramesToReferenceTime(position_);
        return S_OK;
    }
    HRESULT GetDuration(REFERENCE_TIME* duration) override {
        if (!duration) return E_INVALIDARG;
        auto lock = audio_internal::EnterAudio();
        *duration = FramesToReferenceTime(frames_);
        return S_OK;
    }
    HRESULT SetPositions(REFERENCE_TIME* current, uint32_t currentFlags, REFERENCE_TIME* stop,
                         uint32_t stopFlags) override {
        auto lock = audio_internal::EnterAudio();
        if (stop && (stopFlags & AM_SEEKING_AbsolutePositioning))
            stop_ = std::clamp<int64_t>(ReferenceTimeToFrames(*stop), 0, frames_);
        if (current && (currentFlags & AM_SEEKING_AbsolutePositioning)) {
            position_ = std::clamp<int64_t>(ReferenceTimeToFrames(*current), 0, frames_);
            seekPending_ = true;   // the decoder follows when it next plays
        }
        completeSent_ = false;
        return S_OK;
    }

    // --- events
    HRESULT GetEvent(int32_t* code, intptr_t* param1, intptr_t* param2, int32_t) override {
        if (!code || !param1 || !param2) return E_INVALIDARG;
        auto lock = audio_internal::EnterAudio();
        if (events_.empty()) return E_ABORT;
        *code = events_.front();
        *param1 = 0;   // S_OK: the stream ended normally
        *param2 = 0;
        events_.pop_front();
        return S_OK;
    }
    HRESULT FreeEventParams(int32_t, intptr_t, intptr_t) override { return S_OK; }
    // The end of a stream is always reported to the caller; nothing else to restore.
    HRESULT RestoreDefaultHandling(int32_t) override { return S_OK; }

    // --- volume
    HRESULT put_Volume(int32_t volume) override {
        if (volume > 0 || volume < -10000) return E_INVALIDARG;
        auto lock = audio_internal::EnterAudio();
        volume_ = volume;
        gain_ = volume <= -10000 ? 0.0f : static_cast<float>(std::pow(10.0, volume / 2000.0));
        return S_OK;
    }
    HRESULT get_Volume(int32_t* volume) override {
        if (!volume) return E_INVALIDARG;
        auto lock = audio_internal::EnterAudio();
        *volume = volume_;
        return S_OK;
    }

    // --- mixing (under the mixer lock)
    void MixInto(int32_t* acc, int frames) override {
        if (!running_ || position_ >= stop_ || audio_internal::MusicPausedLocked()) return;
        const int n = static_cast<int>(std::min<int64_t>(frames, stop_ - position_));
        if (mp3_) {
            DecodeInto(acc, n);
        } else {
            AddSamples(acc, samples_ + position_ * AudioChannels, n);
            position_ += n;
        }
        if (position_ >= stop_ && !completeSent_) {
            // One end-of-stream event per pass; the stream stays "running", silent at its end.
            events_.push_back(EC_COMPLETE);
            completeSent_ = true;
        }
    }

private:
    void AddSamples(int32_t* acc, const int16_t* s, int frames) const {
        const float gain = gain_ * audio_internal::MusicGainLocked();
        if (gain == 1.0f) {
            for (int i = 0; i < frames * AudioChannels; ++i) acc[i] += s[i];
        } else {
            for (int i = 0; i < frames * AudioChannels; ++i) acc[i] += static_cast<int32_t>(s[i] * gain);
        }
    }

    // Plays n frames from the decoder, which always stands at position_ when it reads. A
    // file that ends early or breaks is at its end: the rest is silence and the stream
    // completes; the decoder seeks again before it reads anything more.
    void DecodeInto(int32_t* acc, int n) {
        int done = 0;
        if (!seekPending_ || mp3_->Seek(position_)) {
            seekPending_ = false;
            while (done < n) {
                const std::span<const int16_t> s = mp3_->Read(n - done);
                if (s.empty()) break;
                const int got = static_cast<int>(s.size()) / AudioChannels;
                AddSamples(acc + done * AudioChannels, s.data(), got);
                done += got;
            }
        }
        position_ += done;
        if (done < n) {
            position_ = stop_;
            seekPending_ = true;
        }
    }

    struct FreeChunk {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, FreeChunk>;

    ChunkPtr chunk_;                       // a file decoded whole, or
    std::unique_ptr<Mp3Stream> mp3_;       // an MP3 decoded as it plays
    bool seekPending_ = false;
    const int16_t* samples_ = nullptr;
    int64_t frames_ = 0;
    int64_t position_ = 0;
    int64_t stop_ = 0;
    bool running_ = false;
    bool completeSent_ = false;
    std::deque<int32_t> events_;
    int32_t volume_ = 0;
    float gain_ = 1.0f;
};

}  // namespace

HRESULT FilterGraph::Create(std::shared_ptr<FilterGraph>& out) {
    out = std::make_shared<MediaStream>();
    return S_OK;
}

}  // namespace plat
