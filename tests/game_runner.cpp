#include "game_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

std::string MakeScratchGameFolder(const char* tag) {
    std::string pattern = std::string("/tmp/stroylik_") + tag + "_XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    const fs::path dir = pattern;
    const fs::path game = STROYLIK_GAME_DIR;
    if (!fs::exists(game / "Surfaces.ini"))
        throw std::runtime_error("the game folder " + game.string() + " has not been generated");
    for (const char* sub : {"textures", "sound", "music", "models", "locale"})
        if (fs::exists(game / sub)) fs::create_directory_symlink(game / sub, dir / sub);
    fs::copy(game / "levels", dir / "levels", fs::copy_options::recursive);
    fs::copy_file(game / "Surfaces.ini", dir / "Surfaces.ini");
    fs::create_directories(dir / "save" / "k1");
    fs::create_directories(dir / "save" / "k2");
    return dir.string();
}

GameRunner::GameRunner() : dir_(MakeScratchGameFolder("run")) {}

GameRunner::~GameRunner() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

GameRun GameRunner::Run(const std::string& script, const std::vector<std::string>& extraArgs,
                        const std::string& environment, bool start) {
    {
        std::ofstream out(Path("script.txt"), std::ios::binary);
        out << script;
    }
    // The settings file goes to the scratch folder too, never to the player's own.
    std::string command = "cd '" + dir_ + "' && XDG_CONFIG_HOME='" + dir_ + "/config' SDL_VIDEODRIVER=offscreen "
                          "SDL_AUDIODRIVER=dummy LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8 " + environment +
                          " timeout 300 '" + std::string(STROYLIK_GAME_EXE) +
                          "' --headless" + (start ? " --start" : "") + " --script script.txt --data . --user-dir .";
    for (const std::string& a : extraArgs) command += " '" + a + "'";
    command += " > stdout.txt 2> stderr.txt";
    GameRun run;
    int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.stdErr = ReadFile("stderr.txt");
    return run;
}

std::string GameRunner::ReadFile(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool GameRunner::Exists(const std::string& relative) const { return fs::exists(Path(relative)); }

std::string DragScript(int fromX, int fromY, int toX, int toY) {
    return "move " + std::to_string(fromX) + " " + std::to_string(fromY) + "\ndown left\nframes 1\nmove " +
           std::to_string(toX) + " " + std::to_string(toY) + "\nframes 1\nup left\nframes 2\n";
}
