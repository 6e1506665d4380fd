#pragma once
// Sound output: one mixer at 44,100 Hz stereo 16-bit that plays effect buffers (filled with
// PCM, played once from the start) and media streams (decoded files with run, stop, seeking
// and an end-of-stream event). The device opens on first use. Without any audio device the
// mixer still runs on SDL's silent driver, so positions, events and recordings behave alike.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/types.h"

namespace plat {

// --- The mixer ----------------------------------------------------------------------------

constexpr int AudioRate = 44100;
constexpr int AudioChannels = 2;
constexpr int AudioFrameBytes = 4;   // stereo, 16 bits

struct AudioSettings {
    bool headless = false;      // use the silent driver unless SDL_AUDIODRIVER names one
    std::string driver;         // an SDL audio driver to try first ("" = SDL's choice)
    std::string recordPath;     // write everything mixed into this WAV file ("" = off)
};

// Takes effect the next time the device opens.
void ConfigureAudio(const AudioSettings& settings);
// Opens the device if it is not open; false when no mixer could run at all.
bool OpenAudio();
bool AudioIsOpen();
// True when the mixer runs without a sound card (nothing is heard).
bool AudioIsSilent();
// Stops mixing, releases the device and finishes the recording.
void CloseAudio();

// Who moves the mixer on: the device (real time), the game clock when it runs in fixed
// steps (so a recording matches the frames), or explicit AdvanceAudio calls (tests).
void UseManualAudioPacing(bool on);
void AdvanceAudio(int frames);
// Brings the mixer up to the game clock when it runs in fixed steps; the game calls it
// once per frame (every audio call does it as well).
void UpdateAudio();
// Sample frames mixed since the device opened.
int64_t AudioFramesMixed();
// The player's switches: paused music holds its place (streams neither sound nor move on,
// and go on where they were); muted effects play on silently. Both act on the next block.
void SetMusicPaused(bool paused);
void SetEffectsMuted(bool muted);
// The parent's volume levels under the switches: a gain of 0 (silent) to 1 (as recorded)
// for every media stream and for every effect; out-of-range values are clamped.
void SetMusicGain(float gain);
void SetEffectsGain(float gain);

// --- Effect buffers ----------------------------------------------------------------------

constexpr HRESULT DSERR_BUFFERLOST = static_cast<int32_t>(0x88780096u);
constexpr HRESULT DSERR_INVALIDPARAM = E_INVALIDARG;
constexpr HRESULT DSERR_BADFORMAT = static_cast<int32_t>(0x88780064u);
constexpr HRESULT DSERR_NODRIVER = static_cast<int32_t>(0x88780078u);
constexpr HRESULT DSERR_INVALIDCALL = static_cast<int32_t>(0x88780032u);

constexpr uint32_t DSSCL_EXCLUSIVE = 3;
constexpr uint32_t DSBCAPS_PRIMARYBUFFER = 0x1;
constexpr uint32_t DSBCAPS_STATIC = 0x2;
constexpr uint16_t WAVE_FORMAT_PCM = 1;

struct WaveFormat {
    uint16_t formatTag = WAVE_FORMAT_PCM;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

struct BufferDesc {
    uint32_t size = 36;
    uint32_t flags = 0;
    uint32_t bufferBytes = 0;
    const WaveFormat* format = nullptr;
};

struct BufferVoice;

// A static buffer of fixed capacity. Play plays the whole buffer once from the start.
class SoundBuffer {
public:
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Gives writable regions for `bytes` bytes at `offset`; a range past the end wraps into
    // the second region. Fails when bytes exceeds the capacity or the buffer was lost.
    HRESULT Lock(uint32_t offset, uint32_t bytes, void** first, uint32_t* firstBytes, void** second,
                 uint32_t* secondBytes, uint32_t flags);
    // Stores what was written into the locked regions.
    HRESULT Unlock(void* first, uint32_t firstBytes, void* second, uint32_t secondBytes);
    // Starts playing from the start (a buffer already playing goes on where it is).
    HRESULT Play(uint32_t reserved, uint32_t priority, uint32_t flags);
    HRESULT Stop();
    // Makes a lost buffer usable again; its content is gone (silence).
    HRESULT Restore();
    // Only the primary buffer takes a format.
    HRESULT SetFormat(const WaveFormat& format);

