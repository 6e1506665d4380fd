#include "platform/letterbox.h"

#include <algorithm>

namespace plat {

PictureRect FitLetterbox(int drawableWidth, int drawableHeight, int pictureWidth, int pictureHeight) {
    PictureRect r;
    if (drawableWidth <= 0 || drawableHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return r;
    const double scale = std::min(double(drawableWidth) / pictureWidth, double(drawableHeight) / pictureHeight);
    r.width = std::clamp(int(pictureWidth * scale + 0.5), 1, drawableWidth);
    r.height = std::clamp(int(pictureHeight * scale + 0.5), 1, drawableHeight);
    r.x = (drawableWidth - r.width) / 2;
    r.y = (drawableHeight - r.height) / 2;
    return r;
}

bool PointerToPicture(const PointerSpace& s, double windowX, double windowY, double& pictureX, double& pictureY) {
    if (s.windowWidth <= 0 || s.windowHeight <= 0 || s.drawableWidth <= 0 || s.drawableHeight <= 0) return false;
    const PictureRect r = FitLetterbox(s.drawableWidth, s.drawableHeight, s.pictureWidth, s.pictureHeight);
    if (r.width <= 0 || r.height <= 0) return false;
    // Window units to drawable pixels (1:1 unless the display is HiDPI).
    const double dx = windowX * s.drawableWidth / s.windowWidth;
    const double dy = windowY * s.drawableHeight / s.windowHeight;
    pictureX = (dx - r.x) * s.pictureWidth / r.width;
    pictureY = (dy - r.y) * s.pictureHeight / r.height;
    return true;
}

}  // namespace plat
