// The list of the children's own puzzles, their numbers, and each child's boards and solved
// marks of them.
#include "core/my_levels.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "core/child_settings.h"
#include "core/game_error.h"
#include "core/i18n.h"
#include "core/paths.h"
#include "core/progress_files.h"
#include "core/state_dump.h"
#include "core/text_file.h"

namespace {

constexpr size_t MaxMarksBytes = 64 * 1024;
constexpr const char* kExtension = ".ini";

struct BoxPuzzles {
    std::vector<std::string> names;
    std::set<std::string> solved;
};

BoxPuzzles g_puzzles[2];

BoxPuzzles* ForBox(int box) { return box == 1 || box == 2 ? &g_puzzles[box - 1] : nullptr; }

std::string BoxFolder(int box) { return "k" + std::to_string(box); }

std::string MarksFile(int box) { return UserPath("./save/" + BoxFolder(box) + "/my-solved.txt"); }

std::string Stem(const std::string& name) { return name.substr(0, name.size() - std::string(kExtension).size()); }

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// By name without ".ini": a puzzle kept twice in one second ("NAME-2.ini") comes after the first.
bool NameOrder(const std::string& a, const std::string& b) { return Stem(a) < Stem(b); }

// Each line a listed name; a line that is no name is passed over, so a hand-edited file
// costs only its own bad lines.
std::set<std::string> ParseMarks(const std::string& text) {
    std::set<std::string> marks;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsMyLevelName(line)) marks.insert(line);
        start = end + 1;
    }
    return marks;
}

std::string ReadMarks(int box, std::set<std::string>& marks) {
    const std::string path = MarksFile(box);
    std::string text, error;
    bool missing = false;
    marks.clear();
    if (ReadSmallTextFile(path, MaxMarksBytes, text, missing, error)) {
        marks = ParseMarks(text);
        return "";
    }
    if (missing) return "";
    bool keptAside = false;
    return KeepBrokenFileAside(path, TrFormat("{file}: отметки собранных своих картинок не читаются ({reason}).", {{"file", path}, {"reason", error}}),
                               keptAside);
}

}  // namespace

bool LevelLockedNow() {
    if (IsMyLevel(g_currentLevel) || AllLevelsOpenNow()) return false;
    return g_currentLevel - 1 > g_maxCompletedLevel;
}

std::string MyLevelsFolder(int box) {
    // A name inside the folder makes the folder itself.
    return std::filesystem::path(UserRootPath(std::string(kMyLevelsFolder) + "/" + BoxFolder(box) + "/x")).parent_path().string();
}

bool IsMyLevelName(const std::string& name) {
    if (name.size() <= std::string(kExtension).size() || name.size() > MaxMyLevelNameBytes) return false;
    if (name.front() == '.' || !EndsWith(name, kExtension)) return false;
    for (unsigned char ch : name)
        if (ch < 0x20 || ch == 0x7F || ch == '/' || ch == '\\') return false;
    return true;
}

