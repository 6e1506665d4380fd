// Progress that no click or exit loses: a solved level left by back or by closing the window,
// a new game that asks first and puts the old boards aside, saves of two writers at once,
// and a second game on a user folder that a running game holds.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "app/form.h"
#include "box1_mouse.h"
#include "box2_mouse.h"
#include "core/new_game_aside.h"
#include "core/parent_state.h"
#include "core/settings.h"
#include "core/user_lock.h"
#include "game_runner.h"
#include "menus/level_overview.h"
#include "parent_test_util.h"
#include "progress_test_util.h"

namespace {

using namespace progresstest;

// Every file under `folder` (relative name) with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadAll(entry.path().string());
    return files;
}

void Solve(GameDriver& game, int box) {
    if (box == 1) BuildThePicture(game);
    else box2mouse::BuildThePicture(game);
}

void OpenStartScreen(GameDriver& game, int box) {
    game.MoveTo(box == 1 ? Box1X : Box2X, box == 1 ? Box1Y : Box2Y);
    game.Click();
    ASSERT_EQ(g_screenState, box == 1 ? ScreenBox1Start : ScreenBox2Start);
}

}  // namespace

// Solved, then left without the "go on" click: by the back button, or by closing the window
// (and starting the game again). Either way the overview stars level 1 and opens level 2.
TEST(ProgressKeep, ASolvedLevelCountsWhenLeftByBackOrByClosing) {
    for (int box = 1; box <= 2; ++box)
        for (const bool closing : {false, true}) {
            SCOPED_TRACE("box " + std::to_string(box) + (closing ? ", window closed" : ", back button"));
            const std::string kept = "/tmp/stroylik_keep_" + std::to_string(getpid());
            {
                GameDriver game;
                ASSERT_EQ(EnterBox(game, box, false), "");
                ASSERT_NO_FATAL_FAILURE(Solve(game, box));
                ASSERT_EQ(g_levelDone, 1);
                if (!closing) {
                    game.MoveTo(BackX, ButtonY);
                    game.Click();
                    ASSERT_EQ(g_screenState, ScreenMainMenu);
                    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, box));
                    EXPECT_EQ(OverviewTileState(1), TileSolved);
                    EXPECT_EQ(OverviewTileState(2), TileOpen);
                    continue;
                }
                Form1->Handlers().onClose();
                ASSERT_TRUE(Form1->closing());
                fs::remove_all(kept);
                fs::create_directories(kept);
                fs::copy(game.dir() + "/save", kept + "/save", fs::copy_options::recursive);
                fs::copy_file(game.dir() + "/k" + std::to_string(box) + ".dat", kept + "/k" + std::to_string(box) + ".dat");
            }
            GameDriver again;
            fs::copy(kept, again.dir(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
            fs::remove_all(kept);
            ASSERT_NO_FATAL_FAILURE(OpenStartScreen(again, box));
            EXPECT_EQ(OverviewTileState(1), TileSolved);
            EXPECT_EQ(OverviewTileState(2), TileOpen);
        }
}

