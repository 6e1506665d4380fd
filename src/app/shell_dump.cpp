// The shell's part of the state dump, and the whole dump in subsystem order.
#include "core/keep_result.h"
#include "core/my_levels.h"
#include "core/state_dump.h"

#include "app/form.h"
#include "app/frame_loop.h"
#include "core/game_state.h"
#include "core/child_settings.h"
#include "core/profiles.h"
#include "core/i18n.h"
#include "core/settings.h"
#include "core/timing.h"
#include "input/focus.h"
#include "render/graphics.h"
#include "render/shown_text.h"
#include "render/texture_catalog.h"

void DumpShell(StateDump& dump) {
    dump.SetInt("g_screenState", g_screenState);
    dump.SetInt("g_hotButton", g_hotButton);
    dump.SetInt("g_currentLevel", g_currentLevel);
    dump.SetInt("g_maxCompletedLevel", g_maxCompletedLevel);
    dump.SetInt("g_levelDone", g_levelDone);
    dump.SetInt("g_saveExists", g_saveExists);
    dump.SetString("g_levelPathPrefix", g_levelPathPrefix);
    dump.SetInt("g_clickLatch", g_clickLatch);
    dump.SetInt("g_introActive", g_introActive);
    dump.SetInt("g_cursorX", g_cursorX);
    dump.SetInt("g_cursorY", g_cursorY);
    dump.SetInt("g_hr", g_hr);
    dump.SetInt("g_clearColor", g_clearColor);
    dump.SetInt("g_gameStarted", g_gameStarted ? 1 : 0);
    dump.SetInt("FRunning", Form1 ? Form1->FRunning : 0);
    DumpFocus(dump);
    dump.SetInt("g_drag.state", g_drag.state);
    dump.SetInt("g_drag.homeX", g_drag.homeX);
    dump.SetInt("g_drag.homeY", g_drag.homeY);
    dump.SetInt("g_drag.x", g_drag.x);
    dump.SetInt("g_drag.y", g_drag.y);
    dump.SetInt("g_drag.figure", g_drag.figure);
    dump.SetInt("g_returning", g_returning);
    dump.SetInt("g_dropResolved", g_dropResolved);
    dump.SetInt("g_layerColour", g_layerColour);
    dump.SetInt("g_pulseRising", g_pulseRising);
    dump.SetInt("g_levelLocked", g_levelLocked);
    dump.SetInt("g_fieldRect.left", g_fieldRect.left);
    dump.SetInt("g_fieldRect.right", g_fieldRect.right);
    dump.SetInt("g_fieldRect.top", g_fieldRect.top);
    dump.SetInt("g_fieldRect.bottom", g_fieldRect.bottom);
    dump.SetInt("g_screenWidth", g_screenWidth);
    dump.SetInt("g_screenHeight", g_screenHeight);
    dump.SetInt("g_resolutionIndex", g_resolutionIndex);
    dump.SetInt("g_ticksPerSecond", g_ticksPerSecond);
    dump.SetInt("framesDrawn", g_framesDrawn);
    dump.SetInt("deviceRebuilds", g_deviceRebuilds);
    // What the graphics hold: catalogue entries with a texture (bit per entry), the intro's target.
    int64_t sheets = 0;
    for (size_t k = 0; k < g_surfaces.size() && k < 32; ++k)
        if (g_surfaces[k].texture) sheets |= int64_t(1) << k;
    dump.SetInt("sheetsLoaded", sheets);
    dump.SetInt("multisampleTarget", g_device && g_device->holdsMultisampleTarget() ? 1 : 0);
    // The player's switches and the window as it is.
    dump.SetInt("settings.music", g_settings.music ? 1 : 0);
    dump.SetInt("settings.effects", g_settings.effects ? 1 : 0);
    dump.SetInt("settings.fullscreen", g_settings.fullscreen ? 1 : 0);
    dump.SetInt("settings.musicVolume", g_settings.musicVolume);
    dump.SetInt("settings.effectsVolume", g_settings.effectsVolume);
    dump.SetInt("settings.hintAfterSeconds", g_settings.hintAfterSeconds);
    dump.SetInt("settings.allLevelsOpen", g_settings.allLevelsOpen ? 1 : 0);
    dump.SetInt("window.fullscreen", Form1 && Form1->window.fullscreen() ? 1 : 0);
    // The language and what the player read in the last frame drawn.
    dump.SetString("gameLanguage", CurrentLanguage());
    dump.SetString("settings.language", g_settings.language);
    dump.SetString("windowTitle", Form1 ? Form1->window.title() : "");
    std::string texts = "[", shrunk = "[", tooLong = "[";
    for (const ShownText& shown : TextsDrawnLastFrame()) {
        texts += (texts.size() > 1 ? "," : "") + JsonString(shown.text);
        if (shown.scale < 1.0f) {
            std::string& list = shown.scale > 0.0f ? shrunk : tooLong;
            list += (list.size() > 1 ? "," : "") + JsonString(shown.text);
        }
    }
    dump.SetRaw("textsDrawn", texts + "]");
    // Drawn smaller to fit their boxes, and those too long even at the smallest size.
    dump.SetRaw("textsShrunk", shrunk + "]");
    dump.SetRaw("textsTooLong", tooLong + "]");
    DumpProfiles(dump);
}

// The children: [{id, picture, name}] and who plays (0 while profiles are not in use).
void DumpProfiles(StateDump& dump) {
    std::string list = "[";
    for (const Profile& p : g_profiles.profiles) {
        if (list.size() > 1) list += ",";
        list += "{\"id\":" + std::to_string(p.id) + ",\"picture\":" + std::to_string(p.picture) +
                ",\"name\":" + JsonString(p.name) + "}";
    }
    dump.SetRaw("profiles", list + "]");
    const Profile* current = CurrentProfile();
    dump.SetInt("currentProfile", current ? current->id : 0);
    dump.SetInt("childSettings.hintAfterSeconds", g_childSettings.hintAfterSeconds);
    dump.SetInt("childSettings.allLevelsOpen", g_childSettings.allLevelsOpen);
}

StateDump BuildStateDump() {
    StateDump dump;
    DumpShell(dump);
    DumpBox1(dump);
    DumpBox2(dump);
    DumpHint(dump);
    DumpSound(dump);
    DumpStars(dump);
    DumpMenus(dump);
    DumpMyLevels(dump);
    DumpKeep(dump);
    DumpModel(dump);
    return dump;
}
