// What the real program tells a parent when something is wrong, run headless: a bad command
// line, a malformed script, sound files missing or spoilt. Every line starts with the game's
// name; nothing is said twice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game_runner.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + part.size())) ++n;
    return n;
}

void ExpectEveryLineNamesTheGame(const std::string& err) {
    for (const std::string& line : Lines(err)) EXPECT_EQ(line.rfind("Стройлик: ", 0), 0u) << line;
}

TEST(FailurePaths, ACommandLineErrorIsItsOwnLineAndPointsToHelp) {
    GameRunner game;
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{"--user-dir", ""}, "параметру --user-dir нужен путь, а он пуст."},
        {{"--resolution", "--headless"}, "параметру --resolution нужно значение."},
        {{"--script", "/nonexistent/s.txt"}, "script \"/nonexistent/s.txt\" cannot be read: No such file or directory"},
    };
    for (const Case& c : cases) {
        const GameRun run = game.Run("frames 1\n", c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        const std::vector<std::string> lines = Lines(run.stdErr);
        EXPECT_EQ(lines.size(), c.args[0] == "--script" ? 1u : 2u) << run.stdErr;
        EXPECT_NE(run.stdErr.find(c.says), std::string::npos) << run.stdErr;
        // The usage is not repeated: its one line would be buried.
        EXPECT_EQ(run.stdErr.find("--fixed-step"), std::string::npos) << run.stdErr;
        if (c.args[0] != "--script") {
            EXPECT_NE(run.stdErr.find("stroylik --help"), std::string::npos) << run.stdErr;
        }
        ExpectEveryLineNamesTheGame(run.stdErr);
    }
    EXPECT_FALSE(game.Exists("save/k1/sk_1.dat"));
}

TEST(FailurePaths, AMalformedScriptStopsBeforeTheFirstFrame) {
    GameRunner game;
    for (const std::string bad : {"frames two", "frames -1", "key Q dwn", "key F12 down", "down middle", "focus lsot",
                                  "move 10 ten", "device lsot", "await soon g_screenState 0", "up left now"}) {
        fs::remove(game.Path("early.png"));
        const GameRun run = game.Run("screenshot early.png\nframes 2\n" + bad + "\n");
        EXPECT_EQ(run.exitCode, 2) << bad << ": " << run.stdErr;
        EXPECT_NE(run.stdErr.find("script.txt:3: "), std::string::npos) << run.stdErr;
        EXPECT_EQ(Lines(run.stdErr).size(), 1u) << run.stdErr;
        EXPECT_FALSE(game.Exists("early.png")) << bad << ": the script ran before it was checked";
    }
}

TEST(FailurePaths, SoundFilesAreCheckedOnceAtTheStartAndPlayGoesOnWithoutThem) {
    GameRunner game;
    // Folders of their own instead of the shared links, spoilt four ways.
    for (const char* sub : {"sound", "music"}) {
        fs::remove(game.Path(sub));
        fs::copy(fs::path(STROYLIK_GAME_DIR) / sub, game.Path(sub));
    }
    fs::remove(game.Path("sound/complete0.wav"));
    std::ofstream(game.Path("sound/nocomplete1.wav"), std::ios::binary) << "not a sound at all";
    std::ofstream(game.Path("music/music_01.mp3"), std::ios::binary | std::ios::trunc);
    std::ofstream(game.Path("sound/Start_menu.mp3"), std::ios::binary) << std::string(1000, '\x11');

    // Through the menu into box 1 and back: music and greeting would be loaded on the way.
    const GameRun run = game.Run("frames 3\nclick\nframes 5\nmove 380 320\nclick\nframes 3\nmove 500 220\nclick\n"
                                 "frames 3\nmove 1250 20\nclick\nframes 3\nexpect g_screenState 0\n");
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    const std::string dir = fs::canonical(game.dir()).string();
    const std::string expected[] = {
        "нет звукового файла «" + dir + "/sound/complete0.wav»; игра пойдёт без этого звука.",
        "звуковой файл «" + dir + "/sound/nocomplete1.wav» не играет: в нём нет звука: это не звуковой файл WAV, "
        "или он испорчен; игра пойдёт без этого звука.",
        "звуковой файл «" + dir + "/music/music_01.mp3» пуст; игра пойдёт без этого звука.",
        "звуковой файл «" + dir + "/sound/Start_menu.mp3» не играет: файл испорчен или это не музыка в формате MP3; "
        "игра пойдёт без этого звука.",
    };
    for (const std::string& message : expected) EXPECT_EQ(Count(run.stdErr, message), 1) << run.stdErr;
    EXPECT_EQ(Lines(run.stdErr).size(), 4u) << run.stdErr;
    ExpectEveryLineNamesTheGame(run.stdErr);
}

}  // namespace