// Over existing progress the first press on "new game" only lights the banner; the second
// starts level 1 with the old boards and position file put aside byte for byte, and the
// parent corner's undo brings them back byte for byte. Without progress one press starts at once.
TEST(ProgressKeep, NewGameAsksFirstPutsTheOldBoardsAsideAndUndoBringsThemBack) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 1, false), "") << "no progress yet: one press starts";
    ASSERT_EQ(g_screenState, ScreenBox1);
    ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
    game.Click();   // on to level 2
    game.MoveTo(BackX, ButtonY);
    game.Click();
    const std::map<std::string, std::string> before = Snapshot(game.dir() + "/save");
    const std::string position = ReadAll("k1.dat");
    ASSERT_FALSE(position.empty());
    ASSERT_TRUE(BoxHasProgress(1));

    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, 1));
    game.MoveTo(NewGameX, NewGameY);
    game.Click();
    EXPECT_EQ(g_screenState, ScreenBox1Start) << "the first press only asks";
    EXPECT_EQ(g_newGameAsked, 1);
    game.MoveTo(640, 20);   // a click elsewhere takes the question back
    game.Click();
    EXPECT_EQ(g_newGameAsked, 0);
    game.MoveTo(NewGameX, NewGameY);
    game.Click();
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, 1);
    EXPECT_EQ(g_maxCompletedLevel, 0);
    EXPECT_FALSE(fs::exists("save/k1/sk_1.dat"));
    std::string aside;
    ASSERT_EQ(CountStartingWith("put-aside", "k1-", &aside), 1);
    EXPECT_EQ(ReadAll(aside + "/k1.dat"), position);
    EXPECT_EQ(Snapshot(aside).size(), before.size() + 1);

    game.MoveTo(BackX, ButtonY);   // the new game's own position is saved on the way out
    game.Click();
    ASSERT_TRUE(CanUndoNewGame(1));
    ASSERT_NO_FATAL_FAILURE(parenttest::OpenCorner(game));
    parenttest::ClickRow(game, "Вернуть прежнюю игру коробки 1");
    EXPECT_EQ(Snapshot(game.dir() + "/save"), before);
    EXPECT_EQ(ReadAll("k1.dat"), position);
    EXPECT_FALSE(CanUndoNewGame(1)) << "the last new game is undone";
    EXPECT_EQ(CountStartingWith("put-aside", "undone-k1-"), 1) << "the new game's progress is kept too";
}

// Two processes saving one settings file at once: every save succeeds and the file is always
// one writer's whole text.
TEST(ProgressKeep, TwoWritersOfOneFileNeverShareATemporaryFile) {
    char pattern[] = "/tmp/stroylik_writers_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string path = std::string(pattern) + "/settings.ini";
    const auto writeMany = [&](bool music) {
        Settings s;
        s.music = music;
        std::string message;
        for (int i = 0; i < 300; ++i)
            if (!SaveSettings(path, s, message)) return false;
        return true;
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(writeMany(false) ? 0 : 1);
    const bool parentOk = writeMany(true);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(parentOk);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other writer failed a save";
    Settings back;
    std::string message;
    EXPECT_TRUE(LoadSettings(path, back, message)) << message;
    EXPECT_EQ(std::distance(fs::directory_iterator(pattern), fs::directory_iterator()), 1) << "no temporary left";
    fs::remove_all(pattern);
}

// Every file of `folder` with its size and time of change: what a run that writes nothing
// leaves as it was.
static std::map<std::string, std::string> Listing(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const fs::path p = entry.path();
        files[fs::relative(p, folder).string()] =
            std::to_string(entry.is_regular_file() ? fs::file_size(p) : 0) + "@" +
            std::to_string(fs::last_write_time(p).time_since_epoch().count());
    }
    return files;
}

// A game already holds the user folder (this process takes its lock): the real program
// started on it says so once and ends without writing a file.
TEST(ProgressKeep, ASecondGameOnAHeldUserFolderEndsWithoutWriting) {
    GameRunner runner;
    std::string message;
    ASSERT_TRUE(LockUserFolder(runner.dir(), message)) << message;
    std::map<std::string, std::string> before = Listing(runner.dir());
    const GameRun run = runner.Run("frames 5\n");
    UnlockUserFolder();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.stdErr.find("уже открыт"), std::string::npos) << run.stdErr;
    EXPECT_NE(run.stdErr.find(runner.dir()), std::string::npos) << run.stdErr;
    std::map<std::string, std::string> after = Listing(runner.dir());
    for (const char* runnersOwn : {"script.txt", "stdout.txt", "stderr.txt"}) {   // the test's, not the game's
        before.erase(runnersOwn);
        after.erase(runnersOwn);
    }
    for (const auto& [name, state] : after) EXPECT_EQ(before.count(name) ? before.at(name) : "new", state) << name;
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(runner.Run("frames 5\n").exitCode, 0) << "once the first game is gone, a game starts";
}
