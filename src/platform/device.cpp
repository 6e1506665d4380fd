// The device draws into an off-screen framebuffer of the chosen back-buffer size; Present
// draws it into whatever the window's drawable is, keeping the aspect with black bars.
//
// Only what OpenGL 2.1 offers is used: framebuffer objects through whichever of OpenGL 3.0,
// ARB_framebuffer_object or EXT_framebuffer_object the context has, and a textured quad in
// fixed function to present. Without framebuffer objects the game draws directly into the
// window, its viewport set to the letterbox rectangle.
#include "platform/device.h"

#include <algorithm>

#include "platform/gl_caps.h"
#include "platform/gl_util.h"
#include "platform/letterbox.h"
#include "platform/window.h"

namespace plat {

namespace {

CooperativeLevel g_simulatedLevel = CooperativeLevel::Ok;

const FramebufferFns& Fbo() { return CurrentGlCaps().fbo; }

// Depth-mask, scissor and clear values that Clear/Present touch and hand back.
struct SavedClearState {
    GLboolean depthMask = GL_TRUE;
    GLboolean scissor = GL_FALSE;
    GLfloat clearColor[4] = {};
    GLfloat clearDepth = 1.0f;
    void Save() {
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
        scissor = glIsEnabled(GL_SCISSOR_TEST);
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
        glGetFloatv(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    }
    void Restore() const {
        glDepthMask(depthMask);
        if (scissor) glEnable(GL_SCISSOR_TEST);
        else glDisable(GL_SCISSOR_TEST);
        glClearColor(clearColor[0], clearColor[1], clearColor[2], clearColor[3]);
        glClearDepth(clearDepth);
    }
};

void SetClearColor(uint32_t color) {
    glClearColor(float((color >> 16) & 0xFF) / 255.0f, float((color >> 8) & 0xFF) / 255.0f, float(color & 0xFF) / 255.0f,
                 float(color >> 24) / 255.0f);
}

GLuint MakeRenderbuffer(int samples, GLenum format, int w, int h) {
    const FramebufferFns& f = Fbo();
    GLuint rb = 0;
    f.GenRenderbuffers(1, &rb);
    f.BindRenderbuffer(GL_RENDERBUFFER, rb);
    if (samples > 1) f.RenderbufferStorageMultisample(GL_RENDERBUFFER, samples, format, w, h);
    else f.RenderbufferStorage(GL_RENDERBUFFER, format, w, h);
    f.BindRenderbuffer(GL_RENDERBUFFER, 0);
    return rb;
}

}  // namespace

ViewRect LetterboxRect(int w, int h, int dw, int dh) {
    if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0) return {};
    // The pointer is mapped back through the same rectangle, so both come from FitLetterbox.
    const PictureRect p = FitLetterbox(dw, dh, w, h);
    ViewRect r;
    r.width = p.width;
    r.height = p.height;
    r.x0 = p.x;
    r.y0 = dh - p.y - p.height;   // GL counts rows from the bottom
    return r;
}

void Device::SimulateLoss(CooperativeLevel level) { g_simulatedLevel = level; }
CooperativeLevel Device::SimulatedLevel() { return g_simulatedLevel; }

HRESULT Device::Create(Window& window, const PresentParams& params, std::unique_ptr<Device>& out) {
    out.reset();
    if (!GlContextCurrent()) return D3DERR_NOTAVAILABLE;
    if (params.width <= 0 || params.height <= 0) return D3DERR_INVALIDCALL;
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (params.width > maxSize || params.height > maxSize) return D3DERR_NOTAVAILABLE;

    std::unique_ptr<Device> dev(new Device(window, params));
    const GlCaps& caps = CurrentGlCaps();
    // Multisampling is a nicety: without support the intro is drawn single-sampled.
    GLint maxSamples = 0;
    if (caps.multisampleTargets) glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    if (params.multiSample <= 1 || maxSamples < params.multiSample) dev->params_.multiSample = 0;
    dev->direct_ = !caps.framebuffers || !dev->MakeTargets();

    // A fresh device is a reset one: a simulated "not reset" state ends here.
    if (g_simulatedLevel == CooperativeLevel::NotReset) g_simulatedLevel = CooperativeLevel::Ok;
    window.SetVsync(params.vsync);
    dev->BindBackBuffer();
    out = std::move(dev);
    return S_OK;
}

// The single-sample colour texture, with a depth buffer only where no multisampled target
// will carry the 3D scenes: 2D drawing never tests depth.
bool Device::MakeTargets() {
    const FramebufferFns& f = Fbo();
    const int w = params_.width, h = params_.height;
    GLint previousTex = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTex);
    glGenTextures(1, &colorTex_);
    glBindTexture(GL_TEXTURE_2D, colorTex_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, GLuint(previousTex));

