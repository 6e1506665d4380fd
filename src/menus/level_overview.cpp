// The overview's content: which levels the box has, their pictures, the player's progress,
// the shown page, and what lies under a point.
#include "menus/level_overview.h"

#include "core/settings.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <system_error>

#include "core/child_settings.h"
#include "core/paths.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/i18n.h"
#include "core/level_names.h"
#include "core/my_levels.h"
#include "core/state_dump.h"
#include "menus/level_thumbs.h"
#include "menus/thumb_atlas.h"
#include "platform/image.h"
#include "platform/texture.h"
#include "render/texture_catalog.h"

int32_t g_overviewHotLevel = 0;

namespace {

// Messages past this many unreadable files are only counted.
constexpr int MaxListedProblems = 3;

struct Overview {
    int box = 0;
    int32_t solved = 0;
    int page = 0;
    std::vector<bool> readable;   // per shipped level, index level - 1
    std::vector<int32_t> makers;  // per own puzzle, index level - FirstMyLevel
    std::unique_ptr<plat::Texture> atlas;
};

// A level file of ours is a few tens of kilobytes; a copied-in file far larger is not one.
constexpr uintmax_t MaxMyLevelFileBytes = 1024 * 1024;

Overview g_overview;

std::string LevelFile(int box, int level) {
    return GamePath("./levels/k" + std::to_string(box) + "/level" + std::to_string(level) + ".ini");
}

int CountLevels(int box) {
    int count = 0;
    std::error_code ec;
    while (count < MaxLevel && std::filesystem::is_regular_file(LevelFile(box, count + 1), ec)) ++count;
    return count;
}

bool Inside(const plat::Rect& r, int32_t x, int32_t y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

class Problems {
public:
    void Add(const std::string& what) {
        if (++count_ <= MaxListedProblems) text_ += (text_.empty() ? "" : "\n") + what;
    }
    void ThrowIfAny() const {
        if (count_ == 0) return;
        std::string text = text_;
        if (count_ > MaxListedProblems)
            text += "\n" + TrFormat("…и ещё файлов, которые не читаются: {count}.",
                                    {{"count", std::to_string(count_ - MaxListedProblems)}});
        throw GameFileError(text);
    }

private:
    int count_ = 0;
    std::string text_;
};

std::vector<LevelThumb> ReadThumbs(int box, int count, Problems& problems) {
    std::vector<LevelThumb> thumbs(static_cast<size_t>(count));
    for (int level = 1; level <= count; ++level) {
        try {
            thumbs[level - 1] = ReadLevelThumb(box, LevelFile(box, level));
        } catch (const GameFileError& e) {
            problems.Add(e.what());
        }
    }
    return thumbs;
}

// A refused own puzzle is told once a run, not at every visit of the start screen; a file
// changed since is told again.
bool FirstTimeTold(const std::string& path) {
    static std::set<std::string> told;
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(path, ec).time_since_epoch().count();
    return told.insert(path + "\n" + std::to_string(written)).second;
}

LevelThumb ReadMyThumb(int box, const std::string& path) {
    std::error_code ec;
    const uintmax_t bytes = std::filesystem::file_size(path, ec);
    if (!ec && bytes > MaxMyLevelFileBytes) ThrowFileError(path, 0, "the file is too large for a level");
    return ReadLevelThumb(box, path);
}

// The own puzzles the reader takes, their pictures appended to `thumbs`.
std::vector<std::string> ReadMyThumbs(int box, std::vector<LevelThumb>& thumbs, Problems& problems) {
    int more = 0;
    std::vector<std::string> taken;
    for (const std::string& name : FindMyLevelFiles(box, more)) {
        const std::string path = MyLevelsFolder(box) + "/" + name;
        try {
            thumbs.push_back(ReadMyThumb(box, path));
            taken.push_back(name);
        } catch (const GameFileError& e) {
            if (FirstTimeTold(path)) problems.Add(e.what());
        }
    }
    if (more > 0 && FirstTimeTold(MyLevelsFolder(box)))
        problems.Add(TrFormat("{folder}: своих картинок больше {count}; лишние не показаны: {more}.",
                              {{"folder", MyLevelsFolder(box)},
                               {"count", std::to_string(MaxMyLevels)},
                               {"more", std::to_string(more)}}));
    return taken;
}

// The decoded figure sheet of a box, kept while its file stays the same: decoding it costs
// more than drawing all the small pictures.
struct KeptSheet {
    std::filesystem::path file;
    std::filesystem::file_time_type written;
    plat::Image image;
};

const plat::Image& ReadFigureSheet(int box, Problems& problems) {
    static KeptSheet kept[2];
    static const plat::Image none;
    const size_t entry = box == 1 ? SurfaceBox1Figures : SurfaceBox2Figures;
    if (entry >= g_surfaces.size()) return none;
    KeptSheet& sheet = kept[box == 1 ? 0 : 1];
    std::error_code ec;
    const std::string path = GamePath(g_surfaces[entry].fileName);
    const std::filesystem::path file = std::filesystem::canonical(path, ec);
    const auto written = std::filesystem::last_write_time(file, ec);
    if (!ec && file == sheet.file && written == sheet.written) return sheet.image;
    sheet = KeptSheet{};
    std::string error;
    if (!plat::LoadImageFile(path, sheet.image, error)) {
        problems.Add(error);
        sheet.image = plat::Image{};
    } else if (!ec) {
        sheet.file = file;
        sheet.written = written;
    }
    return sheet.image;
}

}  // namespace

void OpenLevelOverview(int box, int32_t solved) {
    Problems problems;
    const int count = CountLevels(box);
    if (count == 0) problems.Add(TrFormat("В коробке нет уровней: файла {file} нет.", {{"file", LevelFile(box, 1)}}));
    std::vector<LevelThumb> thumbs = ReadThumbs(box, count, problems);
    std::vector<std::string> mine = ReadMyThumbs(box, thumbs, problems);
    const plat::Image& sheet = ReadFigureSheet(box, problems);

    g_overview = Overview{};
    g_overview.box = box;
    g_overview.solved = std::clamp<int32_t>(solved, 0, MaxLevel);
    for (int i = 0; i < count; ++i) g_overview.readable.push_back(thumbs[static_cast<size_t>(i)].readable);
    for (size_t i = static_cast<size_t>(count); i < thumbs.size(); ++i) g_overview.makers.push_back(thumbs[i].maker);
    const std::string marks = SetMyLevels(box, std::move(mine));
    if (!marks.empty()) problems.Add(marks);
    g_overview.atlas = plat::Texture::FromImage(ComposeThumbAtlas(thumbs, sheet), false);
    // The page that holds the first unsolved level, or the last page.
    const int firstUnsolved = std::min(g_overview.solved + 1, count);
    g_overview.page = std::max(0, std::min(firstUnsolved - 1, count - 1)) / TilesPerPage;
    g_overviewHotLevel = 0;
    problems.ThrowIfAny();
}

int OverviewBox() { return g_overview.box; }
int32_t OverviewSolved() { return g_overview.solved; }
int OverviewLevelCount() { return static_cast<int>(g_overview.readable.size()); }
int OverviewMyLevelCount() { return static_cast<int>(g_overview.makers.size()); }
int OverviewPage() { return g_overview.page; }
int OverviewFirstMyPage() { return (OverviewLevelCount() + TilesPerPage - 1) / TilesPerPage; }
int OverviewPageCount() { return OverviewFirstMyPage() + (OverviewMyLevelCount() + TilesPerPage - 1) / TilesPerPage; }
const plat::Texture* OverviewAtlas() { return g_overview.atlas.get(); }

namespace {
bool IsOverviewMyLevel(int32_t level) { return level >= FirstMyLevel && level - FirstMyLevel < OverviewMyLevelCount(); }
}  // namespace

int32_t OverviewMaker(int32_t level) {
    return IsOverviewMyLevel(level) ? g_overview.makers[static_cast<size_t>(level - FirstMyLevel)] : 0;
}

int OverviewPictureIndex(int32_t level) {
    return IsOverviewMyLevel(level) ? OverviewLevelCount() + (level - FirstMyLevel) : level - 1;
}

// A puzzle kept here is named by when it was kept: that time, as a parent reads it.
std::string KeptWhen(const std::string& stem) {
    static const std::regex kept(R"(puzzle-(\d{4})(\d{2})(\d{2})-(\d{2})(\d{2})\d{2}(-\d+)?)");
    std::smatch m;
    if (!std::regex_match(stem, m, kept)) return stem;
    return m[3].str() + "." + m[2].str() + "." + m[1].str() + " " + m[4].str() + ":" + m[5].str();
}

std::string OverviewTileName(int32_t level) {
    if (!IsOverviewMyLevel(level)) return LevelName(g_overview.box, level);
    const std::string file = MyLevelName(g_overview.box, level);
    return KeptWhen(file.size() > 4 ? file.substr(0, file.size() - 4) : file);
}

void ShowOverviewPageOf(int32_t level) {
    const int page = IsOverviewMyLevel(level) ? OverviewFirstMyPage() + (level - FirstMyLevel) / TilesPerPage
                                              : (level - 1) / TilesPerPage;
    g_overview.page = std::clamp(page, 0, std::max(0, OverviewPageCount() - 1));
}

TileState OverviewTileState(int32_t level) {
    // Own puzzles are always open: a child may play any of them, in any order.
    if (IsOverviewMyLevel(level)) return MyLevelSolved(g_overview.box, level) ? TileSolved : TileOpen;
    if (level <= g_overview.solved) return TileSolved;
    // A parent may let the child choose any level.
    if (level == g_overview.solved + 1 || AllLevelsOpenNow()) return TileOpen;
    return TileLocked;
}

bool OverviewHasPicture(int32_t level) {
    if (IsOverviewMyLevel(level)) return true;   // only what the reader took is listed
    return level >= 1 && level <= OverviewLevelCount() && g_overview.readable[level - 1];
}

std::vector<OverviewTile> OverviewTiles() {
    std::vector<OverviewTile> tiles;
    // The own puzzles start a page of their own after the shipped levels.
    const bool mine = g_overview.page >= OverviewFirstMyPage();
    const int pageStart = (g_overview.page - (mine ? OverviewFirstMyPage() : 0)) * TilesPerPage;
    const int first = (mine ? FirstMyLevel : 1) + pageStart;
    const int last = (mine ? FirstMyLevel + OverviewMyLevelCount() - 1 : OverviewLevelCount());
    const int pageLast = std::min(last, first + TilesPerPage - 1);
    for (int level = first; level <= pageLast; ++level) {
        const int slot = level - first;
        OverviewTile tile;
        tile.level = level;
        tile.x = TilesLeft + (slot % TileColumns) * (TileWidth + TileGap);
        tile.y = TilesTop + (slot / TileColumns) * (TileHeight + TileGap);
        tile.w = TileWidth;
        tile.h = TileHeight;
        tile.state = OverviewTileState(level);
        tiles.push_back(tile);
    }
    return tiles;
}

bool OverviewHasPrevPage() { return g_overview.page > 0; }
bool OverviewHasNextPage() { return g_overview.page + 1 < OverviewPageCount(); }

void TurnOverviewPage(int step) {
    g_overview.page = std::clamp(g_overview.page + step, 0, std::max(0, OverviewPageCount() - 1));
}

OverviewHit OverviewHitTest(int32_t x, int32_t y) {
    if (OverviewHasPrevPage() && Inside(PagePrevHit, x, y)) return OverviewHit{HotPagePrev, 0};
    if (OverviewHasNextPage() && Inside(PageNextHit, x, y)) return OverviewHit{HotPageNext, 0};
    for (const OverviewTile& tile : OverviewTiles()) {
        if (!Inside(plat::Rect{tile.x, tile.y, tile.x + tile.w, tile.y + tile.h}, x, y)) continue;
        // A level whose file cannot be read has nothing to play: its broken tile stays shut.
        if (tile.state == TileLocked || !OverviewHasPicture(tile.level)) break;
        return OverviewHit{HotLevelTile, tile.level};
    }
    return OverviewHit{};
}

void DumpLevelOverview(StateDump& dump) {
    const bool shown = g_screenState == ScreenBox1Start || g_screenState == ScreenBox2Start;
    std::string json = "[";
    if (shown)
        for (const OverviewTile& t : OverviewTiles()) {
            if (json.size() > 1) json += ",";
            json += "{\"level\":" + std::to_string(t.level) + ",\"x\":" + std::to_string(t.x) +
                    ",\"y\":" + std::to_string(t.y) + ",\"w\":" + std::to_string(t.w) + ",\"h\":" + std::to_string(t.h) +
                    ",\"state\":" + std::to_string(t.state) + ",\"name\":" + JsonString(OverviewTileName(t.level)) +
                    ",\"maker\":" + std::to_string(OverviewMaker(t.level)) + "}";
        }
    dump.SetRaw("levelOverview", json + "]");
    dump.SetInt("levelOverviewPage", shown ? OverviewPage() : 0);
    dump.SetInt("levelOverviewPages", shown ? OverviewPageCount() : 0);
    dump.SetInt("levelOverviewLevels", shown ? OverviewLevelCount() : 0);
    std::string states;
    if (shown)
        for (int level = 1; level <= OverviewLevelCount(); ++level) states += char('0' + OverviewTileState(level));
    dump.SetString("levelOverviewStates", states);
    std::string myStates;
    if (shown)
        for (int i = 0; i < OverviewMyLevelCount(); ++i) myStates += char('0' + OverviewTileState(FirstMyLevel + i));
    dump.SetString("levelOverviewMyStates", myStates);
    dump.SetInt("g_overviewHotLevel", shown ? g_overviewHotLevel : 0);
}
