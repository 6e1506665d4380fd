// Placeholder until the sound code is written; it replaces this file.
#include "app/state_dump.h"
#include "sound/sound.h"

void InitSound() {}
void PlayEffect(int, const std::string&) {}
void StopMediaChannel(int) {}
void CheckActiveSounds() {}
void PeremotkaMusic() {}
void StartMenuMusic() {}
void ReleaseMediaChannels() {}
void ReleaseSound() {}
void DumpSound(StateDump&) {}
