#include "sound/sound_switches.h"

#include "core/settings.h"
#include "core/settings_store.h"
#include "platform/audio.h"

void ApplySoundSwitches() {
    plat::SetMusicPaused(!g_settings.music);
    plat::SetEffectsMuted(!g_settings.effects);
    plat::SetMusicGain(float(g_settings.musicVolume) / kVolumeLevels);
    plat::SetEffectsGain(float(g_settings.effectsVolume) / kVolumeLevels);
}

namespace {
void SetSwitches(bool music, bool effects) {
    if (g_settings.music == music && g_settings.effects == effects) return;
    g_settings.music = music;
    g_settings.effects = effects;
    ApplySoundSwitches();
    StoreSettings();
}
}  // namespace

void ToggleMusic() { SetSwitches(!g_settings.music, g_settings.effects); }

void ToggleEffects() { SetSwitches(g_settings.music, !g_settings.effects); }

void CycleSoundSwitches() {
    if (g_settings.music && g_settings.effects) SetSwitches(false, true);
    else if (!g_settings.music && g_settings.effects) SetSwitches(false, false);
    else if (!g_settings.music && !g_settings.effects) SetSwitches(true, true);
    else SetSwitches(false, false);
}
