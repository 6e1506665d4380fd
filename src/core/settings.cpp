// The settings file: reading with per-key fallbacks, writing through a temporary file.
#include "core/settings.h"
#include "core/i18n.h"
#include "core/unique_temp.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

Settings g_settings;

namespace {

std::string& PathOverride() {
    static std::string path;
    return path;
}

// Far more than any real settings file; a huge file is someone else's data, not ours.
constexpr std::uintmax_t kMaxFileBytes = 64 * 1024;
constexpr int kMinWindowSide = 320;
constexpr int kMaxWindowSide = 16384;
constexpr int kMaxHintSeconds = 3600;

const char* const kResolutions[] = {"800x600", "1024x768", "1280x1024"};

const char* const kHeader =
    "# Stroylik settings. The game writes this file; you may edit it while the game is closed.\n"
    "# Lines are \"key = value\" (in small or capital letters); lines starting with # are comments;\n"
    "# unknown keys are ignored.\n"
    "# A value the game cannot read falls back to its default.\n"
    "#\n"
    "# resolution = 800x600 | 1024x768 | 1280x1024   picture size chosen in the start dialog\n"
    "#                                               (absent: the dialog asks)\n"
    "# fullscreen = yes | no                         full screen or a window\n"
    "# window     = WIDTHxHEIGHT                     window size when not full screen\n"
    "#                                               (0x0: the game's default)\n"
    "# music      = on | off                         background music\n"
    "# effects    = on | off                         sound effects\n"
    "# music_volume   = 0 .. 4                       music volume under the switch (0 silent)\n"
    "# effects_volume = 0 .. 4                       effects volume under the switch\n"
    "# hint_after_seconds = 0 .. 3600                idle seconds before the game shows what\n"
    "#                                               to do (0: never)\n"
    "# all_levels_open = yes | no                    every level of the overview can be chosen\n"
    "# kiosk      = yes | no                         the quit button needs the parent's gate\n"
    "# locked     = KEY, KEY, ...                    (system-wide file only) keys the game keeps\n"
    "#                                               at that file's values\n"
    "# language   = ru | en | uk ...                 language of the game's texts\n"
    "#                                               (absent: the system's language)\n";

std::string Trim(const std::string& s) {
    const char* space = " \t\r\n";
    const size_t first = s.find_first_not_of(space);
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

// Latin letters only: the Cyrillic "х" of a size keeps its bytes.
std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// "1024x768", also with the Cyrillic letter the dialog shows.
bool ParseSize(std::string text, int& w, int& h) {
    const std::string cyrillicX = "х";
    for (size_t p; (p = text.find(cyrillicX)) != std::string::npos;) text.replace(p, cyrillicX.size(), "x");
    const size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= text.size() || x > 6 || text.size() - x - 1 > 6) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != x && (text[i] < '0' || text[i] > '9')) return false;
    w = std::atoi(text.substr(0, x).c_str());
    h = std::atoi(text.substr(x + 1).c_str());
    return true;
}

// A decimal 0..max without sign or spaces.
bool ParseNumber(const std::string& v, int max, int& out) {
    if (v.empty() || v.size() > 5 || v.find_first_not_of("0123456789") != std::string::npos) return false;
    const int n = std::atoi(v.c_str());
    if (n > max) return false;
    out = n;
    return true;
}

// The keys "locked" may name: this file's own, and the language another module keeps.
bool LockableKey(const std::string& key) {
    Settings ignored;
    return key == "language" || key == "volume" || CopySettingsKey(key, ignored, ignored);
}

// "kiosk, volume" into its names; false when one names no key.
bool ParseLocked(const std::string& v, std::vector<std::string>& out) {
    std::vector<std::string> names;
    std::string name;
    std::istringstream in(v);
    while (std::getline(in, name, ',')) {
        name = Trim(name);
        if (name.empty()) continue;
        if (!LockableKey(name)) return false;
        names.push_back(name);
    }
    out = names;
    return true;
}

bool ParseSwitch(const std::string& v, const char* yes, const char* no, bool& out) {
    if (v == yes) out = true;
    else if (v == no) out = false;
    else return false;
    return true;
}

