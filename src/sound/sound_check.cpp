// The sound files checked once at the start, and the ones left out of play.
#include "sound/sound_check.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/game_error.h"
#include "core/i18n.h"
#include "core/options.h"
#include "core/paths.h"
#include "core/player_message.h"
#include "platform/audio.h"
#include "render/graphics.h"
#include "sound/effects.h"
#include "sound/media_channels.h"
#include "sound/wav_data.h"

namespace {

constexpr const char* kEffectFiles[] = {
    "./sound/complete0.wav", "./sound/complete1.wav",   "./sound/complete2.wav",   "./sound/complete3.wav",
    "./sound/complete4.wav", "./sound/nocomplete1.wav", "./sound/nocomplete2.wav",
};

std::set<std::string>& LeftOut() {
    static std::set<std::string> files;
    return files;
}

// Empty when the effect file gives the slot samples to play, else the reason.
std::string EffectProblem(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Tr("файл не открывается");
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Tr("файл не читается");
    try {
        if (EffectSamples(file, path).empty()) return Tr("в нём нет звука: это не звуковой файл WAV, или он испорчен");
    } catch (const GameFileError& e) {
        return TrFormat("звук в нём записан так, что игра не умеет его прочесть ({reason})", {{"reason", e.what()}});
    }
    return "";
}

// Empty when the stream builds and has something to play, else the reason.
std::string MusicProblem(const std::string& path) {
    ConfigureSoundOutput();
    std::shared_ptr<plat::FilterGraph> graph;
    if (plat::Failed(plat::FilterGraph::Create(graph)) || !graph) return Tr("звук не удаётся открыть");
    if (plat::Failed(graph->RenderFile(path))) return Tr(kNotMusicText);
    return "";
}

}  // namespace

std::string SoundMissingText(const std::string& path) {
    return TrFormat("нет звукового файла «{file}»; игра пойдёт без этого звука.", {{"file", path}});
}

std::string SoundEmptyText(const std::string& path) {
    return TrFormat("звуковой файл «{file}» пуст; игра пойдёт без этого звука.", {{"file", path}});
}

std::string SoundUnplayableText(const std::string& path, const std::string& why) {
    return TrFormat("звуковой файл «{file}» не играет: {reason}; игра пойдёт без этого звука.",
                    {{"file", path}, {"reason", why}});
}

std::vector<std::string> CheckSoundFiles() {
    std::vector<std::string> messages;
    LeftOut().clear();
    std::vector<std::pair<std::string, bool>> files;   // name, is music
    for (const char* effect : kEffectFiles) files.emplace_back(effect, false);
    files.emplace_back(MenuMusicFile, true);
    files.emplace_back(MenuJingleFile, true);
    for (const auto& [name, music] : files) {
        const std::string path = GamePath(name);
        std::error_code ec;
        std::string message;
        if (!std::filesystem::is_regular_file(path, ec)) message = SoundMissingText(path);
        else if (std::filesystem::file_size(path, ec) == 0 && !ec) message = SoundEmptyText(path);
        else if (const std::string why = music ? MusicProblem(path) : EffectProblem(path); !why.empty())
            message = SoundUnplayableText(path, why);
        if (message.empty()) continue;
        LeftOut().insert(name);
        messages.push_back(message);
    }
    return messages;
}

void ReportSoundFiles() {
    const std::vector<std::string> messages = CheckSoundFiles();
    std::string all;
    for (const std::string& message : messages) {
        TellPlayer(message);
        all += (all.empty() ? "" : "\n") + message;
    }
    // The game has not begun yet: one box before play instead of one in the middle of it.
    if (!all.empty() && !g_options.headless && g_d3d) g_d3d->MessageBox(all, GameName());
}

bool SoundFileLeftOut(const std::string& relativeName) { return LeftOut().count(relativeName) != 0; }

bool FirstTroubleDuringPlay(const std::string& relativeName) {
    static std::set<std::string> told;
    return told.insert(relativeName).second;
}
