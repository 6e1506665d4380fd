// The keep button: its picture from the main sheet, and for a moment the answer over it.
#include "render/keep_draw.h"

#include "render/keep_art.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

void DrawLook(KeepLook look) {
    const int left = KeepSheetLeft(look);
    DrawSheet(SurfaceMain, left, KeepSheetY, left + KeepButtonSize, KeepSheetY + KeepButtonSize, KeepButtonX, KeepButtonY,
              0xFFFFFFFF);
}

}  // namespace

void DrawKeepButton(bool hot, int32_t answer) {
    if (answer == 0) {
        DrawLook(hot ? KeepLookLit : KeepLookUnlit);
        return;
    }
    DrawLook(answer == 1 ? KeepLookKept : KeepLookNotKept);
}
