// Drawing the level overview: a card per tile with the level's picture, its number on a
// badge, a star when solved and a padlock when locked; the page arrows beside the grid and
// the name of the tile under the cursor below it.
#include <string>

#include "core/game_state.h"
#include "core/level_names.h"
#include "menus/level_overview.h"
#include "menus/thumb_atlas.h"
#include "platform/matrix.h"
#include "platform/texture.h"
#include "render/graphics.h"
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
constexpr uint32_t NameColour = 0xFF3C3C3C;
constexpr uint32_t BrokenColour = 0xFF9C9C9C;   // the broken piece of an unreadable level
constexpr int Border = 3;
constexpr int PictureInset = 4;
constexpr int BadgeHeight = 28;
constexpr float TextScale = 1.3f;
constexpr float ArrowScale = 1.5f;
// The star of the star bursts on the main sheet.
constexpr plat::Rect StarSource{2000, 0, 2048, 48};
constexpr float StarScale = 0.5f;
// The next and previous level buttons of the box screens, plain and lit.
constexpr plat::Rect PrevArrow{1429, 980, 1459, 1024}, PrevArrowLit{1460, 980, 1490, 1024};
constexpr plat::Rect NextArrow{1365, 980, 1395, 1024}, NextArrowLit{1397, 980, 1428, 1024};

// Runs `draw` with (0, 0) moved to (x, y) and everything stretched by (sx, sy), under the
// screen's own transform.
template <typename Draw>
void Stretched(float x, float y, float sx, float sy, Draw draw) {
    const plat::Matrix screen = g_sprite->GetTransform();
    plat::Matrix local = plat::MatrixScaling(sx, sy, 1.0f);
    local.m[3][0] = x;
    local.m[3][1] = y;
    g_sprite->SetTransform(plat::MatrixMultiply(local, screen));
    draw();
    g_sprite->SetTransform(screen);
}

void DrawStretched(const plat::Texture* texture, const plat::Rect& source, float x, float y, float sx, float sy,
                   uint32_t colour) {
    Stretched(x, y, sx, sy, [&] { g_sprite->Draw(texture, &source, nullptr, nullptr, colour); });
}

void Fill(int left, int top, int right, int bottom, uint32_t colour) {
    if (right <= left || bottom <= top) return;
    DrawStretched(SurfaceTexture(SurfacePen), plat::Rect{0, 0, 1, 1}, float(left), float(top), float(right - left),
                  float(bottom - top), colour);
}

void Outline(int left, int top, int right, int bottom, int width, uint32_t colour) {
    Fill(left, top, right, top + width, colour);
    Fill(left, bottom - width, right, bottom, colour);
    Fill(left, top + width, left + width, bottom - width, colour);
    Fill(right - width, top + width, right, bottom - width, colour);
}

int TextWidth(const std::string& text) {
    const int width = g_fontLarge ? g_fontLarge->MeasureWidth(text) : 10 * int(text.size());
    return static_cast<int>(width * TextScale);
}

// The large font, enlarged so that numbers stay legible at 800 x 600.
void Text(const std::string& text, int x, int y, uint32_t colour) {
    if (!g_fontLarge) return;
    const plat::Rect room{0, 0, g_fontLarge->MeasureWidth(text) + 4, g_fontLarge->height() + 4};
    Stretched(float(x), float(y), TextScale, TextScale,
              [&] { g_fontLarge->DrawText(g_sprite.get(), text, room, plat::DT_LEFT_TOP, colour); });
}

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
    Fill(tile.x + 3, tile.y + 3, right + 3, bottom + 3, Shadow);
    const uint32_t card = tile.state == TileLocked ? LockedCardColour : (hot ? HotCardColour : CardColour);
    Fill(tile.x, tile.y, right, bottom, card);
}

void DrawTilePicture(const OverviewTile& tile, bool) {
    if (!OverviewHasPicture(tile.level)) return;
    DrawStretched(OverviewAtlas(), ThumbAtlasRect(tile.level - 1), float(tile.x + PictureInset),
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

// A level file that cannot be read: a grey block split by a stepped crack, its halves pushed
// apart, in the place of the picture. No words: the child sees a broken piece, not an error.
void DrawBrokenPiece(const OverviewTile& tile) {
    const int size = 56, step = 8;
    const int left = tile.x + (tile.w - size) / 2, top = tile.y + (tile.h - size) / 2 + 6;
    // Each row of the crack moves one step right as it goes down; the left half ends at the
    // crack, the right half starts a gap after it and sits a little lower.
    for (int row = 0; row < size / step; ++row) {
        const int crack = left + 14 + (row % 2 == 0 ? row : row - 1) * 3;
        const int y = top + row * step;
        Fill(left, y, crack, y + step, BrokenColour);
        Fill(crack + 6, y + 3, left + size + 6, y + step + 3, BrokenColour);
    }
    Fill(left, top + size, left + size + 6, top + size + 3, Shadow);
}

void DrawTileText(const OverviewTile& tile, bool) {
    if (!OverviewHasPicture(tile.level)) DrawBrokenPiece(tile);
    Text(std::to_string(tile.level), tile.x + Border + 5, tile.y + Border, White);
}

void DrawTileStar(const OverviewTile& tile, bool) {
    if (tile.state == TileSolved) DrawStar(tile);
}

// An arrow card in the tiles' style, with the level button's arrow enlarged in its middle.
void DrawArrow(const plat::Rect& at, const plat::Rect& plain, const plat::Rect& lit, bool hot) {
    Fill(at.left + 3, at.top + 3, at.right + 3, at.bottom + 3, Shadow);
    Fill(at.left, at.top, at.right, at.bottom, hot ? HotCardColour : CardColour);
    Outline(at.left, at.top, at.right, at.bottom, Border, hot ? HotColour : OpenColour);
    const plat::Rect& arrow = hot ? lit : plain;
    const float width = float(arrow.right - arrow.left) * ArrowScale, height = float(arrow.bottom - arrow.top) * ArrowScale;
    DrawStretched(SurfaceTexture(SurfaceMain), arrow, float(at.left + at.right) / 2 - width / 2,
                  float(at.top + at.bottom) / 2 - height / 2, ArrowScale, ArrowScale, White);
}

// The hot tile's name on a card of its own, centred under the grid.
void DrawHotTileName() {
    const std::string name = LevelName(OverviewBox(), g_overviewHotLevel);
    if (g_hotButton != HotLevelTile || name.empty()) return;
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
    for (auto layer : {DrawTileCard, DrawTilePicture, DrawTileMarks, DrawTileText, DrawTileStar})
        for (const OverviewTile& tile : OverviewTiles())
            layer(tile, g_hotButton == HotLevelTile && g_overviewHotLevel == tile.level);
    if (OverviewHasPrevPage()) DrawArrow(PagePrevRect, PrevArrow, PrevArrowLit, g_hotButton == HotPagePrev);
    if (OverviewHasNextPage()) DrawArrow(PageNextRect, NextArrow, NextArrowLit, g_hotButton == HotPageNext);
    DrawHotTileName();
}