// Applies one "key = value" pair; false when the value is not one the key allows.
bool ApplyKey(const std::string& key, const std::string& value, Settings& s) {
    if (key == "resolution") {
        int w = 0, h = 0;
        if (!ParseSize(value, w, h)) return false;
        const std::string canonical = std::to_string(w) + "x" + std::to_string(h);
        for (int i = 0; i < 3; ++i)
            if (canonical == kResolutions[i]) {
                s.resolutionIndex = i;
                return true;
            }
        return false;
    }
    if (key == "fullscreen") return ParseSwitch(value, "yes", "no", s.fullscreen);
    if (key == "music") return ParseSwitch(value, "on", "off", s.music);
    if (key == "effects") return ParseSwitch(value, "on", "off", s.effects);
    if (key == "music_volume") return ParseNumber(value, kVolumeLevels, s.musicVolume);
    if (key == "effects_volume") return ParseNumber(value, kVolumeLevels, s.effectsVolume);
    if (key == "hint_after_seconds") return ParseNumber(value, kMaxHintSeconds, s.hintAfterSeconds);
    if (key == "all_levels_open") return ParseSwitch(value, "yes", "no", s.allLevelsOpen);
    if (key == "kiosk") return ParseSwitch(value, "yes", "no", s.kiosk);
    if (key == "locked") return ParseLocked(value, s.locked);
    if (key == "window") {
        int w = 0, h = 0;
        if (!ParseSize(value, w, h)) return false;
        const bool unset = w == 0 && h == 0;
        const bool fits = w >= kMinWindowSide && w <= kMaxWindowSide && h >= kMinWindowSide && h <= kMaxWindowSide;
        if (!unset && !fits) return false;
        s.windowWidth = w;
        s.windowHeight = h;
        return true;
    }
    if (key == "language") {
        const bool code = !value.empty() && value.size() <= 16 &&
                          value.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_@") ==
                              std::string::npos;
        if (code) s.language = value;
        return code;
    }
    return true;   // unknown keys: ignored, as the header says
}

std::string Describe(const std::vector<std::string>& problems) {
    std::string text;
    for (size_t i = 0; i < problems.size() && i < 3; ++i) text += (i ? "; " : "") + problems[i];
    if (problems.size() > 3)
        // TRANSLATORS: ends a list of problems in the settings file; {count} is a number.
        text += "; " + TrFormat("и ещё {count}", {{"count", std::to_string(problems.size() - 3)}});
    return text;
}

const char* YesNo(bool v) { return v ? "yes" : "no"; }
const char* OnOff(bool v) { return v ? "on" : "off"; }

std::string LockedText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return text;
}

// Every key of the file: its name, its value as written, and how it is copied.
struct KeyRow {
    const char* key;
    std::string (*text)(const Settings&);
    void (*copy)(const Settings& from, Settings& to);
};

const KeyRow kKeys[] = {
    {"resolution",
     [](const Settings& s) { return std::string(s.resolutionIndex >= 0 && s.resolutionIndex < 3 ? kResolutions[s.resolutionIndex] : ""); },
     [](const Settings& f, Settings& t) { t.resolutionIndex = f.resolutionIndex; }},
    {"fullscreen", [](const Settings& s) { return std::string(YesNo(s.fullscreen)); },
     [](const Settings& f, Settings& t) { t.fullscreen = f.fullscreen; }},
    {"window", [](const Settings& s) { return std::to_string(s.windowWidth) + "x" + std::to_string(s.windowHeight); },
     [](const Settings& f, Settings& t) { t.windowWidth = f.windowWidth, t.windowHeight = f.windowHeight; }},
    {"music", [](const Settings& s) { return std::string(OnOff(s.music)); },
     [](const Settings& f, Settings& t) { t.music = f.music; }},
    {"effects", [](const Settings& s) { return std::string(OnOff(s.effects)); },
     [](const Settings& f, Settings& t) { t.effects = f.effects; }},
    {"music_volume", [](const Settings& s) { return std::to_string(s.musicVolume); },
     [](const Settings& f, Settings& t) { t.musicVolume = f.musicVolume; }},
    {"effects_volume", [](const Settings& s) { return std::to_string(s.effectsVolume); },
     [](const Settings& f, Settings& t) { t.effectsVolume = f.effectsVolume; }},
    {"hint_after_seconds", [](const Settings& s) { return std::to_string(s.hintAfterSeconds); },
     [](const Settings& f, Settings& t) { t.hintAfterSeconds = f.hintAfterSeconds; }},
    {"all_levels_open", [](const Settings& s) { return std::string(YesNo(s.allLevelsOpen)); },
     [](const Settings& f, Settings& t) { t.allLevelsOpen = f.allLevelsOpen; }},
    {"kiosk", [](const Settings& s) { return std::string(YesNo(s.kiosk)); },
     [](const Settings& f, Settings& t) { t.kiosk = f.kiosk; }},
    {"language", [](const Settings& s) { return s.language; },
     [](const Settings& f, Settings& t) { t.language = f.language; }},
    {"locked", [](const Settings& s) { return LockedText(s.locked); },
     [](const Settings& f, Settings& t) { t.locked = f.locked; }},
};

