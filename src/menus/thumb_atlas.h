#pragma once
// All small pictures of an overview drawn on the CPU into one picture, so each tile is one
// well-filtered quad: the figure sheets have no mipmaps, and a sample shrunk ten times by
// the GPU alone would lose its outlines.
#include <vector>

#include "menus/level_thumbs.h"
#include "platform/image.h"
#include "platform/types.h"

// A picture's room in the atlas, in texels; at 1280 x 1024 one texel is one screen pixel.
constexpr int ThumbWidth = 100;
constexpr int ThumbHeight = 92;
constexpr int AtlasColumns = 10;
// Pictures are shrunk to fit; small ones are enlarged, but never beyond this, where the
// figures' outlines would start to blur.
constexpr double MaxThumbScale = 1.5;

// Thumb i goes to column i % AtlasColumns, row i / AtlasColumns, fitted and centred. Pieces
// whose source lies outside the sheet are left out.
plat::Image ComposeThumbAtlas(const std::vector<LevelThumb>& thumbs, const plat::Image& sheet);
plat::Rect ThumbAtlasRect(int index);
