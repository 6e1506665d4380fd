// The click-action table: what a fresh left click on the hot button does on each screen.
#include <filesystem>
#include <string>
#include <system_error>

#include "app/form.h"
#include "app/frame_loop.h"
#include "app/overview_actions.h"
#include "app/parent_input.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "core/i18n.h"
#include "core/my_levels.h"
#include "core/new_game_aside.h"
#include "core/parent_state.h"
#include "core/paths.h"
#include "core/profiles.h"
#include "menus/profile_chooser.h"
#include "box1/box1.h"
#include "box2/box2.h"
#include "menus/parent_gate.h"
#include "render/stars.h"
#include "sound/sound.h"
#include "sound/sound_switches.h"

namespace {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void DeleteIfExists(const std::string& path) {
    std::error_code ec;
    if (FileExists(path)) std::filesystem::remove(path, ec);
}

std::string SaveFile(int box, int level) {
    if (IsMyLevel(level)) return MyLevelBoardFile(box, level);
    return UserPath("./save/k" + std::to_string(box) + "/sk_" + std::to_string(level) + ".dat");
}

int ScreenBox() { return g_screenState == ScreenBox2 ? 2 : 1; }

// The next-level buttons act on ordinary levels below the last one: a free-construction
// level never ends, and there is no level after the box's last level or last own puzzle.
bool NextLevelAllowed() {
    const LevelInfo* info = CurrentLevelInfo();
    if (!info || info->freeBuild == 1) return false;
    return g_currentLevel < (IsMyLevel(g_currentLevel) ? LastMyLevel(ScreenBox()) : MaxLevel);
}

// The own puzzles are a row of their own: the first has nothing before it.
bool PrevLevelAllowed() { return g_currentLevel > (IsMyLevel(g_currentLevel) ? FirstMyLevel : 1); }

// A finished picture counts: a shipped level in the box's highest solved level, an own
// puzzle in the child's marks. Returns "" or the message naming a marks file not written.
std::string MarkProgress() {
    if (g_levelDone <= 0) return "";
    if (IsMyLevel(g_currentLevel)) return MarkMyLevelSolved(ScreenBox(), g_currentLevel);
    if (g_currentLevel > g_maxCompletedLevel) g_maxCompletedLevel = g_currentLevel;
    return "";
}

void ThrowIfAny(const std::string& problem) {
    if (!problem.empty()) throw GameFileError(problem);
}

void CloseWindow() {
    if (Form1) Form1->Close();
}

// Continue: the position is read and checked before the screen changes, so a bad position
// file can only move the player to another level of this box. A problem with it or with the
// level's save is reported once the level is on screen.
void ContinueInto(int screen, std::string (*readPosition)(), const char* prefix, void (*loadLevel)()) {
    std::string problem = readPosition();
    g_screenState = screen;
    g_levelPathPrefix = prefix;
    StopMediaChannel(1);
    try {
        loadLevel();
    } catch (const GameFileError& e) {
        problem += (problem.empty() ? "" : "\n\n") + std::string(e.what());
    }
    if (!problem.empty()) throw GameFileError(problem);
}

// A new game over a box's progress takes two presses of its banner: the first lights the
// banner, the second puts the old boards aside (never deleted: the parent corner can bring
// them back) and starts. False while it waits; throws when the old progress cannot be moved,
// and then nothing is cleared.
bool ConfirmNewGame(int box) {
    if (!BoxHasProgress(box)) return true;
    if (g_newGameAsked != box) {
        g_newGameAsked = box;
        g_clickLatch = 0;
        return false;
    }
    g_newGameAsked = 0;
    const std::string problem = PutBoxProgressAside(box);
    if (!problem.empty()) throw GameFileError(problem + "\n" + Tr("Новая игра не начата, прежняя сохранена."));
    return true;
}

}  // namespace

