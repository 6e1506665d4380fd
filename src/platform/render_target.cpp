// Off-screen targets through whichever framebuffer object entry points the context offers.
#include "platform/render_target.h"

#include "platform/device.h"
#include "platform/gl_caps.h"
#include "platform/gl_util.h"

namespace plat {

std::unique_ptr<RenderTarget> RenderTarget::Create(const Device& device) {
    const GlCaps& caps = CurrentGlCaps();
    if (device.direct() || !caps.framebuffers || !GlContextCurrent()) return nullptr;
    std::unique_ptr<RenderTarget> target(new RenderTarget());
    target->texture_ = Texture::Blank(device.width(), device.height());
    if (target->texture_->glName() == 0) return nullptr;
    const FramebufferFns& f = caps.fbo;
    f.GenFramebuffers(1, &target->fbo_);
    f.BindFramebuffer(GL_FRAMEBUFFER, target->fbo_);
    f.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target->texture_->glName(), 0);
    const bool complete = f.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    device.BindBackBuffer();
    if (!complete) return nullptr;
    return target;
}

RenderTarget::~RenderTarget() {
    if (fbo_ == 0 || !GlContextCurrent()) return;
    GLuint name = fbo_;
    CurrentGlCaps().fbo.DeleteFramebuffers(1, &name);
}

void RenderTarget::BindAndClear() const {
    CurrentGlCaps().fbo.BindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glViewport(0, 0, texture_->width(), texture_->height());
    GLfloat previous[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, previous);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(previous[0], previous[1], previous[2], previous[3]);
    if (scissor) glEnable(GL_SCISSOR_TEST);
}

}  // namespace plat