// Every key whose value is worth a line: all but an empty lock list, or with `defaults`
// only those that differ from them (never "locked", which is the system file's alone).
std::string SettingsText(const Settings& s, const Settings* defaults) {
    std::ostringstream out;
    out << kHeader << "\n";
    for (const KeyRow& row : kKeys) {
        const std::string value = row.text(s);
        if (value.empty()) continue;
        if (defaults && (row.text(*defaults) == value || std::string(row.key) == "locked")) continue;
        out << row.key << " = " << value << "\n";
    }
    return out.str();
}

}  // namespace

std::string SettingsFilePath() {
    if (!PathOverride().empty()) return PathOverride();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.config";
    }
    return base + "/stroylik/settings.ini";
}

void SetSettingsFilePath(const std::string& path) { PathOverride() = path; }

bool CopySettingsKey(const std::string& key, const Settings& from, Settings& to) {
    for (const KeyRow& row : kKeys)
        if (key == row.key) {
            row.copy(from, to);
            return true;
        }
    return false;
}

bool LoadSettings(const std::string& path, Settings& out, std::string& message) {
    return LoadSettingsOver(path, Settings(), out, message);
}

bool LoadSettingsOver(const std::string& path, const Settings& base, Settings& out, std::string& message) {
    out = base;
    message.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) {
        message = TrFormat("Файл настроек {file} не читается, взяты значения по умолчанию.", {{"file", path}});
        return false;
    }
    if (size > kMaxFileBytes) {
        message = TrFormat("Файл настроек {file} слишком велик, чтобы быть нашим; взяты значения по умолчанию.",
                           {{"file", path}});
        return false;
    }
    std::vector<std::string> problems;
    std::string line;
    int number = 0, pairs = 0;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            problems.push_back(TrFormat("строка {line} не вида «ключ = значение»", {{"line", std::to_string(number)}}));
            continue;
        }
        // People edit this file by hand: "Music = OFF" means what it says.
        const std::string key = LowerAscii(Trim(line.substr(0, eq)));
        const std::string value = Trim(line.substr(eq + 1));
        ++pairs;
        if (!ApplyKey(key, LowerAscii(value), out))
            problems.push_back(TrFormat("строка {line}: «{value}» не годится для {key}",
                                        {{"line", std::to_string(number)}, {"value", value}, {"key", key}}));
    }
    if (pairs == 0 && problems.empty()) problems.push_back(Tr("он пуст"));
    if (problems.empty()) return true;
    // TRANSLATORS: {problems} is a list of the problems above, joined by "; ".
    message = TrFormat("Файл настроек {file}: {problems}. Для того, что не прочиталось, взяты значения по умолчанию.",
                       {{"file", path}, {"problems", Describe(problems)}});
    return false;
}

bool SaveSettings(const std::string& path, const Settings& s, std::string& message, const Settings* defaults) {
    message.clear();
    std::error_code ec;
    const std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    if (ec) {
        message = TrFormat("Настройки не сохранены в {file}: не удаётся создать папку ({reason}).",
                           {{"file", path}, {"reason", ec.message()}});
        return false;
    }
    std::string temp;
    const std::string text = SettingsText(s, defaults);
    const int fd = OpenUniqueTemp(path, temp);
    std::FILE* f = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!f) {
        if (fd >= 0) ::close(fd);
        if (!temp.empty()) ::unlink(temp.c_str());
        message = TrFormat("Настройки не сохранены в {file}: в папку нельзя писать.", {{"file", path}});
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        message = ec ? TrFormat("Настройки не сохранены в {file}: {reason}.", {{"file", path}, {"reason", ec.message()}})
                     : TrFormat("Настройки не сохранены в {file}: возможно, диск заполнен.", {{"file", path}});
        return false;
    }
    return true;
}