int RunClickAction() {
    const int hot = g_hotButton;
    const int screen = g_screenState;
    // The lit banner waits for the very next click only.
    if (hot != HotChoice1) g_newGameAsked = 0;

    if (hot == HotBack && (screen == ScreenBox1Start || screen == ScreenBox2Start)) {   // 1
        g_clickLatch = 0;
        g_screenState = ScreenMainMenu;
        return 1;
    }
    if (hot == HotBack && screen == ScreenMainMenu) {   // 2
        // In kiosk mode only a parent quits; the window's own close still saves and ends.
        if (g_kiosk) OpenParentGate(GateForQuit);
        else CloseWindow();
        return 2;
    }
    if (hot == HotParent && screen == ScreenMainMenu) {   // 21
        OpenParentGate(GateForCorner);
        g_clickLatch = 0;
        return 21;
    }
    if (hot == HotNextLevel && screen == ScreenBox1 && NextLevelAllowed()) {   // 3
        SaveK1();
        const std::string problem = MarkProgress();
        g_currentLevel += 1;
        loadlevels();
        ThrowIfAny(problem);
        g_clickLatch = 0;
        return 3;
    }
    if (hot == HotPrevLevel && screen == ScreenBox1 && PrevLevelAllowed()) {   // 4
        SaveK1();
        const std::string problem = MarkProgress();
        g_currentLevel -= 1;
        loadlevels();
        ThrowIfAny(problem);
        g_clickLatch = 0;
        return 4;
    }
    if (hot == HotRestartLevel && screen == ScreenBox1) {   // 5
        DeleteIfExists(SaveFile(1, g_currentLevel));
        loadlevels();
        return 5;
    }
    if (hot == HotRestartLevel && screen == ScreenBox2) {   // 6
        DeleteIfExists(SaveFile(2, g_currentLevel));
        loadlevels2();
        return 6;
    }
    if (hot == HotChoice1 && screen == ScreenMainMenu) {   // 7
        StopMediaChannel(1);
        StopMediaChannel(2);
        g_clickLatch = 0;
        OpenStartScreen(1);
        return 7;
    }
    if (hot == HotChoice1 && screen == ScreenBox1Start) {   // 8
        if (!ConfirmNewGame(1)) return 20;
        g_screenState = ScreenBox1;
        g_maxCompletedLevel = 0;
        clearsave();
        g_currentLevel = 1;
        g_levelPathPrefix = "./levels/k1/level";
        loadlevels();
        StopMediaChannel(1);
        return 8;
    }
    if (hot == HotChoice2 && screen == ScreenBox1Start && g_saveExists != 0) {   // 9
        ContinueInto(ScreenBox1, ContinueBox1, "./levels/k1/level", loadlevels);
        return 9;
    }
    if (hot == HotChoice2 && screen == ScreenMainMenu) {   // 10
        StopMediaChannel(1);
        StopMediaChannel(2);
        g_clickLatch = 0;
        OpenStartScreen(2);
        return 10;
    }
    if (hot == HotChoice1 && screen == ScreenBox2Start) {   // 11
        if (!ConfirmNewGame(2)) return 20;
        g_maxCompletedLevel = 0;
        g_screenState = ScreenBox2;
        clearsave2();
        g_currentLevel = 1;
        g_levelPathPrefix = "./levels/k2/level";
        loadlevels2();
        StopMediaChannel(1);
        return 11;
    }
    if (hot == HotChoice2 && screen == ScreenBox2Start && g_saveExists != 0) {   // 12
        ContinueInto(ScreenBox2, ContinueBox2, "./levels/k2/level", loadlevels2);
        return 12;
    }
    if (hot == HotNextLevel && screen == ScreenBox2 && NextLevelAllowed()) {   // 13
        SaveK2();
        const std::string problem = MarkProgress();
        g_currentLevel += 1;
        loadlevels2();
        ThrowIfAny(problem);
        return 13;
    }
    if (hot == HotPrevLevel && screen == ScreenBox2 && PrevLevelAllowed()) {   // 14
        SaveK2();
        const std::string problem = MarkProgress();
        g_currentLevel -= 1;
        loadlevels2();
        ThrowIfAny(problem);
        return 14;
    }
    if (hot == HotBack && screen == ScreenBox2) {   // 15
        LeaveBoxScreen();
        return 15;
    }
    if (hot == HotBack && screen == ScreenBox1) {   // 16
        LeaveBoxScreen();
        return 16;
    }
    if (hot == HotHint && (screen == ScreenBox1 || screen == ScreenBox2)) {   // 20
        AskForHint();
        return 20;
    }
    if (hot == HotKeep && screen == ScreenBox1) {   // 24: does nothing off the free level
        KeepBox1Board();
        return 24;
    }
    if (hot == HotKeep && screen == ScreenBox2) {   // 24
        KeepBox2Board();
        return 24;
    }
    if (const int row = RunProfileClick(hot, screen)) return row;
    return RunOverviewClick(hot, screen);   // 17 to 19
}

int RunProfileClick(int hot, int screen) {
    if (hot == HotProfilePicture && screen == ScreenMainMenu) {   // 21
        g_clickLatch = 0;
        g_screenState = ScreenProfiles;
        return 21;
    }
    if (hot == HotBack && screen == ScreenProfiles) {   // 22: the child playing plays on
        g_clickLatch = 0;
        g_screenState = ScreenMainMenu;
        return 22;
    }
    if (hot != HotProfileTile || screen != ScreenProfiles) return 0;
    const int tile = ChooserHotTile();
    std::string message;
    if (tile == ChooserAddTile()) {   // 23: a new tile to tap appears
        AddProfile(message);
    } else if (tile >= 0 && tile < static_cast<int>(g_profiles.profiles.size())) {   // 23
        message = SelectProfile(g_profiles.profiles[static_cast<size_t>(tile)].id);
        g_screenState = ScreenMainMenu;
    }
    g_clickLatch = 0;
    if (!message.empty()) throw GameFileError(message);
    return 23;
}

bool LeaveBoxScreen() {
    const int screen = g_screenState;
    if (screen != ScreenBox1 && screen != ScreenBox2) return false;
    stopstars();
    stopstars_2();
    g_screenState = ScreenMainMenu;
    PeremotkaMusic();
    // Both files are tried: a position that cannot be written must not cost the board, and
    // each failure is told once, together.
    // A picture the child has finished counts even when they leave without the "go on" click.
    std::string problems = MarkProgress();
    const bool box2 = screen == ScreenBox2;
    for (void (*save)() : {box2 ? savecurrlevel2 : savecurrlevel, box2 ? SaveK2 : SaveK1}) {
        try {
            save();
        } catch (const GameFileError& e) {
            problems += (problems.empty() ? "" : "\n") + std::string(e.what());
        }
    }
    if (!problems.empty()) throw GameFileError(problems);
    return true;
}

bool RunSoundButtonClick() {
    if (g_hotButton != HotSound || g_screenState != ScreenMainMenu) return false;
    CycleSoundSwitches();
    return true;
}