    f.GenFramebuffers(1, &fbo_);
    f.BindFramebuffer(GL_FRAMEBUFFER, fbo_);
    f.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colorTex_, 0);
    if (params_.multiSample == 0) {
        depthRb_ = MakeRenderbuffer(0, GL_DEPTH_COMPONENT24, w, h);
        f.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthRb_);
    }
    const bool complete = f.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    f.BindFramebuffer(GL_FRAMEBUFFER, 0);
    return complete;   // when not, the destructor frees what was made
}

bool Device::MakeMultisampleTarget() {
    const FramebufferFns& f = Fbo();
    const int w = params_.width, h = params_.height, n = params_.multiSample;
    msColorRb_ = MakeRenderbuffer(n, GL_RGBA8, w, h);
    msDepthRb_ = MakeRenderbuffer(n, GL_DEPTH_COMPONENT16, w, h);
    f.GenFramebuffers(1, &msFbo_);
    f.BindFramebuffer(GL_FRAMEBUFFER, msFbo_);
    f.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, msColorRb_);
    f.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, msDepthRb_);
    const bool complete = f.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    f.BindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) params_.multiSample = 0;   // never asked again; the intro goes single-sampled
    return complete;
}

// The multisampled target is the largest thing the device holds (at 1280 x 1024 about 31 MB
// of colour and depth); once the scenes stop asking for it, it goes.
void Device::ReleaseMultisampleTarget() {
    const FramebufferFns& f = Fbo();
    f.BindFramebuffer(GL_FRAMEBUFFER, 0);
    f.DeleteFramebuffers(1, &msFbo_);
    f.DeleteRenderbuffers(1, &msColorRb_);
    f.DeleteRenderbuffers(1, &msDepthRb_);
    msFbo_ = msColorRb_ = msDepthRb_ = 0;
}

Device::~Device() {
    if (!GlContextCurrent() || (direct_ && fbo_ == 0)) return;
    const FramebufferFns& f = Fbo();
    if (!f.BindFramebuffer) return;
    f.BindFramebuffer(GL_FRAMEBUFFER, 0);
    for (GLuint fb : {fbo_, msFbo_})
        if (fb) f.DeleteFramebuffers(1, &fb);
    for (GLuint rb : {depthRb_, msColorRb_, msDepthRb_})
        if (rb) f.DeleteRenderbuffers(1, &rb);
    if (colorTex_) glDeleteTextures(1, &colorTex_);
}

HRESULT Device::TestCooperativeLevel() const {
    switch (g_simulatedLevel) {
        case CooperativeLevel::Lost: return D3DERR_DEVICELOST;
        case CooperativeLevel::NotReset: return D3DERR_DEVICENOTRESET;
        default: return S_OK;
    }
}

void Device::Finish() const {
    if (GlContextCurrent()) glFinish();
}

ViewRect Device::WindowRect() const {
    int dw = 0, dh = 0;
    window_.DrawableSize(dw, dh);
    return LetterboxRect(params_.width, params_.height, dw, dh);
}

void Device::SetViewport() const {
    if (!direct_) {
        glViewport(0, 0, params_.width, params_.height);
        return;
    }
    const ViewRect r = WindowRect();
    glViewport(r.x0, r.y0, r.width, r.height);
}

void Device::BindBackBuffer() const {
    if (!direct_) Fbo().BindFramebuffer(GL_FRAMEBUFFER, multisampled_ ? msFbo_ : fbo_);
    SetViewport();
}

HRESULT Device::BeginScene() {
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    multisampled_ = false;
    if (msFbo_ != 0 && !lastSceneMultisampled_) ReleaseMultisampleTarget();
    BindBackBuffer();
    return S_OK;
}

bool Device::UseMultisampling() {
    if (!inScene_ || direct_ || params_.multiSample == 0) return false;
    if (msFbo_ == 0 && !MakeMultisampleTarget()) return false;
    multisampled_ = true;
    BindBackBuffer();
    return true;
}

