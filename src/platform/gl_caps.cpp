#include "platform/gl_caps.h"

#include <cstdlib>
#include <cstring>

namespace plat {

namespace {

bool HasExtension(const char* name) {
    // Every 2.x context lists its extensions in one string; names never contain spaces.
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (all == nullptr) return false;
    const size_t n = std::strlen(name);
    for (const char* p = std::strstr(all, name); p != nullptr; p = std::strstr(p + n, name))
        if ((p == all || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
    return false;
}

template <class Fn>
void Load(Fn& fn, const char* name, const char* suffix) {
    const std::string full = std::string(name) + suffix;
    fn = reinterpret_cast<Fn>(SDL_GL_GetProcAddress(full.c_str()));
}

// Core and ARB names have no suffix; the EXT extensions name their functions with one.
void LoadFramebufferFns(FramebufferFns& f, const char* s, bool multisample) {
    Load(f.GenFramebuffers, "glGenFramebuffers", s);
    Load(f.DeleteFramebuffers, "glDeleteFramebuffers", s);
    Load(f.BindFramebuffer, "glBindFramebuffer", s);
    Load(f.FramebufferTexture2D, "glFramebufferTexture2D", s);
    Load(f.FramebufferRenderbuffer, "glFramebufferRenderbuffer", s);
    Load(f.CheckFramebufferStatus, "glCheckFramebufferStatus", s);
    Load(f.GenRenderbuffers, "glGenRenderbuffers", s);
    Load(f.DeleteRenderbuffers, "glDeleteRenderbuffers", s);
    Load(f.BindRenderbuffer, "glBindRenderbuffer", s);
    Load(f.RenderbufferStorage, "glRenderbufferStorage", s);
    Load(f.GenerateMipmap, "glGenerateMipmap", s);
    if (multisample) {
        Load(f.RenderbufferStorageMultisample, "glRenderbufferStorageMultisample", s);
        Load(f.BlitFramebuffer, "glBlitFramebuffer", s);
    }
}

bool Complete(const FramebufferFns& f) {
    return f.GenFramebuffers && f.DeleteFramebuffers && f.BindFramebuffer && f.FramebufferTexture2D &&
           f.FramebufferRenderbuffer && f.CheckFramebufferStatus && f.GenRenderbuffers && f.DeleteRenderbuffers &&
           f.BindRenderbuffer && f.RenderbufferStorage && f.GenerateMipmap;
}

GlCaps Query() {
    GlCaps c;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    c.version = version ? version : "";
    c.renderer = renderer ? renderer : "";
    if (version == nullptr || std::sscanf(version, "%d.%d", &c.major, &c.minor) != 2) c.major = c.minor = 0;
    const bool v30 = c.major >= 3;
    c.provokingVertex = (c.major == 3 && c.minor >= 2) || c.major > 3 || HasExtension("GL_ARB_provoking_vertex");

    const char* hide = std::getenv("STROYLIK_GL_NO_FBO");
    if (hide != nullptr && std::strcmp(hide, "1") == 0) return c;
    if (v30 || HasExtension("GL_ARB_framebuffer_object")) {
        LoadFramebufferFns(c.fbo, "", true);
    } else if (HasExtension("GL_EXT_framebuffer_object")) {
        const bool ms = HasExtension("GL_EXT_framebuffer_multisample") && HasExtension("GL_EXT_framebuffer_blit");
        LoadFramebufferFns(c.fbo, "EXT", ms);
    }
    c.framebuffers = Complete(c.fbo);
    c.multisampleTargets = c.framebuffers && c.fbo.RenderbufferStorageMultisample && c.fbo.BlitFramebuffer;
    return c;
}

void* g_capsContext = nullptr;
GlCaps g_caps;

}  // namespace

const GlCaps& CurrentGlCaps() {
    void* context = SDL_GL_GetCurrentContext();
    if (context != g_capsContext) {
        g_caps = context ? Query() : GlCaps{};
        g_capsContext = context;
    }
    return g_caps;
}

void ForgetGlCaps() { g_capsContext = nullptr; }

bool GlMeetsFloor(const GlCaps& caps) {
    return caps.major > GlFloorMajor || (caps.major == GlFloorMajor && caps.minor >= GlFloorMinor);
}

std::string GlFloorMessage(const GlCaps& caps) {
    std::string offer = caps.version.empty() ? "no usable OpenGL" : "OpenGL " + caps.version;
    if (!caps.renderer.empty()) offer += " (" + caps.renderer + ")";
    return "OpenGL 2.1 is needed; this system offers " + offer;
}

}  // namespace plat