std::vector<std::string> FindMyLevelFiles(int box, int& more) {
    more = 0;
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(MyLevelsFolder(box), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeEc;
        if (IsMyLevelName(name) && it->is_regular_file(typeEc)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NameOrder);
    if (names.size() > static_cast<size_t>(MaxMyLevels)) {
        more = static_cast<int>(names.size()) - MaxMyLevels;
        names.resize(MaxMyLevels);
    }
    return names;
}

std::string SetMyLevels(int box, std::vector<std::string> names) {
    BoxPuzzles* puzzles = ForBox(box);
    if (!puzzles) return "";
    if (names.size() > static_cast<size_t>(MaxMyLevels)) names.resize(MaxMyLevels);
    puzzles->names = std::move(names);
    return ReadMarks(box, puzzles->solved);
}

const std::vector<std::string>& MyLevels(int box) {
    static const std::vector<std::string> none;
    const BoxPuzzles* puzzles = ForBox(box);
    return puzzles ? puzzles->names : none;
}

void NoteKeptLevel(int box, const std::string& name) {
    BoxPuzzles* puzzles = ForBox(box);
    if (!puzzles || !IsMyLevelName(name) || MyLevelNumber(box, name) != 0) return;
    if (puzzles->names.size() >= static_cast<size_t>(MaxMyLevels)) return;
    puzzles->names.insert(std::upper_bound(puzzles->names.begin(), puzzles->names.end(), name, NameOrder), name);
}

void ClearMyLevels() {
    for (BoxPuzzles& puzzles : g_puzzles) puzzles = BoxPuzzles{};
}

std::string MyLevelName(int box, int32_t level) {
    const std::vector<std::string>& names = MyLevels(box);
    if (!IsMyLevel(level) || level - FirstMyLevel >= static_cast<int32_t>(names.size())) return "";
    return names[static_cast<size_t>(level - FirstMyLevel)];
}

std::string MyLevelPath(int box, int32_t level) {
    const std::string name = MyLevelName(box, level);
    return name.empty() ? "" : MyLevelsFolder(box) + "/" + name;
}

std::string MyLevelBoardFile(int box, int32_t level) {
    const std::string name = MyLevelName(box, level);
    return name.empty() ? "" : UserPath("./save/" + BoxFolder(box) + "/my/" + Stem(name) + ".dat");
}

int32_t MyLevelNumber(int box, const std::string& name) {
    const std::vector<std::string>& names = MyLevels(box);
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? 0 : FirstMyLevel + static_cast<int32_t>(it - names.begin());
}

int32_t LastMyLevel(int box) {
    const size_t count = MyLevels(box).size();
    return count == 0 ? 0 : FirstMyLevel + static_cast<int32_t>(count) - 1;
}

std::string PutMyLevelAside(int box, const std::string& name) {
    BoxPuzzles* puzzles = ForBox(box);
    if (!puzzles || !IsMyLevelName(name)) return "";
    const std::string from = MyLevelsFolder(box) + "/" + name;
    const std::string base =
        UserRootPath(std::string(kRemovedMyLevelsFolder) + "/" + BoxFolder(box) + "/" + Stem(name) + "-" + LocalTimeStamp());
    std::string to = base + kExtension;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(to).parent_path(), ec);
    for (int n = 2; std::filesystem::exists(to, ec) && n < 1000; ++n) to = base + "-" + std::to_string(n) + kExtension;
    std::filesystem::rename(from, to, ec);
    if (ec) return TrFormat("{file}: картинку не удаётся отложить: {reason}", {{"file", from}, {"reason", ec.message()}});
    auto& names = puzzles->names;
    names.erase(std::remove(names.begin(), names.end(), name), names.end());
    return "";
}

bool MyLevelSolved(int box, int32_t level) {
    const BoxPuzzles* puzzles = ForBox(box);
    const std::string name = MyLevelName(box, level);
    return puzzles && !name.empty() && puzzles->solved.count(name) > 0;
}

std::string MarkMyLevelSolved(int box, int32_t level) {
    BoxPuzzles* puzzles = ForBox(box);
    const std::string name = MyLevelName(box, level);
    if (!puzzles || name.empty() || !puzzles->solved.insert(name).second) return "";
    std::string text;
    for (const std::string& mark : puzzles->solved) text += mark + "\n";
    std::string error;
    if (WriteTextAtomic(MarksFile(box), text, error)) return "";
    return TrFormat("{file}: отметки собранных своих картинок не удаётся сохранить: {reason}",
                    {{"file", MarksFile(box)}, {"reason", error}});
}

void LeaveSolvedMyLevel(int box, void (*save)(), void (*load)()) {
    const std::string problem = MarkMyLevelSolved(box, g_currentLevel);
    save();
    if (g_currentLevel < LastMyLevel(box)) {
        g_currentLevel += 1;
        load();
    } else {
        g_screenState = box == 1 ? ScreenBox1Start : ScreenBox2Start;
        g_overviewReturn = box;
    }
    if (!problem.empty()) throw GameFileError(problem);
}

void DumpMyLevels(StateDump& dump) {
    std::string json = "[";
    for (int box = 1; box <= 2; ++box) {
        const std::vector<std::string>& names = MyLevels(box);
        for (size_t i = 0; i < names.size(); ++i) {
            if (json.size() > 1) json += ",";
            json += "{\"box\":" + std::to_string(box) + ",\"file\":" + JsonString(names[i]) +
                    ",\"level\":" + std::to_string(FirstMyLevel + static_cast<int>(i)) + "}";
        }
    }
    dump.SetRaw("myLevels", json + "]");
}
