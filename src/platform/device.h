#pragma once
// The graphics device: an off-screen back buffer of the chosen size, presented scaled into the
// window with its aspect kept. 2D scenes draw single-sampled; a scene that asks for it (the 3D
// intro) draws into a multisampled target with depth, resolved when the scene ends. Without
// framebuffer objects the game draws straight into the window's letterboxed buffer.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/types.h"

namespace plat {

class Window;

struct PresentParams {
    int width = 800;
    int height = 600;
    int multiSample = 0;   // 0, or the samples a scene gets when it asks for multisampling
    bool vsync = true;
};

enum class CooperativeLevel { Ok, Lost, NotReset };

// Where a back buffer of w x h lands in a drawable of dw x dh: the largest rectangle with the
// back buffer's aspect that fits, centred. GL convention: x0, y0 from the bottom-left.
struct ViewRect {
    int x0 = 0, y0 = 0, width = 0, height = 0;
};
ViewRect LetterboxRect(int w, int h, int dw, int dh);

class Device {
public:
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Creates the back buffer on the window's GL context.
    static HRESULT Create(Window& window, const PresentParams& params, std::unique_ptr<Device>& out);

    HRESULT TestCooperativeLevel() const;
    HRESULT BeginScene();
    // Draws the rest of this scene multisampled, when the device has samples to give; call
    // right after BeginScene, before the scene's Clear. Returns whether it does.
    bool UseMultisampling();
    HRESULT EndScene();
    // Clears colour (0xAARRGGBB) and depth of the back buffer.
    HRESULT Clear(uint32_t color, float depth = 1.0f);
    // Shows the back buffer in the window, scaled with its aspect kept.
    HRESULT Present();

    int width() const { return params_.width; }
    int height() const { return params_.height; }
    int multiSample() const { return params_.multiSample; }
    // True while the multisampled target exists (made by a scene that asked for it).
    bool holdsMultisampleTarget() const { return msFbo_ != 0; }
    // True while this scene draws into the multisampled target.
    bool multisampled() const { return multisampled_; }
    // True when drawing goes straight into the window (no framebuffer objects).
    bool direct() const { return direct_; }
    Window& window() const { return window_; }

    // Copies the back buffer as 0xAARRGGBB rows, top row first.
    bool ReadBackBuffer(std::vector<uint32_t>& pixels) const;

    // Scripted runs and tests simulate losing the device (a task switch on the original
    // platform): while lost, TestCooperativeLevel reports D3DERR_DEVICELOST; after `reset`
    // it reports D3DERR_DEVICENOTRESET until the device is rebuilt.
    static void SimulateLoss(CooperativeLevel level);
    static CooperativeLevel SimulatedLevel();

    // Waits until everything drawn so far is in the back buffer (benchmarks).
    void Finish() const;

    // Binds the back buffer as the render target (needed after another target was used).
    void BindBackBuffer() const;
    // Sets the viewport that maps the back buffer's pixels onto the current target.
    void SetViewport() const;

private:
    Device(Window& window, const PresentParams& params) : window_(window), params_(params) {}
    bool MakeTargets();
    bool MakeMultisampleTarget();
    void ReleaseMultisampleTarget();
    void Resolve() const;
    void DrawToWindow() const;
    ViewRect WindowRect() const;
    Window& window_;
    PresentParams params_;
    bool direct_ = false;                                 // drawing into the window itself
    unsigned fbo_ = 0, colorTex_ = 0, depthRb_ = 0;       // the single-sample back buffer
    unsigned msFbo_ = 0, msColorRb_ = 0, msDepthRb_ = 0;  // made when a scene first asks
    bool multisampled_ = false;                           // this scene draws into msFbo_
    bool lastSceneMultisampled_ = false;
    bool inScene_ = false;
};

}  // namespace plat
