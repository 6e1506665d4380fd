// Process start: options, the window as the settings dialog, then the idle loop until the
// window is closed.
#include <exception>
#include <string>
#include <vector>

#include "core/error_log.h"
#include "app/form.h"
#include "app/frame_loop.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/i18n.h"
#include "core/options.h"
#include "core/player_message.h"
#include "core/profiles.h"
#include "core/paths.h"
#include "core/settings.h"
#include "core/user_lock.h"
#include "app/parent_rows.h"
#include "app/script.h"
#include "app/settings_dialog.h"
#include "app/user_files.h"
#include "platform/clock.h"
#include "platform/memory.h"

namespace {

constexpr int kDialogWaitMs = 15;      // the dialog redraws on events, not continuously
constexpr int kSuspendedWaitMs = 10;   // no frames while suspended or lost: let the machine rest

// An error of a game file ends only the pass it happened in.
void ShowPassError(const std::string& text) {
    AbortFrame();
    if (Form1) Form1->ShowMessage(text, GameName());
}

int RunGame(ScriptDriver& script, const std::vector<std::string>& startMessages) {
    std::string error;
    plat::WindowOptions windowOptions;
    windowOptions.headless = g_options.headless;
    windowOptions.windowed = g_options.windowed;
    windowOptions.relativeMouse = g_options.relativeMouse;
    if (!Form1->window.Create(windowOptions, 418, 179, Tr("Стройлик (Настройка)"), error)) {
        // Nothing can be drawn: the player is told why, and "Debug.txt" keeps it.
        plat::ShowMessage(error, GameName(), g_options.headless);
        try {
            WriteErrorLog(static_cast<int32_t>(0x88760028u), error);   // "Support is currently not available."
        } catch (const FatalErrorExit&) {
        } catch (const std::exception& e) {
            TellPlayer(e.what());
        }
        return 1;
    }
    try {
        Form1->FormCreate();
    } catch (const std::exception& e) {
        // Without the picture list nothing can be drawn: say which file and stop.
        Form1->ShowMessage(TrFormat("{reason}\nБез этого файла игра не может начаться.", {{"reason", e.what()}}),
                           GameName());
        return 1;
    }
    for (const std::string& message : startMessages)
        if (!message.empty()) Form1->ShowMessage(message, GameName());
    Form1->window.SetDialogEventSink([](const plat::Window::DialogEvent& e) { HandleDialogEvent(*Form1, e); });
    Form1->window.SetVsync(g_options.vsync);
    Form1->ComboBox1.itemIndex = PreselectedResolution(g_options);
    Form1->FormShow();
    if (g_options.start) {
        try {
            Form1->Button1Click();
        } catch (const GameFileError& e) {
            ShowPassError(e.what());
        }
    }

    const plat::WindowHandlers handlers = Form1->Handlers();
    while (!Form1->closing()) {
        bool done = true;
        try {
            Form1->window.PumpEvents(handlers);
            if (Form1->closing()) break;
            if (script.active() && !script.BeforePass(*Form1)) break;
            plat::AdvanceFixedStep();
            if (!g_gameStarted) DrawSettingsDialog(*Form1);
            Form1->ApplicationEvents1Idle(done);
        } catch (const GameFileError& e) {
            ShowPassError(e.what());
            done = false;
        } catch (const std::exception& e) {
            ShowPassError(e.what());
            done = false;
        }
        if (!g_gameStarted) Form1->window.WaitEvents(kDialogWaitMs);
        else if (done || Form1->FRunning == 0) Form1->window.WaitEvents(kSuspendedWaitMs);
    }
    if (script.failed()) {
        TellPlayer(script.message());
        return script.exitCode();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    plat::KeepLargeBlocksReturnable();
    SetUpPlayerMessages();
    std::string error;
    bool parsed = ParseOptions(argc, argv, g_options, error);
    // The folders, settings and language come first, so even an option's error speaks the
    // player's language. Reading only: nothing is written before the user folder is locked.
    std::string folderError, settingsMessage, languageMessage;
    const bool folders = SetUpFolders(g_options, folderError);
    if (folders) {
        LoadPlayerSettings(settingsMessage);
        ChooseStartLanguage(g_options, languageMessage);
        // Again, for the settings file's message in the language just chosen.
        if (!settingsMessage.empty()) LoadPlayerSettings(settingsMessage);
        SetUpPlayerMessages();
    }
    if (!parsed) {
        ParseOptions(argc, argv, g_options, error);   // again, for the error in that language
        // One line says what is wrong; the whole usage would bury it.
        TellPlayer(error);
        TellPlayer(Tr("Все параметры: stroylik --help."));
        return 2;
    }
    if (g_options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (!folders) {
        TellPlayer(folderError);
        if (!g_options.headless)
            plat::ShowMessage(TrFormat("Игра не может начаться: {reason}", {{"reason", folderError}}), GameName(), false);
        return 1;
    }
    // Before anything is written: a second game on these saves stops here.
    if (!LockUserFolder(UserDir(), error)) {
        TellPlayer(error);
        if (!g_options.headless) plat::ShowMessage(error, GameName(), false);
        return 1;
    }
    ApplyKioskSetting();
    // The old progress becomes the first child's, and --profile chooses who plays.
    const std::string profileMessage = StartProfiles(g_options.profile);
    if (!profileMessage.empty()) settingsMessage += (settingsMessage.empty() ? "" : "\n\n") + profileMessage;
    plat::SetFixedStep(g_options.fixedStepMs);
    ScriptDriver script;
    if (!g_options.script.empty() && !script.Load(g_options.script, error)) {
        TellPlayer(error);
        return 2;
    }

    Form1 = new TForm1;
    int code = 0;
    try {
        code = RunGame(script, {languageMessage, settingsMessage});
        if (!Form1->destroyed()) {
            Form1->Close();
            Form1->FormDestroy();
        }
    } catch (const FatalErrorExit& fatal) {
        // The window is already destroyed; "Debug.txt" holds the line.
        TellPlayer(TrFormat("игра остановлена из-за ошибки: {line}", {{"line", fatal.line}}));
        code = 1;
    }
    delete Form1;
    Form1 = nullptr;
    return code;
}
