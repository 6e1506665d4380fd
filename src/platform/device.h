#pragma once
// The graphics device: an off-screen back buffer of the chosen size (optionally multisampled)
// with a depth buffer, presented scaled into the window with its aspect kept.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/types.h"

namespace plat {

class Window;

struct PresentParams {
    int width = 800;
    int height = 600;
    int multiSample = 0;   // 0 or 4
    bool vsync = true;
};

enum class CooperativeLevel { Ok, Lost, NotReset };

class Device {
public:
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Creates the back buffer on the window's GL context.
    static HRESULT Create(Window& window, const PresentParams& params, std::unique_ptr<Device>& out);

    HRESULT TestCooperativeLevel() const;
    HRESULT BeginScene();
    HRESULT EndScene();
    // Clears colour (0xAARRGGBB) and depth of the back buffer.
    HRESULT Clear(uint32_t color, float depth = 1.0f);
    // Shows the back buffer in the window, scaled with its aspect kept.
    HRESULT Present();

    int width() const { return params_.width; }
    int height() const { return params_.height; }
    int multiSample() const { return params_.multiSample; }
    Window& window() const { return window_; }

    // Copies the back buffer as 0xAARRGGBB rows, top row first.
    bool ReadBackBuffer(std::vector<uint32_t>& pixels) const;

    // Scripted runs and tests simulate losing the device (a task switch on the original
    // platform): while lost, TestCooperativeLevel reports D3DERR_DEVICELOST; after `reset`
    // it reports D3DERR_DEVICENOTRESET until the device is rebuilt.
    static void SimulateLoss(CooperativeLevel level);
    static CooperativeLevel SimulatedLevel();

    // Binds the back buffer as the render target (needed after another target was used).
    void BindBackBuffer() const;

private:
    Device(Window& window, const PresentParams& params) : window_(window), params_(params) {}
    Window& window_;
    PresentParams params_;
    unsigned fbo_ = 0, colorRb_ = 0, depthRb_ = 0;      // multisampled or plain target
    unsigned resolveFbo_ = 0, resolveTex_ = 0;          // single-sample copy for present/readback
    bool inScene_ = false;
};

}  // namespace plat
