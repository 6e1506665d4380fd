// The parent's gate and corner through the real input path: only the right sequence opens
// the gate, the rows change the settings file at once, kiosk mode keeps random input from
// quitting, and a school's system-wide file gives defaults and locks keys.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "app/form.h"
#include "app/parent_input.h"
#include "app/parent_rows.h"
#include "core/paths.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "core/system_settings.h"
#include "game_runner.h"
#include "render/graphics.h"
#include "menus/level_overview.h"
#include "parent_test_util.h"
#include "platform/input.h"
#include "progress_test_util.h"

namespace {

using namespace parenttest;
using progresstest::ReadAll;
using progresstest::WriteAll;

bool HasLine(const std::string& file, const std::string& line) {
    return ReadAll(file).find("\n" + line + "\n") != std::string::npos;
}

void HoldKey(GameDriver& game, uint8_t code, int frames) {
    game.Key(code, true);
    game.Frames(frames);
    game.Key(code, false);
    game.Frame();
}

}  // namespace

// A hold too short, a wrong digit, a click beside the keypad and Escape all leave the corner
// shut; the full hold and the three digits open it, by mouse and by keys alike.
TEST(ParentGate, OnlyTheWholeHoldAndTheShownDigitsInOrderOpenTheCorner) {
    GameDriver game;
    game.MoveTo(ParentButtonX, ParentButtonY);
    game.Click();
    ASSERT_TRUE(GateOpen());
    game.MoveTo(HoldX, HoldY);
    game.Press();
    game.Frames(HoldFrames - 30);   // half a second short
    game.Release();
    EXPECT_EQ(g_parentGate.stage, GateHold);
    EXPECT_EQ(g_parentGate.heldPercent, 0) << "letting go starts the hold again";

    game.Press();
    game.Frames(HoldFrames);
    game.Release();
    ASSERT_EQ(g_parentGate.stage, GateDigits);
    const ParentGate shown = g_parentGate;
    PressKey(game, shown.digits[0]);
    PressKey(game, (shown.digits[1] + 1) % 10);   // wrong
    EXPECT_FALSE(GateOpen());
    EXPECT_EQ(g_parentCorner, 0);
    EXPECT_EQ(g_screenState, ScreenMainMenu);

    game.MoveTo(ParentButtonX, ParentButtonY);
    game.Click();
    game.MoveTo(100, 900);   // beside the hold button
    game.Click();
    EXPECT_FALSE(GateOpen());

    // Keys only: P opens and holds, Escape shuts, the number keys answer.
    HoldKey(game, plat::DIK::P, 20);
    ASSERT_TRUE(GateOpen());
    HoldKey(game, plat::DIK::ESCAPE, 1);
    EXPECT_FALSE(GateOpen());
    HoldKey(game, plat::DIK::P, HoldFrames);
    ASSERT_EQ(g_parentGate.stage, GateDigits);
    const uint8_t keys[10] = {plat::DIK::K0, plat::DIK::K1, plat::DIK::K2, plat::DIK::K3, plat::DIK::K4,
                              plat::DIK::K5, plat::DIK::K6, plat::DIK::K7, plat::DIK::K8, plat::DIK::K9};
    const ParentGate asked = g_parentGate;
    for (int d : asked.digits) HoldKey(game, keys[d], 1);
    EXPECT_EQ(g_parentCorner, 1);
    HoldKey(game, plat::DIK::ESCAPE, 1);
    EXPECT_EQ(g_parentCorner, 0);

    ASSERT_NO_FATAL_FAILURE(OpenCorner(game));
    game.MoveTo(1250, 20);   // the corner button leaves it
    game.Click();
    EXPECT_EQ(g_parentCorner, 0);
}

// Every change is in the settings file when the click or key returns, and acts: the overview
// opens every level, the volume levels go to the mixer, a new game can be undone from here.
TEST(ParentCorner, RowsWriteTheSettingsAtOnceAndAct) {
    GameDriver game;
    const std::string settings = game.dir() + "/settings.ini";
    ASSERT_NO_FATAL_FAILURE(OpenCorner(game));
    ClickRow(game, "Все уровни открыты");
    EXPECT_TRUE(HasLine(settings, "all_levels_open = yes"));
    ClickRow(game, "Громкость музыки", true);
    ClickRow(game, "Громкость музыки", true);
    EXPECT_TRUE(HasLine(settings, "music_volume = 2"));
    ClickRow(game, "Подсказка, если ребёнок не играет");
    EXPECT_TRUE(HasLine(settings, "hint_after_seconds = 60"));
    ClickRow(game, "Киоск: выход только через родителей");
    EXPECT_TRUE(HasLine(settings, "kiosk = yes"));
    EXPECT_TRUE(g_kiosk);
    // Keys: down to the effects row, lower it once.
    const int effects = RowIndex("Громкость звуков");
    while (ParentCornerFocus() != effects) HoldKey(game, plat::DIK::DOWN, 1);
    HoldKey(game, plat::DIK::LEFT, 1);
    EXPECT_TRUE(HasLine(settings, "effects_volume = 3"));
    ClickRow(game, "Вернуться в игру");
    ASSERT_EQ(g_parentCorner, 0);

    game.MoveTo(progresstest::Box1X, progresstest::Box1Y);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(OverviewTileState(5), TileOpen) << "nothing solved, every level open";
}

