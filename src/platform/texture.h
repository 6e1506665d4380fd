#pragma once
// GPU textures made from picture files. A texture may keep its pixels in memory
// (the shape mask is read pixel by pixel every frame).
#include <memory>
#include <string>

#include "platform/image.h"
#include "platform/types.h"

namespace plat {

class Device;

class Texture {
public:
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    unsigned glName() const { return glName_; }
    // The decoded pixels, kept only when asked for at creation; empty otherwise.
    const Image& pixels() const { return pixels_; }

    static std::unique_ptr<Texture> FromImage(const Image& image, bool keepPixels);
    // An uninitialised w x h texture to draw into, sampled texel for texel (no filtering).
    // Without a context it has no GL name.
    static std::unique_ptr<Texture> Blank(int w, int h);

private:
    Texture() = default;
    unsigned glName_ = 0;
    int width_ = 0;
    int height_ = 0;
    Image pixels_;
};

// Loads a PNG or DDS file. Fails with E_FAIL when the file is missing or unreadable,
// D3DERR_NOTAVAILABLE when no device exists; `error` then names the file and the reason.
HRESULT CreateTextureFromFile(Device* device, const std::string& path, std::unique_ptr<Texture>& out,
                              bool keepPixels = false, std::string* error = nullptr);

}  // namespace plat
