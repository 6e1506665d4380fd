// Box 2 levels from content/k2: each sample is built by dropping the listed figures through
// the game's own drop rules, so every sample picture can be reached by the player.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/tables.h"
#include "box2/box2_board.h"
#include "box2/box2_level_file.h"
#include "box2/box2_text_io.h"
#include "gen_box2_shapes.h"
#include "generators.h"
#include "level_art.h"
#include "level_report.h"

namespace gen {
namespace {

struct PaletteItem {
    int id = 0;
    int count = UnlimitedCount;
    int line = 0;
};

struct Placement {
    int id = 0, col = 0, row = 0, line = 0;
};

struct LevelSource {
    std::string file;
    int header = 0;
    bool free = false;
    int cols = 0, rows = 0;
    std::vector<PaletteItem> palette;
    std::vector<Placement> puts;
    std::string name;
    bool exactCounts = false;   // picture figures missing from the palette lines: exact copies, not unlimited
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& what) {
    throw std::runtime_error(file + ":" + std::to_string(line) + ": " + what);
}

int Number(const std::string& text, const std::string& file, int line) {
    size_t used = 0;
    int v = 0;
    try {
        v = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size()) Fail(file, line, "\"" + text + "\" is not a number");
    return v;
}

// Picture figures that no palette line offers join the palette, in id order.
void AddPictureFigures(LevelSource& src) {
    std::map<int, int> uses;
    for (const Placement& p : src.puts) ++uses[p.id];
    for (const auto& [id, n] : uses) {
        const bool listed = std::any_of(src.palette.begin(), src.palette.end(), [id = id](const PaletteItem& q) { return q.id == id; });
        if (!listed) src.palette.push_back(PaletteItem{id, src.exactCounts ? n : UnlimitedCount, 0});
    }
}

LevelSource ReadSource(const std::string& path) {
    LevelSource src;
    src.file = path;
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::string text;
    // Plain blocks by their colour's first letter; every other figure is keyed by the file.
    std::map<char, int> artKey{{'r', 1}, {'o', 2}, {'y', 3}, {'g', 4}, {'b', 5}, {'v', 6}};
    for (int line = 1; std::getline(in, text); ++line) {
        if (const size_t hash = text.find('#'); hash != std::string::npos) text.erase(hash);
        std::istringstream words(text);
        std::string word;
        if (!(words >> word)) continue;
        std::vector<std::string> args;
        for (std::string a; words >> a;) args.push_back(a);
        auto arg = [&](size_t i) { return Number(args.at(i), path, line); };
        if ((word == "field" || word == "free") && args.size() == 2) {
            src.free = word == "free";
            src.cols = arg(0);
            src.rows = arg(1);
            if (src.cols < 1 || src.cols > MaxBuildCols2 || src.rows < 1 || src.rows > MaxBuildRows2)
                Fail(path, line, "field size outside 1..64 x 1..42");
        } else if (word == "header" && args.size() == 1) {
            src.header = arg(0);
        } else if (word == "palette") {
            for (const std::string& item : args) {
                PaletteItem p;
                p.line = line;
                const size_t star = item.find('*');
                p.id = Number(item.substr(0, star), path, line);
                if (star != std::string::npos) p.count = Number(item.substr(star + 1), path, line);
                if (!ValidFigureId(p.id)) Fail(path, line, "no figure " + std::to_string(p.id));
                for (const PaletteItem& q : src.palette)
                    if (q.id == p.id) Fail(path, line, "figure " + std::to_string(p.id) + " is listed twice");
                src.palette.push_back(p);
            }
        } else if (word == "name") {
            src.name = text.substr(text.find("name") + 4);
            src.name.erase(0, src.name.find_first_not_of(' '));
            src.name.erase(src.name.find_last_not_of(' ') + 1);
        } else if (word == "counts" && args.size() == 1 && (args[0] == "exact" || args[0] == "unlimited")) {
            src.exactCounts = args[0] == "exact";
        } else if (word == "key") {
            if (!ReadArtKey(args, artKey)) Fail(path, line, "key needs one character and a figure id");
        } else if (word == "art" && args.empty()) {
            ArtBlock art{line + 1, {}};
            while (std::getline(in, text) && text.rfind("end", 0) != 0) art.rows.push_back(text), ++line;
            ++line;
            if (src.cols == 0) {
                src.cols = ArtCols(art);
                src.rows = ArtRows(art);
            }
            const auto cells = [](int id) {
                return ValidFigureId(id) ? std::pair<int, int>{FigureCols(id), FigureRows(id)} : std::pair<int, int>{2, 2};
            };
            for (const ArtFigure& f : TileArt(art, artKey, cells, path)) src.puts.push_back(Placement{f.id, f.col, f.row, f.line});
        } else if (word == "put" && args.size() == 3) {
            src.puts.push_back(Placement{arg(0), arg(1), arg(2), line});
        } else {
            Fail(path, line, "unknown line \"" + word + "\"");
        }
    }
    if (src.cols == 0) Fail(path, 1, "no \"field\", \"free\" or \"art\" line");
    AddPictureFigures(src);
    return src;
}

// Shelves of four cell rows; 64-pixel figures side by side, 32-pixel ones in pairs above each other.
void LayOutPalette(const LevelSource& src, Box2LevelData& level) {
    int shelf = 0, x = 1, smallCol = -1;
    for (const PaletteItem& item : src.palette) {
        const bool small = FigureCols(item.id) == 2;
        int row = shelf * 5, col = x;
        if (small && smallCol >= 0) {
            row += 2;
            col = smallCol;
            smallCol = -1;
        } else {
            const int width = small ? 2 : 4;
            if (x + width > PaletteCols) {
                ++shelf;
                x = 1;
            }
            if (shelf > 3) Fail(src.file, item.line, "the palette is full");
            row = shelf * 5;
            col = x;
            smallCol = small ? x : -1;
            x += width + 1;
        }
        level.ids[row][col] = item.id;
        level.counts[row][col] = item.count;
    }
}

void BuildLevel(const LevelSource& src, Box2LevelData& level) {
    level = Box2LevelData{};
    level.headerValue = src.header;
    LayOutPalette(src, level);
    std::map<int, int> uses;
    for (const Placement& p : src.puts) ++uses[p.id];
    for (const auto& [id, n] : uses) {
        auto it = std::find_if(src.palette.begin(), src.palette.end(), [id = id](const PaletteItem& q) { return q.id == id; });
        if (it == src.palette.end()) Fail(src.file, 1, "figure " + std::to_string(id) + " is used but not in the palette");
        if (it->count != UnlimitedCount && it->count < n)
            Fail(src.file, it->line, "figure " + std::to_string(id) + " is used " + std::to_string(n) + " times, the palette gives " +
                                         std::to_string(it->count));
    }

    ClearBoard2();
    for (const Placement& p : src.puts) {
        if (!ValidFigureId(p.id)) Fail(src.file, p.line, "no figure " + std::to_string(p.id));
        if (!DropFigure2(p.id, p.col, p.row, src.cols, src.rows))
            Fail(src.file, p.line, "figure " + std::to_string(p.id) + " does not fit at " + std::to_string(p.col) + ", " +
                                       std::to_string(p.row));
        const LayerCell& origin = g_buildLayers[g_box2Figures[p.id].layer - 1][p.row][p.col];
        if (origin.figure != p.id || origin.originCol != p.col || origin.originRow != p.row)
            Fail(src.file, p.line, "figure " + std::to_string(p.id) + " lands on another figure's origin cell");
    }
    if (src.free) {
        level.info = LevelInfo{src.header, 1, src.cols, src.rows, 1, 1, 1};
        return;
    }
    level.info = LevelInfo{src.header, 2, src.cols, src.rows, src.cols, src.rows, 0};
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < src.rows; ++r)
            for (int c = 0; c < src.cols; ++c) {
                const LayerCell& cell = g_buildLayers[k][r][c];
                if (cell.figure > 0 && cell.originCol == c && cell.originRow == r) level.sample[k][r][c] = cell.figure;
            }
}

ReportedLevel Report(const LevelSource& src, const Box2LevelData& level, int number) {
    ReportedLevel report;
    report.number = number;
    report.name = src.name;
    report.free = src.free;
    report.cols = level.info.sampleCols;
    report.rows = level.info.sampleRows;
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < GridSize; ++r)
            for (int c = 0; c < GridSize; ++c)
                if (const int id = level.sample[k][r][c]; id > 0)
                    report.sample.push_back(MeasuredFigure{id, k + 1, c, r, FigureCols(id), FigureRows(id)});
    std::vector<MeasuredOffer> offers;
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (level.ids[r][c] > 0) offers.push_back(MeasuredOffer{level.ids[r][c], level.counts[r][c]});
    report.measure = MeasureLevel(report.sample, offers);
    return report;
}

}  // namespace

std::vector<ReportedLevel> WriteBox2Levels(const std::string& content, const std::string& out) {
    FillFigureTables();
    const plat::Image mask = Box2MaskImage();
    SetBox2MaskSource(&mask);
    std::vector<std::string> files;
    const std::filesystem::path dir = std::filesystem::path(content) / "k2";
    if (std::filesystem::exists(dir))
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    // Numbers, not letters, decide the order: level100.txt comes after level99.txt.
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    std::filesystem::create_directories(out + "/levels/k2");
    static Box2LevelData level;
    std::vector<ReportedLevel> reports;
    try {
        int number = 0;
        for (const std::string& file : files) {
            if (++number > MaxLevel) throw std::runtime_error("more than 100 box 2 levels");
            const LevelSource src = ReadSource(file);
            BuildLevel(src, level);
            IntLineWriter text;
            WriteLevelText2(level, text);
            text.SaveAtomic(out + "/levels/k2/level" + std::to_string(number) + ".ini");
            reports.push_back(Report(src, level, number));
        }
    } catch (...) {
        SetBox2MaskSource(nullptr);
        ClearBoard2();
        throw;
    }
    SetBox2MaskSource(nullptr);
    ClearBoard2();
    return reports;
}

}  // namespace gen