// With children's profiles the overview and hint rows are the child's own (child.ini, not
// settings.ini); a child is added from the corner, and removed only by a second press, its
// folder moved aside, the next child playing on with its own (closed) overview.
TEST(ParentCorner, ChildRowsAddAChildAndRemoveTheCurrentOneOnTheSecondPress) {
    GameDriver game;
    struct UserFolder {   // the driver plays in its own folder; profiles need it as the user folder
        explicit UserFolder(const std::string& dir) { SetUserDir(dir); }
        ~UserFolder() { SetUserDir(""); }
    } folder(game.dir());
    ASSERT_EQ(StartProfiles(0), "");
    ASSERT_NO_FATAL_FAILURE(OpenCorner(game));
    ClickRow(game, "Добавить ребёнка");
    ASSERT_EQ(g_profiles.profiles.size(), 2u);
    EXPECT_NE(g_profiles.profiles[1].picture, g_profiles.profiles[0].picture) << "the first free picture";
    EXPECT_TRUE(std::filesystem::is_directory(game.dir() + "/profiles/2"));
    ClickRow(game, "Все уровни открыты");
    ClickRow(game, "Подсказка, если ребёнок не играет");
    const std::string child = game.dir() + "/profiles/1/child.ini";
    EXPECT_TRUE(HasLine(child, "all_levels_open = yes"));
    EXPECT_TRUE(HasLine(child, "hint_after_seconds = 60"));
    EXPECT_FALSE(HasLine(game.dir() + "/settings.ini", "all_levels_open = yes")) << "the computer's value stays";
    ClickRow(game, "Вернуться в игру");
    game.MoveTo(progresstest::Box1X, progresstest::Box1Y);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(OverviewTileState(5), TileOpen) << "child 1: every level open";
    game.MoveTo(1250, 20);
    game.Click();

    ASSERT_NO_FATAL_FAILURE(OpenCorner(game));
    ClickRow(game, "Убрать этого ребёнка");
    EXPECT_EQ(g_profiles.profiles.size(), 2u) << "the first press only asks";
    EXPECT_TRUE(std::filesystem::exists(child));
    ClickRow(game, "Убрать этого ребёнка");
    ASSERT_EQ(g_profiles.profiles.size(), 1u);
    EXPECT_EQ(CurrentProfile()->id, 2);
    EXPECT_EQ(g_parentCorner, 1) << "the parent stays in the corner";
    EXPECT_FALSE(std::filesystem::exists(child));
    bool kept = false;
    for (const auto& e : std::filesystem::directory_iterator(game.dir() + "/removed-profiles"))
        kept = kept || std::filesystem::exists(e.path() / "child.ini");
    EXPECT_TRUE(kept) << "moved aside, not deleted";
    EXPECT_FALSE(BuildParentCornerView(0).rows[RowIndex("Убрать этого ребёнка")].enabled) << "the last child stays";
    ClickRow(game, "Вернуться в игру");
    game.MoveTo(progresstest::Box1X, progresstest::Box1Y);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(OverviewTileState(5), TileLocked) << "child 2 has its own overview";
}

// Kiosk mode: ten thousand random clicks, taps and keys on the main menu (and a back click
// from wherever they lead) neither end the game nor open the corner. The sanitizer build, some
// twenty times slower a frame, walks the first thousand of the same sequence.
#ifdef STROYLIK_SANITIZED_BUILD
constexpr int kRandomInputs = 1000;
#else
constexpr int kRandomInputs = 10000;
#endif
TEST(ParentCorner, TenThousandRandomInputsInKioskModeNeitherQuitNorOpenTheCorner) {
    GameDriver game;
    g_settings.kiosk = true;
    ApplyKioskSetting();
    ASSERT_TRUE(g_kiosk);
    std::mt19937 random(2112);
    const uint8_t keys[] = {plat::DIK::ESCAPE, plat::DIK::P, plat::DIK::K1, plat::DIK::K5, plat::DIK::K0,
                            plat::DIK::RETURN, plat::DIK::SPACE, plat::DIK::TAB, plat::DIK::UP, plat::DIK::DOWN,
                            plat::DIK::LEFT, plat::DIK::RIGHT, plat::DIK::Q, plat::DIK::LALT, plat::DIK::A};
    plat::InputSource& input = plat::InputSource::Get();
    int gatesOpened = 0;
    for (int i = 0; i < kRandomInputs; ++i) {
        switch (random() % 3) {
            case 0:   // a click where the mouse went
                input.AddMotion((int(random() % 1280) - g_cursorX) / 2, (int(random() % 1024) - g_cursorY) / 2);
                input.SetButton(0, random() % 2 == 0);
                break;
            case 1:   // a tap where the finger landed (picture pixels)
                input.SetPointer(random() % 800, random() % 600);
                input.SetButton(0, random() % 2 == 0);
                break;
            default:
                input.SetKey(keys[random() % (sizeof keys)], random() % 2 == 0);
                break;
        }
        game.Frame();
        if (GateOpen()) ++gatesOpened;
        ASSERT_FALSE(Form1->closing()) << "input " << i;
        ASSERT_EQ(g_parentCorner, 0) << "input " << i;
        if (g_screenState != ScreenMainMenu && i % 50 == 0) {
            input.SetButton(0, false);
            input.SetPointer(1250 * g_scaleX, 20 * g_scaleY);   // the back button
            game.Frame();
            game.Click();
        }
    }
    EXPECT_GT(gatesOpened, 0) << "the random input reached the gate, and it held";
}

