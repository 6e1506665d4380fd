// The device draws into an off-screen framebuffer of the chosen back-buffer size; Present
// scales it into whatever the window's drawable is, keeping the aspect with black bars.
#include "platform/device.h"

#include <algorithm>

#include "platform/gl_util.h"
#include "platform/letterbox.h"
#include "platform/window.h"

namespace plat {

namespace {

CooperativeLevel g_simulatedLevel = CooperativeLevel::Ok;

// Framebuffer-binding, scissor and depth-mask state that Clear/Present touch and hand back.
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
        glClearColor(clearColor[0], clearColor[1], clearColor[2], clearColor[3]);
        glClearDepth(clearDepth);
    }
};

}  // namespace

void Device::SimulateLoss(CooperativeLevel level) { g_simulatedLevel = level; }
CooperativeLevel Device::SimulatedLevel() { return g_simulatedLevel; }

HRESULT Device::Create(Window& window, const PresentParams& params, std::unique_ptr<Device>& out) {
    out.reset();
    if (!GlContextCurrent()) return D3DERR_NOTAVAILABLE;
    if (params.width <= 0 || params.height <= 0) return D3DERR_INVALIDCALL;
    GLint maxSize = 0, maxSamples = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    if (params.width > maxSize || params.height > maxSize) return D3DERR_NOTAVAILABLE;

    std::unique_ptr<Device> dev(new Device(window, params));
    // Multisampling is a nicety: without support the same size is made single-sampled.
    const bool msaa = params.multiSample > 1 && maxSamples >= params.multiSample;
    if (!msaa) dev->params_.multiSample = 0;
    const int w = params.width, h = params.height;

    GLint previousFbo = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousFbo);

    // The single-sample colour texture: the target itself, or where the multisampled target resolves to.
    glGenTextures(1, &dev->resolveTex_);
    GLint previousTex = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTex);
    glBindTexture(GL_TEXTURE_2D, dev->resolveTex_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, GLuint(previousTex));

    glGenFramebuffers(1, &dev->fbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, dev->fbo_);
    glGenRenderbuffers(1, &dev->depthRb_);
    glBindRenderbuffer(GL_RENDERBUFFER, dev->depthRb_);
    if (msaa) {
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, dev->params_.multiSample, GL_DEPTH_COMPONENT24, w, h);
        glGenRenderbuffers(1, &dev->colorRb_);
        GLuint depth = dev->depthRb_;
        glBindRenderbuffer(GL_RENDERBUFFER, dev->colorRb_);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, dev->params_.multiSample, GL_RGBA8, w, h);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, dev->colorRb_);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    } else {
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, dev->resolveTex_, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, dev->depthRb_);
    }
    bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (msaa && complete) {
        glGenFramebuffers(1, &dev->resolveFbo_);
        glBindFramebuffer(GL_FRAMEBUFFER, dev->resolveFbo_);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, dev->resolveTex_, 0);
        complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, GLuint(previousFbo));
    if (!complete) return D3DERR_NOTAVAILABLE;   // dev's destructor frees what was made

    // A fresh device is a reset one: a simulated "not reset" state ends here.
    if (g_simulatedLevel == CooperativeLevel::NotReset) g_simulatedLevel = CooperativeLevel::Ok;
    window.SetVsync(params.vsync);
    dev->BindBackBuffer();
    out = std::move(dev);
    return S_OK;
}

Device::~Device() {
    if (!GlContextCurrent()) return;
    GLint bound = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
    if (bound != 0 && (GLuint(bound) == fbo_ || GLuint(bound) == resolveFbo_)) glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (fbo_) glDeleteFramebuffers(1, &fbo_);
    if (resolveFbo_) glDeleteFramebuffers(1, &resolveFbo_);
    if (colorRb_) glDeleteRenderbuffers(1, &colorRb_);
    if (depthRb_) glDeleteRenderbuffers(1, &depthRb_);
    if (resolveTex_) glDeleteTextures(1, &resolveTex_);
}

HRESULT Device::TestCooperativeLevel() const {
    switch (g_simulatedLevel) {
        case CooperativeLevel::Lost: return D3DERR_DEVICELOST;
        case CooperativeLevel::NotReset: return D3DERR_DEVICENOTRESET;
        default: return S_OK;
    }
}

void Device::BindBackBuffer() const {
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glViewport(0, 0, params_.width, params_.height);
}

HRESULT Device::BeginScene() {
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    BindBackBuffer();
    return S_OK;
}

HRESULT Device::EndScene() {
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    glFlush();
    return S_OK;
}

HRESULT Device::Clear(uint32_t color, float depth) {
    SavedClearState saved;
    saved.Save();
    BindBackBuffer();
    glDisable(GL_SCISSOR_TEST);
    glDepthMask(GL_TRUE);
    glClearColor(float((color >> 16) & 0xFF) / 255.0f, float((color >> 8) & 0xFF) / 255.0f, float(color & 0xFF) / 255.0f,
                 float(color >> 24) / 255.0f);
    glClearDepth(depth);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    saved.Restore();
    return S_OK;
}

// Brings the multisampled target into the single-sample texture; the framebuffer to read
// the finished picture from is returned.
static GLuint ResolveInto(GLuint fbo, GLuint resolveFbo, int w, int h) {
    if (resolveFbo == 0) return fbo;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFbo);
    glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    return resolveFbo;
}

HRESULT Device::Present() {
    if (g_simulatedLevel != CooperativeLevel::Ok) return D3DERR_DEVICELOST;
    const int w = params_.width, h = params_.height;
    SavedClearState saved;
    saved.Save();
    const GLuint source = ResolveInto(fbo_, resolveFbo_, w, h);

    int dw = 0, dh = 0;
    window_.DrawableSize(dw, dh);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (dw > 0 && dh > 0) {
        const PictureRect r = FitLetterbox(dw, dh, w, h);
        const int outW = r.width, outH = r.height;
        const int x0 = r.x, y0 = dh - r.y - r.height;   // GL counts rows from the bottom
        glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
        const GLenum filter = (outW == w && outH == h) ? GL_NEAREST : GL_LINEAR;
        glBlitFramebuffer(0, 0, w, h, x0, y0, x0 + outW, y0 + outH, GL_COLOR_BUFFER_BIT, filter);
    }
    saved.Restore();
    window_.SwapBuffers();
    BindBackBuffer();
    return S_OK;
}

bool Device::ReadBackBuffer(std::vector<uint32_t>& pixels) const {
    if (!GlContextCurrent()) return false;
    const int w = params_.width, h = params_.height;
    GLint previousRead = 0, previousDraw = 0, previousPack = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousPack);
    const GLuint source = ResolveInto(fbo_, resolveFbo_, w, h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    std::vector<uint32_t> bottomUp(size_t(w) * h);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, w, h, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, previousPack);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(previousRead));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(previousDraw));
    // GL keeps the bottom row first; the back buffer has no alpha channel of its own.
    pixels.resize(bottomUp.size());
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = bottomUp.data() + size_t(h - 1 - y) * w;
        uint32_t* dst = pixels.data() + size_t(y) * w;
        for (int x = 0; x < w; ++x) dst[x] = src[x] | 0xFF000000u;
    }
    return true;
}

}  // namespace plat
