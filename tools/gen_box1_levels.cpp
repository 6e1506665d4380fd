// Box 1 levels from their sources in content/k1: each "levelNN.txt" describes a picture as
// figure placements; the palette is worked out from the picture and the decoys, and the
// level is written in the game's level file format.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "box1/box1_level_write.h"
#include "core/int_lines.h"
#include "generators.h"
#include "level_art.h"
#include "level_report.h"

namespace gen {
namespace {

constexpr int PaletteRows = 6;
constexpr int PaletteCols = 32;
constexpr int MaxFigure = 28;
constexpr int Unlimited = 255;

struct Placement {
    int id, col, row;
};

struct LevelSource {
    std::string path;
    int cols = 0, rows = 0;
    bool freeBuild = false;
    std::vector<Placement> picture;
    std::map<int, int> offers;      // palette-only figures (decoys, free-construction stock): id -> copies
    std::map<int, int> extra;       // extra copies of picture figures
    std::vector<int> unlimited;
    std::string title;
};

int FigureCols(int id) { return id >= 13 && id <= 20 ? 4 : 2; }
int FigureRows(int id) { return id >= 21 ? 4 : 2; }

[[noreturn]] void Fail(const std::string& path, int line, const std::string& what) {
    throw std::runtime_error(path + ", line " + std::to_string(line) + ": " + what);
}

int ReadId(std::istringstream& in, const std::string& path, int line) {
    int id = 0;
    if (!(in >> id) || id < 1 || id > MaxFigure) Fail(path, line, "expected a figure id 1 to 28");
    return id;
}

LevelSource ReadSource(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    LevelSource src;
    src.path = path;
    std::string text;
    // Plain blocks by their colour's first letter; every other figure is keyed by the file.
    std::map<char, int> artKey{{'r', 1}, {'y', 2}, {'g', 3}, {'b', 4}};
    for (int line = 1; std::getline(file, text); ++line) {
        text = text.substr(0, text.find('#'));
        std::istringstream in(text);
        std::string key;
        if (!(in >> key)) continue;
        if (key == "title") {
            std::getline(in >> std::ws, src.title);
        } else if (key == "key") {
            std::vector<std::string> args;
            for (std::string a; in >> a;) args.push_back(a);
            if (!ReadArtKey(args, artKey)) Fail(path, line, "key needs one character and a figure id");
        } else if (key == "art") {
            ArtBlock art{line + 1, {}};
            while (std::getline(file, text) && text.rfind("end", 0) != 0) art.rows.push_back(text), ++line;
            ++line;
            if (src.cols == 0) src.cols = ArtCols(art), src.rows = ArtRows(art);
            const auto cells = [](int id) { return std::pair<int, int>{FigureCols(id), FigureRows(id)}; };
            for (const ArtFigure& f : TileArt(art, artKey, cells, path)) {
                if (f.id > MaxFigure) Fail(path, f.line, "expected a figure id 1 to 28");
                src.picture.push_back(Placement{f.id, f.col, f.row});
            }
        } else if (key == "field") {
            if (!(in >> src.cols >> src.rows) || src.cols < 1 || src.rows < 1 || src.cols > 32 || src.rows > 32)
                Fail(path, line, "field needs columns and rows, 1 to 32");
        } else if (key == "free") {
            int flag = 0;
            in >> flag;
            src.freeBuild = flag == 1;
        } else if (key == "figure") {
            Placement p{ReadId(in, path, line), 0, 0};
            if (!(in >> p.col >> p.row)) Fail(path, line, "figure needs id, column and row");
            src.picture.push_back(p);
        } else if (key == "decoy" || key == "offer") {
            const int id = ReadId(in, path, line);
            int copies = 1;
            in >> copies;
            if (copies < 1 || copies > Unlimited) Fail(path, line, "copies must be 1 to 255");
            src.offers[id] = copies;
        } else if (key == "extra") {
            const int id = ReadId(in, path, line);
            int copies = 1;
            in >> copies;
            src.extra[id] += copies;
        } else if (key == "unlimited") {
            for (int id; in >> id;) {
                if (id < 1 || id > MaxFigure) Fail(path, line, "expected figure ids 1 to 28");
                src.unlimited.push_back(id);
            }
        } else {
            Fail(path, line, "unknown word \"" + key + "\"");
        }
    }
    if (src.cols == 0) throw std::runtime_error(path + ": no field line");
    return src;
}

// The sample grid of origins, checking that figures stay inside the field and do not overlap.
std::vector<int> SampleGrid(const LevelSource& src) {
    std::vector<int> origins(static_cast<size_t>(src.cols) * src.rows, 0);
    std::vector<int> covered(origins.size(), 0);
    for (const Placement& p : src.picture) {
        if (p.col < 0 || p.row < 0 || p.col + FigureCols(p.id) > src.cols || p.row + FigureRows(p.id) > src.rows)
            throw std::runtime_error(src.path + ": figure " + std::to_string(p.id) + " at " + std::to_string(p.col) +
                                     " " + std::to_string(p.row) + " reaches outside the field");
        for (int k = 0; k < FigureRows(p.id); ++k)
            for (int w = 0; w < FigureCols(p.id); ++w) {
                int& cell = covered[static_cast<size_t>(p.row + k) * src.cols + p.col + w];
                if (cell) throw std::runtime_error(src.path + ": figures overlap at " + std::to_string(p.col + w) + " " +
                                                   std::to_string(p.row + k));
                cell = 1;
            }
        origins[static_cast<size_t>(p.row) * src.cols + p.col] = p.id;
    }
    return origins;
}

struct Palette {
    int ids[PaletteRows][PaletteCols] = {};
    int counts[PaletteRows][PaletteCols] = {};
};

// Places each offered figure at the first free spot, row band by row band, left to right,
// with a gap between figures when there is room for one.
bool PackPalette(const std::map<int, int>& stock, int gap, Palette& palette) {
    palette = Palette{};
    bool used[PaletteRows][PaletteCols] = {};
    for (const auto& [id, copies] : stock) {
        bool placed = false;
        for (int row = 0; row + FigureRows(id) <= PaletteRows && !placed; row += 2)
            for (int col = 0; col + FigureCols(id) <= PaletteCols && !placed; col += 2) {
                bool free = true;
                for (int k = 0; k < FigureRows(id); ++k)
                    for (int w = -gap; w < FigureCols(id) + gap; ++w)
                        if (col + w >= 0 && col + w < PaletteCols && used[row + k][col + w]) free = false;
                if (!free) continue;
                for (int k = 0; k < FigureRows(id); ++k)
                    for (int w = 0; w < FigureCols(id); ++w) used[row + k][col + w] = true;
                palette.ids[row][col] = id;
                palette.counts[row][col] = copies;
                placed = true;
            }
        if (!placed) return false;
    }
    return true;
}

Palette MakePalette(const LevelSource& src) {
    std::map<int, int> stock;
    for (const Placement& p : src.picture) stock[p.id] += 1;
    for (const auto& [id, copies] : src.extra) stock[id] += copies;
    for (const auto& [id, copies] : src.offers) {
        if (stock.count(id) && !src.picture.empty() && !src.freeBuild)
            throw std::runtime_error(src.path + ": decoy " + std::to_string(id) + " is part of the picture");
        stock[id] = copies;
    }
    for (int id : src.unlimited) stock[id] = Unlimited;
    for (auto& [id, copies] : stock) copies = std::min(copies, Unlimited);
    Palette palette;
    if (!PackPalette(stock, 2, palette) && !PackPalette(stock, 0, palette))
        throw std::runtime_error(src.path + ": the figures do not fit into the palette");
    return palette;
}

// The level in the game's file layout, by the game's own writer.
std::string LevelText(const LevelSource& src, int number) {
    const Palette palette = MakePalette(src);
    static Box1LevelData level;
    level = Box1LevelData{};
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            level.ids[i][j] = palette.ids[i][j];
            level.counts[i][j] = palette.counts[i][j];
        }
    // A free level's sample is one empty cell: it has none to show.
    const int sampleCols = src.freeBuild ? 1 : src.cols;
    const int sampleRows = src.freeBuild ? 1 : src.rows;
    level.info = LevelInfo{number, src.freeBuild ? 1 : 2, src.cols, src.rows, sampleCols, sampleRows, src.freeBuild ? 1 : 0};
    level.sample = src.freeBuild ? std::vector<int32_t>(1, 0) : SampleGrid(src);
    IntLineWriter out;
    WriteBox1Level(level, out);
    return std::string(out.text());
}

ReportedLevel Report(const LevelSource& src, int number) {
    ReportedLevel level;
    level.number = number;
    level.name = src.title;
    level.free = src.freeBuild;
    level.cols = src.cols;
    level.rows = src.rows;
    for (const Placement& p : src.picture) level.sample.push_back(MeasuredFigure{p.id, 1, p.col, p.row, FigureCols(p.id), FigureRows(p.id)});
    const Palette palette = MakePalette(src);
    std::vector<MeasuredOffer> offers;
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (palette.ids[i][j] > 0) offers.push_back(MeasuredOffer{palette.ids[i][j], palette.counts[i][j]});
    level.measure = MeasureLevel(level.sample, offers);
    return level;
}

}  // namespace

std::vector<ReportedLevel> WriteBox1Levels(const std::string& content, const std::string& out) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(content) / "k1";
    if (!fs::is_directory(dir)) throw std::runtime_error("no box 1 level sources in " + dir.string());
    std::vector<ReportedLevel> levels;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("level", 0) != 0 || entry.path().extension() != ".txt") continue;
        const int number = std::stoi(name.substr(5));
        if (number < 1 || number > 100) throw std::runtime_error(name + ": level numbers are 1 to 100");
        const LevelSource src = ReadSource(entry.path().string());
        const std::string path = out + "/levels/k1/level" + std::to_string(number) + ".ini";
        EnsureParentDir(path);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << LevelText(src, number);
        if (!file) throw std::runtime_error("cannot write " + path);
        levels.push_back(Report(src, number));
    }
    std::sort(levels.begin(), levels.end(), [](const ReportedLevel& a, const ReportedLevel& b) { return a.number < b.number; });
    return levels;
}

}  // namespace gen
