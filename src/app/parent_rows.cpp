// The parent corner's rows and what they do.
#include "app/parent_rows.h"

#include <string>
#include <vector>

#include "core/child_settings.h"
#include "core/game_error.h"
#include "core/i18n.h"
#include "core/my_levels.h"
#include "core/new_game_aside.h"
#include "core/options.h"
#include "core/parent_state.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "core/system_settings.h"
#include "sound/sound_switches.h"

namespace {

// The hint delays a parent chooses from, in seconds (0: no hint).
constexpr int kHintSteps[] = {0, 10, 20, 30, 60, 120};
constexpr int kHintStepCount = sizeof kHintSteps / sizeof kHintSteps[0];

int32_t Clamp(int32_t v, int32_t levels) { return v < 0 ? 0 : (v > levels ? levels : v); }

void Store() {
    ApplySoundSwitches();
    ApplyKioskSetting();
    StoreSettings();
}

void Check(const std::string& problem) {
    if (!problem.empty()) throw GameFileError(problem);
}

// While a child plays, the overview and the hint delay are that child's (child.ini); the
// settings file keeps the computer's value for the game before profiles.
bool ChildPlays() { return ProfilesActive() && CurrentProfile() != nullptr; }

void SetAllLevelsOpen(bool open) {
    if (!ChildPlays()) {
        g_settings.allLevelsOpen = open;
        return;
    }
    g_childSettings.allLevelsOpen = open ? 1 : 0;
    Check(StoreChildSettings());
}

void SetHintAfterSeconds(int seconds) {
    if (!ChildPlays()) {
        g_settings.hintAfterSeconds = seconds;
        return;
    }
    g_childSettings.hintAfterSeconds = seconds;
    Check(StoreChildSettings());
}

int32_t HintStep() {
    int best = 0;
    for (int i = 0; i < kHintStepCount; ++i)
        if (kHintSteps[i] <= HintAfterSecondsNow()) best = i;
    return best;
}

const char* HintText() {
    static std::string text;
    const int seconds = HintAfterSecondsNow();
    if (seconds == 0) {
        // TRANSLATORS: the hint delay in the parent corner when no hint is given.
        text = Tr("никогда");
    } else {
        // TRANSLATORS: the hint delay in the parent corner; {seconds} is a number of seconds.
        text = TrFormat("{seconds} с", {{"seconds", std::to_string(seconds)}});
    }
    return text.c_str();
}

void AddChild(int) {
    std::string message;
    if (AddProfile(message) == 0) Check(message);
}

// The first press only asks; the second moves the child's folder aside (never deleted).
void RemoveChild(int) {
    if (!g_removeProfileAsked) {
        g_removeProfileAsked = 1;
        return;
    }
    g_removeProfileAsked = 0;
    std::string message;
    RemoveProfile(CurrentProfile()->id, message);
    g_parentCorner = 1;   // choosing the next child reset the screens; the parent stays here
    Check(message);
}

bool CanAddChild() { return ProfilesActive() && int(g_profiles.profiles.size()) < MaxProfiles; }
bool CanRemoveChild() { return ChildPlays() && g_profiles.profiles.size() > 1; }

const char* RemoveText() {
    static std::string text;
    // TRANSLATORS: shown beside "remove this child" after its first press.
    text = g_removeProfileAsked ? Tr("ещё раз — убрать") : "";
    return text.c_str();
}

// The own puzzles of both boxes as the folders hold them now, and the one the parent chose.
struct PuzzleChoice {
    int box = 0;
    std::string name;
};

// Read from the folders once a frame the corner is drawn and before a row runs, not by every
// row that asks.
std::vector<PuzzleChoice> g_puzzles;

void ReadPuzzles() {
    g_puzzles.clear();
    int more = 0;
    for (int box = 1; box <= 2; ++box)
        for (const std::string& name : FindMyLevelFiles(box, more)) g_puzzles.push_back(PuzzleChoice{box, name});
}

const std::vector<PuzzleChoice>& Puzzles() { return g_puzzles; }

int g_puzzleChoice = 0;

int32_t ChosenPuzzleIndex(const std::vector<PuzzleChoice>& all) {
    if (all.empty()) return 0;
    return Clamp(g_puzzleChoice, static_cast<int32_t>(all.size()) - 1);
}

void ChoosePuzzle(int step) {
    const std::vector<PuzzleChoice>& all = Puzzles();
    if (all.empty()) return;
    const int count = static_cast<int>(all.size());
    g_puzzleChoice = (ChosenPuzzleIndex(all) + step + count) % count;
}

const char* ChosenPuzzleText() {
    static std::string text;
    const std::vector<PuzzleChoice>& all = Puzzles();
    if (all.empty()) {
        // TRANSLATORS: the parent corner's puzzle row when no child has kept a puzzle.
        text = Tr("нет");
    } else {
        const PuzzleChoice& chosen = all[static_cast<size_t>(ChosenPuzzleIndex(all))];
        // TRANSLATORS: the puzzle chosen in the parent corner: its box and its file's name.
        text = TrFormat("коробка {box}: {name}", {{"box", std::to_string(chosen.box)}, {"name", chosen.name}});
    }
    return text.c_str();
}

// The first press only asks; the second moves the file aside (never deleted).
void RemovePuzzle(int) {
    if (!g_removePuzzleAsked) {
        g_removePuzzleAsked = 1;
        return;
    }
    g_removePuzzleAsked = 0;
    const std::vector<PuzzleChoice>& all = Puzzles();
    if (all.empty()) return;
    const PuzzleChoice& chosen = all[static_cast<size_t>(ChosenPuzzleIndex(all))];
    Check(PutMyLevelAside(chosen.box, chosen.name));
}

bool HasPuzzles() { return !Puzzles().empty(); }

const char* RemovePuzzleText() {
    static std::string text;
    text = g_removePuzzleAsked ? Tr("ещё раз — убрать") : "";
    return text.c_str();
}

const ParentRow kRows[] = {
    {Mark("Начать коробку 1 заново"), nullptr, 0, nullptr, [](int) { Check(PutBoxProgressAside(1)); },
     [] { return BoxHasProgress(1); }, nullptr},
    {Mark("Начать коробку 2 заново"), nullptr, 0, nullptr, [](int) { Check(PutBoxProgressAside(2)); },
     [] { return BoxHasProgress(2); }, nullptr},
    {Mark("Вернуть прежнюю игру коробки 1"), nullptr, 0, nullptr, [](int) { Check(UndoNewGame(1)); },
     [] { return CanUndoNewGame(1); }, nullptr},
    {Mark("Вернуть прежнюю игру коробки 2"), nullptr, 0, nullptr, [](int) { Check(UndoNewGame(2)); },
     [] { return CanUndoNewGame(2); }, nullptr},
    {Mark("Все уровни открыты"), "all_levels_open", 1, [] { return int32_t(AllLevelsOpenNow()); },
     [](int) { SetAllLevelsOpen(!AllLevelsOpenNow()); }, nullptr, nullptr},
    {Mark("Подсказка, если ребёнок не играет"), "hint_after_seconds", kHintStepCount - 1, HintStep,
     [](int step) { SetHintAfterSeconds(kHintSteps[Clamp(HintStep() + step, kHintStepCount - 1)]); }, nullptr,
     HintText},
    {Mark("Громкость музыки"), "music_volume", kVolumeLevels, [] { return int32_t(g_settings.musicVolume); },
     [](int step) { g_settings.musicVolume = Clamp(g_settings.musicVolume + step, kVolumeLevels); }, nullptr, nullptr},
    {Mark("Громкость звуков"), "effects_volume", kVolumeLevels, [] { return int32_t(g_settings.effectsVolume); },
     [](int step) { g_settings.effectsVolume = Clamp(g_settings.effectsVolume + step, kVolumeLevels); }, nullptr,
     nullptr},
    {Mark("Киоск: выход только через родителей"), "kiosk", 1, [] { return int32_t(g_settings.kiosk); },
     [](int) { g_settings.kiosk = !g_settings.kiosk; }, nullptr, nullptr},
    {Mark("Добавить ребёнка"), nullptr, 0, nullptr, AddChild, CanAddChild, nullptr},
    {Mark("Убрать этого ребёнка"), nullptr, 0, nullptr, RemoveChild, CanRemoveChild, RemoveText},
    {Mark("Своя картинка"), nullptr, 2, [] { return int32_t(1); }, ChoosePuzzle, HasPuzzles, ChosenPuzzleText},
    {Mark("Убрать эту картинку"), nullptr, 0, nullptr, RemovePuzzle, HasPuzzles, RemovePuzzleText},
    {Mark("Вернуться в игру"), nullptr, 0, nullptr, [](int) { g_parentCorner = 0; }, nullptr, nullptr},
};
constexpr int kRowCount = sizeof kRows / sizeof kRows[0];

bool Runnable(const ParentRow& row) {
    if (row.settingKey && !SettingChangeable(row.settingKey)) return false;
    return !row.available || row.available();
}

}  // namespace

const ParentRow* ParentRows() { return kRows; }
int ParentRowCount() { return kRowCount; }

ParentCornerView BuildParentCornerView(int32_t focus) {
    ParentCornerView view;
    view.focus = focus;
    ReadPuzzles();
    for (const ParentRow& row : kRows) {
        ParentRowView v;
        v.label = Tr(row.label);
        v.levels = row.levels;
        v.value = row.value ? row.value() : 0;
        if (row.valueText) v.valueText = row.valueText();
        v.enabled = Runnable(row);
        view.rows.push_back(v);
    }
    return view;
}

void RunParentRow(int index, int step) {
    ReadPuzzles();
    if (index < 0 || index >= kRowCount || !Runnable(kRows[index])) return;
    const ParentRow& row = kRows[index];
    // Each question is for the next press only.
    if (row.change != RemoveChild) g_removeProfileAsked = 0;
    if (row.change != RemovePuzzle) g_removePuzzleAsked = 0;
    row.change(step);
    if (row.settingKey) Store();
}

void ApplyKioskSetting() { g_kiosk = g_settings.kiosk || g_options.kiosk; }
