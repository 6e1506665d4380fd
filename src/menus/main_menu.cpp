// The main menu: the two boxes as large pictures, the quit button, a cloud of stars over
// the hovered box (or a band of stars along the bottom when nothing is hovered).
#include "menus/menu_targets.h"
#include "core/game_state.h"
#include "core/parent_state.h"
#include "core/settings.h"
#include "core/state_dump.h"
#include "input/input.h"
#include "menus/card_draw.h"
#include "menus/level_overview.h"
#include "menus/parent_gate.h"
#include "menus/menu_screen.h"
#include "menus/menus.h"
#include "menus/profile_chooser.h"
#include "menus/sound_button.h"
#include "render/sprite_idiom.h"
#include "render/stars.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"

bool g_menuJingleStarted = false;

namespace {

constexpr uint32_t Opaque = 0xFFFFFFFF;
// The stars of a spawn pass only ever use the first 61 of a set.
constexpr int MenuStarCount = 61;

// The speaker's zone is the menu's own: the shared zones stay as they are.
void ScanSoundButton() {
    if (g_hotButton == HotNone && g_cursorX > SoundZoneLeft && g_cursorX < SoundZoneRight &&
        g_cursorY > SoundZoneTop && g_cursorY < SoundZoneBottom)
        g_hotButton = HotSound;
}

// The parent button: a small card with a star in the top-left corner, away from the boxes
// and from the buttons a child uses. It only opens the gate.
constexpr int ParentZoneLeft = 0, ParentZoneRight = 50, ParentZoneTop = 0, ParentZoneBottom = 50;

void ScanParentButton() {
    if (g_hotButton == HotNone && g_cursorX > ParentZoneLeft && g_cursorX < ParentZoneRight &&
        g_cursorY > ParentZoneTop && g_cursorY < ParentZoneBottom)
        g_hotButton = HotParent;
}

void DrawParentButton() {
    const bool lit = g_hotButton == HotParent;
    Card(6, 6, 46, 46, lit ? 0xFFFFF6C8 : 0xC8FFFFFF);
    Outline(6, 6, 46, 46, 2, lit ? 0xFFFFC000 : 0xFFF08018);
    StarSprite(10, 10, 32, lit ? 0xFFFFD21E : 0xC0FFD21E);
}

int SoundButtonLook() {
    if (g_settings.music) return g_settings.effects ? SoundLookAllOn : SoundLookEffectsOff;
    return g_settings.effects ? SoundLookMusicOff : SoundLookAllOff;
}

void DrawSoundButton() {
    const int left = SoundSheetLeft(SoundButtonLook(), g_hotButton == HotSound);
    DrawSheet(SurfaceMain, left, SoundSheetY, left + SoundButtonSize, SoundSheetY + SoundButtonSize, SoundButtonX,
              SoundButtonY, Opaque);
}

void DrawBoxes() {
    DrawSheet(SurfaceMenu, 0, 0, 517, 360, 72, 168, Opaque);
    DrawSheet(SurfaceMenu, 0, 364, 510, 899, 566, 306, Opaque);
}

// Highlight and stars for what the cursor is over.
void DrawHover() {
    switch (g_hotButton) {
    case HotNone:
        SpawnStars(g_stars2, MenuStarCount, 1158, 56, 115, 820);
        break;
    case HotChoice1:
        DrawSheet(SurfaceMain, 1281, 0, 1670, 330, 167, 169, Opaque);
        SpawnStars(g_stars1, MenuStarCount, 318, 230, 300, 176);
        break;
    case HotChoice2:
        DrawSheet(SurfaceMain, 1281, 330, 1740, 780, 621, 304, Opaque);
        SpawnStars(g_stars1, MenuStarCount, 360, 708, 310, 354);
        break;
    case HotBack:
        DrawCornerButton(true);
        break;
    case HotSound:
        break;   // lit by DrawSoundButton
    default:
        break;
    }
}

}  // namespace

void drawmenu0() {
    CheckActiveSounds();
    if (!g_menuJingleStarted) {
        // Only the very first visit greets the player; a failed load just stays silent.
        StartMenuJingle();
        g_menuJingleStarted = true;
    }
    BeginMenuScreen();
    g_hotButton = HotNone;
    DrawBoxes();
    ScanMousePosition();
    ScanSoundButton();
    DrawMenuPicture();
    ScanParentButton();
    DrawHover();
    if (g_hotButton != HotBack) DrawCornerButton(false);
    DrawSoundButton();
    DrawParentButton();
    drawstars();
    drawstars_2();
    DrawMenuHighlight();
}

void DumpMenus(StateDump& dump) {
    dump.SetInt("g_menuJingleStarted", g_menuJingleStarted ? 1 : 0);
    dump.SetInt("parentCorner", g_parentCorner);
    dump.SetInt("kiosk", g_kiosk ? 1 : 0);
    dump.SetInt("newGameAsked", g_newGameAsked);
    DumpParentGate(dump);
    DumpLevelOverview(dump);
}
