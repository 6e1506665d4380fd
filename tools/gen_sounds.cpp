// Every sound the game plays: effects (WAV), the menu greeting and the music (MP3).
#include "generators.h"
#include "gen_sound_synth.h"

namespace gen {

void WriteSounds(const std::string& out) {
    snd::WriteEffects(out);
    snd::WriteMenuJingle(out);
    snd::WriteMusic(out);
}

}  // namespace gen
