#pragma once
// An off-screen picture of the back buffer's size that the sprite batch can draw into and
// then draw from, for what stays the same from frame to frame. Needs framebuffer objects.
#include <memory>

#include "platform/texture.h"

namespace plat {

class Device;

class RenderTarget {
public:
    ~RenderTarget();
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    // Null when the device draws straight into the window or the target cannot be made.
    static std::unique_ptr<RenderTarget> Create(const Device& device);

    // Sends the draws that follow here, starting from fully transparent pixels; the device's
    // BindBackBuffer sends them back. Rows are stored bottom first, as GL keeps them.
    void BindAndClear() const;
    const Texture& texture() const { return *texture_; }

private:
    RenderTarget() = default;
    unsigned fbo_ = 0;
    std::unique_ptr<Texture> texture_;
};

}  // namespace plat
