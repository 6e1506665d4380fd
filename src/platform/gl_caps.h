#pragma once
// What the current OpenGL context offers beyond the 2.1 floor, asked once per context.
// Framebuffer objects come through OpenGL 3.0, ARB_framebuffer_object or the older EXT
// extensions; their entry points are looked up by the name the context offers.
#include <string>

#include "platform/gl_util.h"

namespace plat {

struct FramebufferFns {
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC FramebufferTexture2D = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
    PFNGLGENERATEMIPMAPPROC GenerateMipmap = nullptr;
    // Multisampled targets and their resolve; null when the context has neither.
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC RenderbufferStorageMultisample = nullptr;
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer = nullptr;
};

struct GlCaps {
    int major = 0, minor = 0;
    std::string version, renderer;   // as the driver names them
    bool framebuffers = false;       // off-screen targets; otherwise the window's own buffer
    bool multisampleTargets = false;
    bool provokingVertex = false;
    FramebufferFns fbo;
};

// The floor the game draws with.
constexpr int GlFloorMajor = 2, GlFloorMinor = 1;

// The current context's offer. STROYLIK_GL_NO_FBO=1 in the environment hides framebuffer
// objects, so the default-framebuffer path can be tried on any machine.
const GlCaps& CurrentGlCaps();
// Asks again on the next call (a context is going away; the next may reuse its address).
void ForgetGlCaps();
// Whether the version reaches the floor, and a sentence for the player when it does not.
bool GlMeetsFloor(const GlCaps& caps);
std::string GlFloorMessage(const GlCaps& caps);

}  // namespace plat
