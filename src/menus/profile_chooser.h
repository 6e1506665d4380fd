#pragma once
// "Who is playing?": a tile with each child's picture and one to add a child, and the
// current child's picture on the main menu. Places and hit tests; the clicks are the app's.
#include <cstdint>

struct TileRect {
    int left = 0, top = 0;   // the picture's size is ProfileTileSize each way
};
constexpr int ProfileTileSize = 200;
// The main menu's picture of the child playing, smaller, in the sky below box 1.
constexpr int MenuPictureX = 110, MenuPictureY = 548, MenuPictureSize = 140;

// The chooser's tiles: the children in list order, then the "+" tile while fewer than six.
int ChooserTileCount();
TileRect ChooserTile(int index);
// The tile under the cursor after the chooser was drawn, or -1.
int ChooserHotTile();
// The tile index of the "+" tile, or -1 when six children are there.
int ChooserAddTile();

void DrawProfileChooser();
// A child's picture (1..AnimalPictureCount) `size` wide at (x, y); other numbers draw nothing.
void DrawAnimalPicture(int picture, int x, int y, int size, uint32_t colour);
// On the main menu, when profiles are in use: the picture, lit when hovered, sets HotProfilePicture.
void DrawMenuPicture();
