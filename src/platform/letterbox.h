#pragma once
// Where the game picture lies in the window: the largest rectangle of the picture's aspect
// that fits the drawable, centred, with bars on the rest. Presenting a frame and mapping the
// pointer back into the picture use the same rectangle, so the cursor lands where it is drawn.

namespace plat {

// In drawable pixels, origin top-left.
struct PictureRect {
    int x = 0, y = 0;
    int width = 0, height = 0;
};

PictureRect FitLetterbox(int drawableWidth, int drawableHeight, int pictureWidth, int pictureHeight);

// Sizes a pointer position needs: the window in its own (logical) units, which is what the
// pointer reports, the drawable in pixels (larger on HiDPI displays), and the picture.
struct PointerSpace {
    int windowWidth = 0, windowHeight = 0;
    int drawableWidth = 0, drawableHeight = 0;
    int pictureWidth = 0, pictureHeight = 0;
};

// A pointer position in window units to the picture's pixels (fractional). Positions on
// the bars come out below 0 or beyond the picture's size; the game clamps them.
// False when a size is not known yet (nothing to map into).
bool PointerToPicture(const PointerSpace& space, double windowX, double windowY, double& pictureX, double& pictureY);

}  // namespace plat