// A school's file: its values are the defaults under the player's file, the locked ones win
// over it and cannot be changed in the corner, and the player's file keeps only choices.
TEST(SystemSettings, DefaultsUnderThePlayersFileAndLockedKeysHeld) {
    GameDriver game;
    const std::string school = game.dir() + "/xdg/stroylik/settings.ini";
    std::filesystem::create_directories(game.dir() + "/xdg/stroylik");
    WriteAll(school, "kiosk = yes\nmusic_volume = 1\nhint_after_seconds = 20\nfullscreen = no\n"
                     "locked = kiosk, volume\n");
    const std::string mine = game.dir() + "/settings.ini";
    WriteAll(mine, "kiosk = no\nmusic_volume = 4\nhint_after_seconds = 60\nlocked = \n");
    setenv("XDG_CONFIG_DIRS", (game.dir() + "/xdg:/nowhere").c_str(), 1);
    ASSERT_EQ(FindSystemSettingsFile(), school);
    unsetenv("XDG_CONFIG_DIRS");
    std::string message;
    LoadLayeredSettings(school, mine, g_settings, message);
    ApplyKioskSetting();
    EXPECT_EQ(message, "");
    EXPECT_TRUE(g_settings.kiosk) << "locked";
    EXPECT_EQ(g_settings.musicVolume, 1) << "locked as a volume";
    EXPECT_EQ(g_settings.hintAfterSeconds, 60) << "the player's choice";
    EXPECT_FALSE(g_settings.fullscreen) << "the school's default";

    ASSERT_NO_FATAL_FAILURE(OpenCorner(game));
    ClickRow(game, "Киоск: выход только через родителей");
    ClickRow(game, "Громкость музыки");
    ClickRow(game, "Все уровни открыты");
    EXPECT_TRUE(g_settings.kiosk);
    EXPECT_EQ(g_settings.musicVolume, 1);
    EXPECT_TRUE(HasLine(mine, "all_levels_open = yes"));
    EXPECT_EQ(ReadAll(mine).find("\nkiosk ="), std::string::npos);
    EXPECT_EQ(ReadAll(mine).find("\nfullscreen ="), std::string::npos) << "the school's default is not copied";
    EXPECT_EQ(ReadAll(mine).find("\nlocked ="), std::string::npos);

    // A damaged school file: one message naming it, the game goes on with the player's file.
    WriteAll(school, "kiosk = perhaps\nlocked = colour\n");
    LoadLayeredSettings(school, mine, g_settings, message);
    EXPECT_NE(message.find(school), std::string::npos) << message;
    EXPECT_EQ(message.find(school, message.find(school) + 1), std::string::npos) << "one message";
    EXPECT_TRUE(g_settings.allLevelsOpen);
    EXPECT_FALSE(g_settings.kiosk);
}

// The real program: --kiosk for the run, and a school file found through $XDG_CONFIG_DIRS.
TEST(SystemSettings, TheProgramReadsTheSchoolFileAndKioskOption) {
    GameRunner runner;
    std::filesystem::create_directories(runner.Path("etc/stroylik"));
    WriteAll(runner.Path("etc/stroylik/settings.ini"), "all_levels_open = yes\nlocked = all_levels_open\n");
    const GameRun run = runner.Run("frames 2\nexpect kiosk 1\nexpect settings.allLevelsOpen 1\n", {"--kiosk"},
                                   "XDG_CONFIG_DIRS=" + runner.Path("etc"));
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    const GameRun plain = runner.Run("frames 2\nexpect kiosk 0\nexpect settings.allLevelsOpen 0\n");
    EXPECT_EQ(plain.exitCode, 0) << plain.stdErr;
}
