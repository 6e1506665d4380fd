#pragma once
// Media channels: decoded music and jingles that run, stop, rewind and report their end.
// Channel 1 is the looping background music, channel 2 the menu greeting.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio.h"

struct TSound3D {
    std::shared_ptr<plat::FilterGraph> graph;     // empty = channel not loaded
    std::shared_ptr<plat::MediaControl> control;
    std::shared_ptr<plat::MediaSeeking> seeking;
    std::shared_ptr<plat::MediaEvent> events;
    std::shared_ptr<plat::BasicAudio> audio;      // kept, volume never changed
    int32_t looping = 0;                          // non-zero: rewind and play on at the end
};

constexpr int MediaChannelCount = 100;
extern std::array<TSound3D, MediaChannelCount> g_mediaChannels;

constexpr const char* MenuMusicFile = "./music/music_01.mp3";
constexpr const char* MenuJingleFile = "./sound/Start_menu.mp3";

// Builds the channel's stream for the file, not started. Problems go to SaveInfo.
void dLoadSound(int channel, const std::string& name);
// Loads the channel if it has no stream yet, sets its looping flag and runs it.
void StartMediaChannel(int channel, const std::string& name, int32_t looping);
// A modal message box (stderr in headless runs); the game goes on.
void SaveInfo(const std::string& text);
