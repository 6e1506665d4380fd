// The chooser screen: tiles of the children's pictures in rows of up to four, centred.
#include "menus/profile_chooser.h"

#include <algorithm>
#include <string>

#include "core/game_state.h"
#include "core/i18n.h"
#include "core/profiles.h"
#include "input/input.h"
#include "menus/menu_screen.h"
#include "platform/matrix.h"
#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

constexpr int kPerRow = 4;
constexpr int kGap = 48;
constexpr int kFirstRowTop = 280;
constexpr int kRowStep = ProfileTileSize + 90;   // room for a name under each picture
constexpr int kSheetColumns = 5;                 // the generator's cells, five to a row
constexpr int kAddCell = AnimalPictureCount;     // the "+" picture follows the animals
constexpr uint32_t kOpaque = 0xFFFFFFFF;
constexpr uint32_t kQuiet = 0xFFD0D0D0;          // tiles not under the cursor, a little dimmed
constexpr int kLift = 10;                        // a hovered tile rises

int g_chooserHotTile = -1;

bool Inside(int x, int y, int left, int top, int size = ProfileTileSize) {
    return x > left && x < left + size && y > top && y < top + size;
}

void DrawCell(int cell, int x, int y, uint32_t colour) {
    const int left = (cell % kSheetColumns) * ProfileTileSize, top = (cell / kSheetColumns) * ProfileTileSize;
    DrawSheet(SurfaceAnimals, left, top, left + ProfileTileSize, top + ProfileTileSize, x, y, colour);
}

// The same picture drawn `size` wide: the sprite's scale shrinks for this one draw.
void DrawCellSized(int cell, int x, int y, int size, uint32_t colour) {
    if (!g_sprite) return;
    const float k = float(size) / float(ProfileTileSize);
    g_sprite->SetTransform(plat::MatrixScaling(g_scaleX * k, g_scaleY * k, g_scaleZ));
    DrawCell(cell, int(float(x) / k), int(float(y) / k), colour);
    g_sprite->SetTransform(plat::MatrixScaling(g_scaleX, g_scaleY, g_scaleZ));
}

void DrawCentredText(plat::Font* font, const std::string& text, int centreX, int top, uint32_t colour) {
    if (!font || !g_sprite || text.empty()) return;
    const int width = font->MeasureWidth(text);
    plat::Rect r;
    plat::SetRect(r, centreX - width / 2 - 2, top, centreX + width / 2 + 4, top + font->height() + 8);
    font->DrawText(g_sprite.get(), text, r, plat::DT_LEFT_TOP, colour);
}

}  // namespace

void DrawAnimalPicture(int picture, int x, int y, int size, uint32_t colour) {
    if (picture >= 1 && picture <= AnimalPictureCount) DrawCellSized(picture - 1, x, y, size, colour);
}

int ChooserTileCount() {
    const int children = static_cast<int>(g_profiles.profiles.size());
    return children < MaxProfiles ? children + 1 : children;
}

int ChooserAddTile() {
    const int children = static_cast<int>(g_profiles.profiles.size());
    return children < MaxProfiles ? children : -1;
}

TileRect ChooserTile(int index) {
    const int count = ChooserTileCount();
    const int row = index / kPerRow;
    const int inRow = std::min(kPerRow, count - row * kPerRow);
    const int width = inRow * ProfileTileSize + (inRow - 1) * kGap;
    return TileRect{(VirtualWidth - width) / 2 + (index % kPerRow) * (ProfileTileSize + kGap), kFirstRowTop + row * kRowStep};
}

int ChooserHotTile() { return g_chooserHotTile; }

void DrawProfileChooser() {
    BeginMenuScreen();
    g_hotButton = HotNone;
    g_chooserHotTile = -1;
    const int count = ChooserTileCount();
    for (int i = 0; i < count; ++i) {
        const TileRect t = ChooserTile(i);
        if (Inside(g_cursorX, g_cursorY, t.left, t.top)) {
            g_chooserHotTile = i;
            g_hotButton = HotProfileTile;
        }
    }
    const bool backHot = g_cursorX > 1230 && g_cursorY < 50;
    if (backHot) g_hotButton = HotBack;
    DrawCentredText(g_fontLarge.get(), Tr("Кто играет?"), VirtualWidth / 2, 150, kOpaque);
    for (int i = 0; i < count; ++i) {
        const TileRect t = ChooserTile(i);
        const bool hot = i == g_chooserHotTile;
        const bool add = i == ChooserAddTile();
        const int cell = add ? kAddCell : g_profiles.profiles[static_cast<size_t>(i)].picture - 1;
        DrawCell(cell, t.left, t.top - (hot ? kLift : 0), hot ? kOpaque : kQuiet);
        if (!add) DrawCentredText(g_fontNormal.get(), g_profiles.profiles[static_cast<size_t>(i)].name,
                                  t.left + ProfileTileSize / 2, t.top + ProfileTileSize + 8, kOpaque);
    }
    DrawCornerButton(backHot);
}

void DrawMenuPicture() {
    const Profile* child = CurrentProfile();
    if (!child) return;
    const bool hot = g_hotButton == HotNone && Inside(g_cursorX, g_cursorY, MenuPictureX, MenuPictureY, MenuPictureSize);
    if (hot) g_hotButton = HotProfilePicture;
    DrawCellSized(child->picture - 1, MenuPictureX, MenuPictureY - (hot ? kLift : 0), MenuPictureSize,
                  hot ? kOpaque : kQuiet);
    DrawCentredText(g_fontNormal.get(), child->name, MenuPictureX + MenuPictureSize / 2,
                    MenuPictureY + MenuPictureSize + 4, kOpaque);
}
