// Media channels: loading, starting, the per-frame end-of-stream check and rewinding.
#include "sound/media_channels.h"

#include <filesystem>

#include "core/game_state.h"
#include "core/i18n.h"
#include "core/options.h"
#include "core/player_message.h"
#include "core/paths.h"
#include "core/state_dump.h"
#include "platform/window.h"
#include "render/graphics.h"
#include "sound/effects.h"
#include "sound/sound.h"
#include "sound/sound_check.h"

std::array<TSound3D, MediaChannelCount> g_mediaChannels;

namespace {

bool ValidChannel(int channel) { return channel >= 0 && channel < MediaChannelCount; }

// The menu music once loaded is wanted back after a device rebuild freed its channel; a file
// that never loaded is not tried (and reported) again.
bool g_menuMusicLoaded = false;

// Current position 0 and the stop position kept, both absolute.
void Rewind(TSound3D& ch) {
    if (!ch.seeking) return;
    plat::REFERENCE_TIME stop = 0;
    ch.seeking->GetStopPosition(&stop);
    plat::REFERENCE_TIME start = 0;
    ch.seeking->SetPositions(&start, plat::AM_SEEKING_AbsolutePositioning, &stop,
                             plat::AM_SEEKING_AbsolutePositioning);
}

}  // namespace

void SaveInfo(const std::string& text) {
    if (g_d3d) g_d3d->MessageBox(text, GameName());
    else plat::ShowMessage(text, GameName(), g_options.headless);
}

void dLoadSound(int channel, const std::string& relativeName) {
    if (!ValidChannel(channel)) return;
    // Told about when the game started; the channel stays empty without a word.
    if (SoundFileLeftOut(relativeName)) return;
    const std::string name = GamePath(relativeName);
    std::error_code ec;
    if (!std::filesystem::exists(name, ec)) {
        SaveInfo(SoundMissingText(name));
        return;
    }
    ConfigureSoundOutput();
    TSound3D& ch = g_mediaChannels[channel];
    ch.graph.reset();
    ch.control.reset();
    ch.seeking.reset();
    // Each failed step reports itself and the next is still tried, as far as a graph exists.
    if (plat::Failed(plat::FilterGraph::Create(ch.graph)) || !ch.graph) {
        ch.graph.reset();
        SaveInfo(TrFormat("Не удалось создать поток для звукового файла «{file}».", {{"file", name}}));
        return;
    }
    if (plat::Failed(ch.graph->RenderFile(name)))
        SaveInfo(TrFormat("Ошибка построения графа для {file}: {reason}; игра пойдёт без этого звука.",
                          {{"file", name}, {"reason", Tr(kNotMusicText)}}));
    if (plat::Failed(ch.graph->QueryControl(ch.control))) SaveInfo(TrFormat("Не удалось получить управление проигрыванием файла «{file}».", {{"file", name}}));
    if (plat::Failed(ch.graph->QuerySeeking(ch.seeking))) SaveInfo(TrFormat("Не удалось получить перемотку звукового файла «{file}».", {{"file", name}}));
    if (plat::Failed(ch.graph->QueryEvents(ch.events))) SaveInfo(TrFormat("Не удалось получить события проигрывания файла «{file}».", {{"file", name}}));
    if (plat::Failed(ch.graph->QueryAudio(ch.audio))) SaveInfo(TrFormat("Не удалось получить громкость звукового файла «{file}».", {{"file", name}}));
}

void StartMediaChannel(int channel, const std::string& name, int32_t looping) {
    if (!ValidChannel(channel)) return;
    TSound3D& ch = g_mediaChannels[channel];
    if (!ch.control) dLoadSound(channel, name);
    ch.looping = looping;
    // A file that could not be loaded leaves nothing to run.
    if (ch.control) ch.control->Run();
}

void StartMenuMusic() {
    if (g_screenState != ScreenMainMenu) return;
    StartMediaChannel(1, MenuMusicFile, -1);
    if (g_mediaChannels[1].control) g_menuMusicLoaded = true;
}

void StartMenuJingle() { StartMediaChannel(2, MenuJingleFile, 0); }

void StopMediaChannel(int channel) {
    if (ValidChannel(channel) && g_mediaChannels[channel].control) g_mediaChannels[channel].control->Stop();
}

void CheckActiveSounds() {
    plat::UpdateAudio();
    for (TSound3D& ch : g_mediaChannels) {
        if (!ch.graph || !ch.events) continue;
        int32_t code = 0;
        intptr_t param1 = 0, param2 = 0;
        ch.events->GetEvent(&code, &param1, &param2, 0);
        ch.events->FreeEventParams(code, param1, param2);
        if (code != plat::EC_COMPLETE) continue;
        Rewind(ch);
        ch.events->RestoreDefaultHandling(plat::EC_COMPLETE);
        if (ch.looping == 0 && ch.control) ch.control->Stop();
    }
}

void PeremotkaMusic() {
    TSound3D& ch = g_mediaChannels[1];
    if (!ch.control) {
        // A device rebuild away from the menu freed the channel: load it again, from the start.
        if (g_menuMusicLoaded) StartMenuMusic();
        return;
    }
    ch.control->Stop();
    Rewind(ch);
    if (ch.events) ch.events->RestoreDefaultHandling(plat::EC_COMPLETE);
    ch.control->Run();
}

void ReleaseMediaChannels() {
    for (int channel = MediaChannelCount - 1; channel >= 0; --channel) {
        TSound3D& ch = g_mediaChannels[channel];
        ch.audio.reset();
        ch.events.reset();
        ch.seeking.reset();
        ch.control.reset();
        ch.graph.reset();
    }
}

void DumpSound(StateDump& dump) {
    for (int channel = 0; channel < MediaChannelCount; ++channel) {
        const TSound3D& ch = g_mediaChannels[channel];
        if (!ch.graph) continue;
        const std::string base = "g_mediaChannels." + std::to_string(channel) + ".";
        plat::REFERENCE_TIME position = 0;
        if (ch.seeking) ch.seeking->GetCurrentPosition(&position);
        dump.SetInt(base + "loaded", 1);
        dump.SetInt(base + "running", ch.control && ch.control->running() ? 1 : 0);
        dump.SetInt(base + "looping", ch.looping);
        dump.SetInt(base + "position", position / 10000);   // milliseconds
    }
    for (int slot = 0; slot < SoundSlotCount; ++slot) {
        if (FSoundBuffers[slot])
            dump.SetInt("FSoundBuffers." + std::to_string(slot) + ".playing", FSoundBuffers[slot]->playing() ? 1 : 0);
    }
}
