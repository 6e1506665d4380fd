// The child's own settings file: parsing with range checks, and its text.
#include "core/child_settings.h"

#include <sstream>

#include "core/i18n.h"
#include "core/profile_list.h"
#include "core/settings.h"
#include "core/system_settings.h"

ChildSettings g_childSettings;

namespace {

constexpr int kMaxHintSeconds = 3600;

std::string Trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
    return s.substr(a, b - a);
}

bool ParseSeconds(const std::string& v, int& out) {
    if (v.empty() || v.size() > 4) return false;
    int value = 0;
    for (char c : v) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > kMaxHintSeconds) return false;
    out = value;
    return true;
}

}  // namespace

bool ParseChildSettings(const std::string& text, ChildSettings& out, std::string& error) {
    ChildSettings s;
    error.clear();
    if (text.size() > MaxProfileListBytes) {
        error = TrFormat("файл больше {bytes} байт", {{"bytes", std::to_string(MaxProfileListBytes)}});
        out = s;
        return false;
    }
    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        const std::string key = eq == std::string::npos ? line : Trim(line.substr(0, eq));
        const std::string value = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
        bool good = eq != std::string::npos;
        if (good && key == "hint_after_seconds") good = ParseSeconds(value, s.hintAfterSeconds);
        else if (good && key == "all_levels_open") {
            good = value == "yes" || value == "no";
            if (good) s.allLevelsOpen = value == "yes" ? 1 : 0;
        }
        if (!good && error.empty())
            error = TrFormat("строка {line}: у «{key}» негодное значение", {{"line", std::to_string(number)}, {"key", key}});
    }
    out = s;
    return error.empty();
}

std::string FormatChildSettings(const ChildSettings& s) {
    std::string text = "# This child's own settings.\n"
                       "# hint_after_seconds = 0..3600: seconds without input before the game shows what to do\n"
                       "#   (0 never; left out, the settings file's value counts)\n"
                       "# all_levels_open = yes | no: every level of the overview can be chosen (left out, the\n"
                       "#   settings file's value counts)\n";
    if (s.hintAfterSeconds >= 0) text += "hint_after_seconds = " + std::to_string(s.hintAfterSeconds) + "\n";
    if (s.allLevelsOpen >= 0) text += std::string("all_levels_open = ") + (s.allLevelsOpen ? "yes" : "no") + "\n";
    return text;
}

int HintAfterSecondsNow() {
    if (g_childSettings.hintAfterSeconds < 0 || !SettingChangeable("hint_after_seconds")) return g_settings.hintAfterSeconds;
    return g_childSettings.hintAfterSeconds;
}

bool AllLevelsOpenNow() {
    if (g_childSettings.allLevelsOpen < 0 || !SettingChangeable("all_levels_open")) return g_settings.allLevelsOpen;
    return g_childSettings.allLevelsOpen == 1;
}