void Device::Resolve() const {
    if (!multisampled_) return;
    const FramebufferFns& f = Fbo();
    const int w = params_.width, h = params_.height;
    f.BindFramebuffer(GL_READ_FRAMEBUFFER, msFbo_);
    f.BindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo_);
    f.BlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    f.BindFramebuffer(GL_FRAMEBUFFER, fbo_);
}

HRESULT Device::EndScene() {
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    Resolve();
    lastSceneMultisampled_ = multisampled_;
    multisampled_ = false;
    BindBackBuffer();
    glFlush();
    return S_OK;
}

HRESULT Device::Clear(uint32_t color, float depth) {
    SavedClearState saved;
    saved.Save();
    BindBackBuffer();
    glDepthMask(GL_TRUE);
    glClearDepth(depth);
    if (direct_) {
        // The bars around the picture are black; the picture's own area takes the colour.
        glDisable(GL_SCISSOR_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        const ViewRect r = WindowRect();
        glScissor(r.x0, r.y0, r.width, r.height);
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
    SetClearColor(color);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    saved.Restore();
    return S_OK;
}

// The finished picture as one textured quad over the letterbox rectangle, in fixed function.
void Device::DrawToWindow() const {
    int dw = 0, dh = 0;
    window_.DrawableSize(dw, dh);
    const FramebufferFns& f = Fbo();
    f.BindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, dw, dh);
    glDisable(GL_SCISSOR_TEST);
    const ViewRect r = LetterboxRect(params_.width, params_.height, dw, dh);
    // Bars only where the picture leaves them.
    if (r.width != dw || r.height != dh) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (r.width == 0) return;
    GLint windowSamples = 0;   // a driver may multisample the window itself; a blit into that fails
    glGetIntegerv(GL_SAMPLE_BUFFERS, &windowSamples);
    if (r.width == params_.width && r.height == params_.height && f.BlitFramebuffer && windowSamples == 0) {
        // Pixel for pixel: a copy, which a software driver does as a memory move instead of
        // shading a screenful of fragments.
        f.BindFramebuffer(GL_READ_FRAMEBUFFER, fbo_);
        f.BlitFramebuffer(0, 0, r.width, r.height, r.x0, r.y0, r.x0 + r.width, r.y0 + r.height, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
        f.BindFramebuffer(GL_FRAMEBUFFER, 0);
        return;
    }
    glViewport(r.x0, r.y0, r.width, r.height);
    glUseProgram(0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_FOG);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, colorTex_);
    const GLint filter = (r.width == params_.width && r.height == params_.height) ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(-1, -1);
    glTexCoord2f(1, 0), glVertex2f(1, -1);
    glTexCoord2f(1, 1), glVertex2f(1, 1);
    glTexCoord2f(0, 1), glVertex2f(-1, 1);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

HRESULT Device::Present() {
    if (g_simulatedLevel != CooperativeLevel::Ok) return D3DERR_DEVICELOST;
    if (!direct_) {
        SavedClearState saved;
        saved.Save();
        DrawToWindow();
        saved.Restore();
    }
    window_.SwapBuffers();
    BindBackBuffer();
    return S_OK;
}

bool Device::ReadBackBuffer(std::vector<uint32_t>& pixels) const {
    if (!GlContextCurrent()) return false;
    const int w = params_.width, h = params_.height;
    GLint previousPack = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousPack);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // The window's buffer holds the picture at the letterbox's size; it is sampled back to w x h.
    ViewRect r{0, 0, w, h};
    if (direct_) {
        r = WindowRect();
        glReadBuffer(GL_BACK);
    } else {
        Resolve();
        Fbo().BindFramebuffer(GL_FRAMEBUFFER, fbo_);
    }
    std::vector<uint32_t> bottomUp(size_t(r.width) * r.height);
    if (!bottomUp.empty())
        glReadPixels(r.x0, r.y0, r.width, r.height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, previousPack);
    BindBackBuffer();
    if (bottomUp.empty()) return false;
    // GL keeps the bottom row first; the back buffer has no alpha channel of its own.
    pixels.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = bottomUp.data() + size_t(r.height - 1 - y * r.height / h) * r.width;
        uint32_t* dst = pixels.data() + size_t(y) * w;
        for (int x = 0; x < w; ++x) dst[x] = src[x * r.width / w] | 0xFF000000u;
    }
    return true;
}

}  // namespace plat