    uint32_t capacity() const { return static_cast<uint32_t>(data_.size()); }
    bool primary() const { return primary_; }
    bool playing() const;
    // A copy of the content, for tests and the state dump.
    std::vector<uint8_t> Content() const;
    // The buffer's memory is taken away, as when another program takes the sound card:
    // locks and plays report DSERR_BUFFERLOST until Restore.
    void SimulateLoss();

private:
    friend class SoundDevice;
    friend struct BufferVoice;
    SoundBuffer(bool primary, uint32_t bytes);
    bool primary_;
    std::vector<uint8_t> data_;
    std::vector<uint8_t> staging_;      // what Lock hands out; Unlock copies it in
    uint32_t lockOffset_ = 0;
    bool locked_ = false;
    bool lost_ = false;
    bool playing_ = false;
    uint32_t cursor_ = 0;               // play position in bytes
    std::unique_ptr<BufferVoice> voice_;
};

class SoundDevice {
public:
    // Opens the mixer. Without a sound card it still succeeds (silent); fails with
    // DSERR_NODRIVER only when no mixer can run at all.
    static HRESULT Create(std::unique_ptr<SoundDevice>& out);
    ~SoundDevice() = default;

    HRESULT SetCooperativeLevel(void* window, uint32_t level);
    // Secondary buffers must be 44,100 Hz stereo 16-bit PCM, the mixer's own format.
    HRESULT CreateSoundBuffer(const BufferDesc& desc, std::unique_ptr<SoundBuffer>& out);

private:
    SoundDevice() = default;
};

// --- Media streams ---------------------------------------------------------------------------

using REFERENCE_TIME = int64_t;   // 100-nanosecond units
constexpr int32_t EC_COMPLETE = 1;
constexpr HRESULT E_ABORT = static_cast<int32_t>(0x80004004u);
constexpr HRESULT VFW_E_NOT_FOUND = static_cast<int32_t>(0x80040216u);
constexpr HRESULT VFW_E_UNSUPPORTED_STREAM = static_cast<int32_t>(0x80040265u);
constexpr uint32_t AM_SEEKING_NoPositioning = 0;
constexpr uint32_t AM_SEEKING_AbsolutePositioning = 1;

class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual HRESULT Run() = 0;
    virtual HRESULT Stop() = 0;
    virtual bool running() const = 0;
};

class MediaSeeking {
public:
    virtual ~MediaSeeking() = default;
    virtual HRESULT GetStopPosition(REFERENCE_TIME* stop) = 0;
    virtual HRESULT GetCurrentPosition(REFERENCE_TIME* current) = 0;
    virtual HRESULT GetDuration(REFERENCE_TIME* duration) = 0;
    virtual HRESULT SetPositions(REFERENCE_TIME* current, uint32_t currentFlags, REFERENCE_TIME* stop,
                                 uint32_t stopFlags) = 0;
};

class MediaEvent {
public:
    virtual ~MediaEvent() = default;
    // Takes one pending event; E_ABORT when none is pending (the stand-in never waits).
    virtual HRESULT GetEvent(int32_t* code, intptr_t* param1, intptr_t* param2, int32_t timeoutMs) = 0;
    virtual HRESULT FreeEventParams(int32_t code, intptr_t param1, intptr_t param2) = 0;
    virtual HRESULT RestoreDefaultHandling(int32_t code) = 0;
};

class BasicAudio {
public:
    virtual ~BasicAudio() = default;
    // Hundredths of a decibel, 0 (full) down to -10000 (silent).
    virtual HRESULT put_Volume(int32_t volume) = 0;
    virtual HRESULT get_Volume(int32_t* volume) = 0;
};

// One stream: a sound file (MP3 or WAV) and its play state.
class FilterGraph {
public:
    virtual ~FilterGraph() = default;
    static HRESULT Create(std::shared_ptr<FilterGraph>& out);
    // Opens the file (MP3 is decoded as it plays, anything else whole); the stream stands
    // stopped at its start.
    virtual HRESULT RenderFile(const std::string& fileName) = 0;
    // The graph's other faces; each holder keeps the graph alive.
    virtual HRESULT QueryControl(std::shared_ptr<MediaControl>& out) = 0;
    virtual HRESULT QuerySeeking(std::shared_ptr<MediaSeeking>& out) = 0;
    virtual HRESULT QueryEvents(std::shared_ptr<MediaEvent>& out) = 0;
    virtual HRESULT QueryAudio(std::shared_ptr<BasicAudio>& out) = 0;
};

inline REFERENCE_TIME FramesToReferenceTime(int64_t frames) { return frames * 10000000 / AudioRate; }
inline int64_t ReferenceTimeToFrames(REFERENCE_TIME t) { return t * AudioRate / 10000000; }

}  // namespace plat
