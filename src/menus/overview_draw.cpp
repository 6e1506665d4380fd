// Drawing the level overview: a card per tile with the level's picture, its number on a
// badge, a star when solved and a padlock when locked; the page arrows beside the grid and
// the name of the tile under the cursor below it.
#include <string>

#include "core/game_state.h"
#include "core/i18n.h"
#include "menus/card_draw.h"
#include "menus/level_overview.h"
#include "menus/profile_chooser.h"
#include "menus/thumb_atlas.h"
#include "platform/matrix.h"
#include "platform/texture.h"
#include "render/graphics.h"
#include "render/shown_text.h"
#include "render/texture_catalog.h"

namespace {

constexpr uint32_t White = 0xFFFFFFFF;
constexpr uint32_t Shadow = 0x40000000;
constexpr uint32_t CardColour = 0xF2FFFFFF;
constexpr uint32_t HotCardColour = 0xFFFFF6C8;
constexpr uint32_t LockedCardColour = 0xC8B4B4B4;
constexpr uint32_t SolvedColour = 0xFF34A038;
constexpr uint32_t OpenColour = 0xFFF08018;
constexpr uint32_t HotColour = 0xFFFFC000;
constexpr uint32_t LockedColour = 0xFF808080;
constexpr uint32_t DimmedPicture = 0x80FFFFFF;
constexpr uint32_t StarColour = 0xFFFFD21E;
constexpr uint32_t LockColour = 0xFF505050;
constexpr uint32_t BrokenColour = 0xFF7E7E7E;       // the broken piece of an unreadable level
constexpr uint32_t BrokenEdgeColour = 0xFFB8B8B8;
constexpr uint32_t NameColour = 0xFF3C3C3C;
constexpr int Border = 3;
constexpr int PictureInset = 4;
constexpr int BadgeHeight = 28;
constexpr int MakerSize = 38;
constexpr float ArrowScale = 1.5f;
// The star of the star bursts on the main sheet.
constexpr plat::Rect StarSource{2000, 0, 2048, 48};
constexpr float StarScale = 0.5f;
// The next and previous level buttons of the box screens, plain and lit.
constexpr plat::Rect PrevArrow{1429, 980, 1459, 1024}, PrevArrowLit{1460, 980, 1490, 1024};
constexpr plat::Rect NextArrow{1365, 980, 1395, 1024}, NextArrowLit{1397, 980, 1428, 1024};


uint32_t StateColour(int32_t state) {
    if (state == TileSolved) return SolvedColour;
    return state == TileOpen ? OpenColour : LockedColour;
}

// A gold star on the badge in the top-right corner.
void DrawStar(const OverviewTile& tile) {
    const int right = tile.x + tile.w - Border, top = tile.y + Border;
    const float size = float(StarSource.right - StarSource.left) * StarScale;
    const float offset = (float(BadgeHeight) - size) / 2;
    DrawStretched(SurfaceTexture(SurfaceMain), StarSource, float(right - BadgeHeight) + offset, float(top) + offset,
                  StarScale, StarScale, StarColour);
}

// A small padlock in the bottom-right corner: a body and a shackle over it.
void DrawPadlock(const OverviewTile& tile) {
    const int right = tile.x + tile.w - 8, bottom = tile.y + tile.h - 8;
    Fill(right - 20, bottom - 15, right, bottom, LockColour);
    Fill(right - 17, bottom - 25, right - 14, bottom - 15, LockColour);
    Fill(right - 6, bottom - 25, right - 3, bottom - 15, LockColour);
    Fill(right - 17, bottom - 28, right - 3, bottom - 25, LockColour);
}

// A tile is drawn in layers: the card (with its shadow), the picture, the marks on it (frame,
// badges, padlock), the text, the star. DrawLevelOverview draws one layer for every tile before
// the next: tiles lie apart (their gap is wider than a shadow), so the pixels are those of
// drawing tile by tile, with five texture changes instead of about ten a tile.
void DrawTileCard(const OverviewTile& tile, bool hot) {
    const int right = tile.x + tile.w, bottom = tile.y + tile.h;
    Card(tile.x, tile.y, right, bottom, tile.state == TileLocked ? LockedCardColour : (hot ? HotCardColour : CardColour));
}

void DrawTilePicture(const OverviewTile& tile, bool) {
    if (!OverviewHasPicture(tile.level)) return;
    DrawStretched(OverviewAtlas(), ThumbAtlasRect(OverviewPictureIndex(tile.level)), float(tile.x + PictureInset),
                  float(tile.y + PictureInset), 1.0f, 1.0f, tile.state == TileLocked ? DimmedPicture : White);
}

void DrawTileMarks(const OverviewTile& tile, bool hot) {
    Outline(tile.x, tile.y, tile.x + tile.w, tile.y + tile.h, Border, hot ? HotColour : StateColour(tile.state));
    const std::string number = std::to_string(tile.level);
    const int left = tile.x + Border, top = tile.y + Border;
    Fill(left, top, left + TextWidth(number) + 10, top + BadgeHeight, StateColour(tile.state));
    if (tile.state == TileSolved) {
        const int right = tile.x + tile.w - Border;
        Fill(right - BadgeHeight, top, right, top + BadgeHeight, SolvedColour);
    }
    if (tile.state == TileLocked) DrawPadlock(tile);
}

// A level file that cannot be read: a grey block split by a stepped crack, its right half
// dropped and pushed away, in the place of the picture. No words: the child sees a broken
// piece, not an error.
void DrawBrokenPiece(const OverviewTile& tile) {
    const int size = 56, step = 8, gap = 8, drop = 6;
    const int left = tile.x + (tile.w - size - gap) / 2, top = tile.y + (tile.h - size - drop) / 2 + 6;
    Fill(left + 3, top + size + 3, left + size + gap + 3, top + size + drop + 3, Shadow);
    // The crack moves one step right every second row as it goes down.
    for (int row = 0; row < size / step; ++row) {
        const int crack = left + 16 + row / 2 * 6;
        const int y = top + row * step;
        Fill(left, y, crack, y + step, BrokenColour);
        Fill(crack + gap, y + drop, left + size + gap, y + step + drop, BrokenColour);
    }
    // A lighter top edge on each half, as on the figures.
    Fill(left, top, left + 16, top + 3, BrokenEdgeColour);
    Fill(left + 16 + gap, top + drop, left + size + gap, top + drop + 3, BrokenEdgeColour);
}

void DrawTileText(const OverviewTile& tile, bool) {
    if (!OverviewHasPicture(tile.level)) DrawBrokenPiece(tile);
    Text(std::to_string(tile.level), tile.x + Border + 5, tile.y + Border, White);
}

void DrawTileStar(const OverviewTile& tile, bool) {
    if (tile.state == TileSolved) DrawStar(tile);
}

// An own puzzle carries the picture of the child who made it in its bottom-right corner.
void DrawTileMaker(const OverviewTile& tile, bool) {
    const int32_t maker = OverviewMaker(tile.level);
    if (maker == 0) return;
    const int right = tile.x + tile.w - Border, bottom = tile.y + tile.h - Border;
    Fill(right - MakerSize - 2, bottom - MakerSize - 2, right, bottom, White);
    DrawAnimalPicture(maker, right - MakerSize - 1, bottom - MakerSize - 1, MakerSize, White);
}

// An arrow card in the tiles' style, with the level button's arrow enlarged in its middle.
void DrawArrow(const plat::Rect& at, const plat::Rect& plain, const plat::Rect& lit, bool hot) {
    Card(at.left, at.top, at.right, at.bottom, hot ? HotCardColour : CardColour);
    Outline(at.left, at.top, at.right, at.bottom, Border, hot ? HotColour : OpenColour);
    const plat::Rect& arrow = hot ? lit : plain;
    const float width = float(arrow.right - arrow.left) * ArrowScale, height = float(arrow.bottom - arrow.top) * ArrowScale;
    DrawStretched(SurfaceTexture(SurfaceMain), arrow, float(at.left + at.right) / 2 - width / 2,
                  float(at.top + at.bottom) / 2 - height / 2, ArrowScale, ArrowScale, White);
}

// The hot tile's name on a card of its own, centred under the grid; on the own puzzles'
// pages, while no tile is hot, what the page is.
void DrawHotTileName() {
    const bool hot = g_hotButton == HotLevelTile;
    const bool ownPage = OverviewPage() >= OverviewFirstMyPage();
    const std::string name = hot ? OverviewTileName(g_overviewHotLevel) : (ownPage ? Tr("Свои картинки") : "");
    if (name.empty()) return;
    const int gridLeft = TilesLeft, gridRight = TilesLeft + TileColumns * TileWidth + (TileColumns - 1) * TileGap;
    const int width = TextWidth(name), left = (gridLeft + gridRight - width) / 2;
    const int bottom = TileNameTop + BadgeHeight + 2;
    Fill(left - 12 + 3, TileNameTop + 3, left + width + 12 + 3, bottom + 3, Shadow);
    Fill(left - 12, TileNameTop, left + width + 12, bottom, HotCardColour);
    Text(name, left, TileNameTop, NameColour);
}

}  // namespace

void DrawLevelOverview() {
    g_overviewHotLevel = 0;
    if (g_hotButton == HotNone) {
        const OverviewHit hit = OverviewHitTest(g_cursorX, g_cursorY);
        g_hotButton = hit.hot;
        g_overviewHotLevel = hit.level;
    }
    if (!g_sprite) return;
    for (auto layer : {DrawTileCard, DrawTilePicture, DrawTileMarks, DrawTileText, DrawTileStar, DrawTileMaker})
        for (const OverviewTile& tile : OverviewTiles())
            layer(tile, g_hotButton == HotLevelTile && g_overviewHotLevel == tile.level);
    if (OverviewHasPrevPage()) DrawArrow(PagePrevRect, PrevArrow, PrevArrowLit, g_hotButton == HotPagePrev);
    if (OverviewHasNextPage()) DrawArrow(PageNextRect, NextArrow, NextArrowLit, g_hotButton == HotPageNext);
    DrawHotTileName();
}
