#pragma once
// Effect slots and streamed media channels, as the rest of the game calls them.
#include <string>

// Opens the audio device and the seven effect slots. Throws std::runtime_error with a
// message when the audio system fails; a machine without any audio device runs silent.
void InitSound();
// Plays a WAV file once on an effect slot (load, play; load again and play again on failure).
// Never throws: a file that does not play is told once (see sound_check.h) and left out.
void PlayEffect(int slot, const std::string& fileName);
// Media channels (1 music, 2 menu jingle).
void StopMediaChannel(int channel);
void CheckActiveSounds();
void PeremotkaMusic();
// Starts channel 1 looping with the music when the main menu is the screen (device set-up).
void StartMenuMusic();
// Starts channel 2 once with the menu jingle (not looping); the menu calls it on its first frame.
void StartMenuJingle();
// Releases every media channel, 99 down to 0 (device teardown).
void ReleaseMediaChannels();
// Releases the effect slots and the audio device (program end).
void ReleaseSound();
