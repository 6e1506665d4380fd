#pragma once
// The level overview of the start screens: a tile for every level of the box, with the
// level's picture and number, in pages of a grid below the two banners. Levels up to the
// highest solved one carry a star, the first unsolved one is open, later ones are locked.
// After the shipped levels come the pages of the children's own puzzles ("my puzzles"),
// always open, each with the picture of the child who made it and this child's star.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

class StateDump;
namespace plat {
class Texture;
}

enum TileState : int32_t {
    TileLocked = 0,
    TileOpen = 1,
    TileSolved = 2,
};

// A tile of the shown page, in virtual coordinates.
struct OverviewTile {
    int32_t level = 0;
    int32_t x = 0, y = 0, w = 0, h = 0;
    int32_t state = TileLocked;
};

// The grid sits in the band between the continue banner and the bottom of the frame, clear
// of every zone of the screen, with room under it for the name of the tile under the cursor.
constexpr int TileWidth = 108;
constexpr int TileHeight = 100;
constexpr int TileGap = 5;
constexpr int TileColumns = 10;
constexpr int TileRows = 3;
constexpr int TilesPerPage = TileColumns * TileRows;
constexpr int TilesLeft = 73;
constexpr int TilesTop = 678;
// The top of the name line under the grid.
constexpr int TileNameTop = TilesTop + TileRows * TileHeight + (TileRows - 1) * TileGap + 3;
// The page arrows, as tall as a tile, in the margins beside the middle row.
constexpr plat::Rect PagePrevRect{12, TilesTop + TileHeight + TileGap, 64, TilesTop + 2 * TileHeight + TileGap};
constexpr plat::Rect PageNextRect{1216, TilesTop + TileHeight + TileGap, 1268, TilesTop + 2 * TileHeight + TileGap};
// Where a press turns the page: the margins beside the tiles, wider than the arrows.
constexpr plat::Rect PagePrevHit{4, PagePrevRect.top, TilesLeft, PagePrevRect.bottom};
constexpr plat::Rect PageNextHit{1208, PageNextRect.top, 1276, PageNextRect.bottom};

// Finds the box's levels ("./levels/kB/level1.ini" on, while they exist, at most 100), reads
// their pictures and shows the page of the first unsolved level. Levels 1..solved count as
// solved. A level or picture that cannot be read keeps its tile without a picture. The own
// puzzles of the box's folder are read too: the ones the reader takes become the list the
// game plays (core/my_levels.h), one it refuses is listed nowhere and is told once a run.
// After everything else is in place a GameFileError names the files.
void OpenLevelOverview(int box, int32_t solved);

int OverviewBox();
int32_t OverviewSolved();
// The shipped levels (numbered 1..count); the own puzzles follow from FirstMyLevel.
int OverviewLevelCount();
int OverviewMyLevelCount();
// The first page of the own puzzles (== OverviewPageCount() when there are none).
int OverviewFirstMyPage();
// The picture of the child who made an own puzzle (1..12), or 0.
int32_t OverviewMaker(int32_t level);
// The name shown under the grid: the picture's name, or an own puzzle's file name without ".ini".
std::string OverviewTileName(int32_t level);
// Turns to the page that holds the level.
void ShowOverviewPageOf(int32_t level);
// The atlas room of a level's picture.
int OverviewPictureIndex(int32_t level);
int OverviewPage();
int OverviewPageCount();
TileState OverviewTileState(int32_t level);
// Whether the level's file could be read (its tile has a picture).
bool OverviewHasPicture(int32_t level);
// The tiles of the shown page.
std::vector<OverviewTile> OverviewTiles();
bool OverviewHasPrevPage();
bool OverviewHasNextPage();
void TurnOverviewPage(int step);

// What answers at a point: HotLevelTile with the level of a tile that is not locked,
// HotPagePrev or HotPageNext on a shown arrow, HotNone otherwise.
struct OverviewHit {
    int32_t hot = 0;
    int32_t level = 0;
};
OverviewHit OverviewHitTest(int32_t x, int32_t y);

// The level of the tile under the cursor when the last frame drew it hot, else 0.
extern int32_t g_overviewHotLevel;

// The pictures of the open overview, one room per level in level order, the own puzzles
// after the shipped levels (see thumb_atlas.h).
const plat::Texture* OverviewAtlas();

// Draws the tiles and arrows of the shown page and, under them, the name of the tile under
// the cursor; when nothing else is hot, the tile or arrow under the cursor becomes g_hotButton.
void DrawLevelOverview();

void DumpLevelOverview(StateDump& dump);
