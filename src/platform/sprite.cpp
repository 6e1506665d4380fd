// The sprite batch. Every Draw only appends four transformed corners to one vertex array;
// the GPU sees one draw call per run of draws with the same texture. A frame of the box 2
// screen makes tens of thousands of one-texel draws, so Draw stays allocation- and GL-free.
//
// GL state: a flush sets its own program, vertex array, buffer, texture unit 0, blending and
// viewport and puts them back afterwards. Depth test, face culling, fixed-function lighting,
// alpha test, stencil and scissor are switched off and left off: the 3D intro sets all of
// its render state at the start of every frame it draws.
#include "platform/sprite.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <string>

#include "platform/device.h"
#include "platform/gl_util.h"
#include "platform/texture.h"

namespace plat {

namespace {

// Vertices handed to the driver between two flushes (see Flush).
constexpr uint32_t GpuFlushVertices = 4096;

// GLSL 1.20, the language of OpenGL 2.1. The colour word 0xAARRGGBB arrives as its four
// bytes in memory order and is put back into r, g, b, a by the swizzle.
const char* const VertexShader = R"(#version 120
attribute vec2 a_pos;
attribute vec2 a_uv;
attribute vec4 a_color;
uniform vec2 u_pixelToClip;
varying vec2 v_uv;
varying vec4 v_color;
void main() {
    // Back-buffer pixels, y down, to clip space.
    gl_Position = vec4(a_pos.x * u_pixelToClip.x - 1.0, 1.0 - a_pos.y * u_pixelToClip.y, 0.0, 1.0);
    v_uv = a_uv;
    v_color = a_color.COLOR_SWIZZLE;
}
)";

const char* const FragmentShader = R"(#version 120
uniform sampler2D u_texture;
varying vec2 v_uv;
varying vec4 v_color;
void main() {
    gl_FragColor = texture2D(u_texture, v_uv) * v_color;
}
)";

// Memory order of 0xAARRGGBB: B, G, R, A on little-endian machines, A, R, G, B on big-endian.
const char* const ColourSwizzle = std::endian::native == std::endian::little ? "bgra" : "gbar";

std::string WithSwizzle(const char* source) {
    std::string text = source;
    const std::string key = "COLOR_SWIZZLE";
    text.replace(text.find(key), key.size(), ColourSwizzle);
    return text;
}

const char* const AttributeNames[] = {"a_pos", "a_uv", "a_color"};

// A span shorter than a pixel becomes the whole pixel its centre lies in; returns the share
// of that pixel the span covered (1 for spans of a pixel or more, which stay as they are).
float WidenToPixel(float& start, float& length) {
    const float size = std::fabs(length);
    if (size >= 1.0f) return 1.0f;
    start = std::floor(start + length * 0.5f);
    length = 1.0f;
    return size;
}

// The GL state a flush changes and restores.
struct SavedSpriteState {
    GLint program = 0, arrayBuffer = 0, activeTexture = 0, texture = 0;
    GLint viewport[4] = {};
    GLboolean blend = GL_FALSE;
    GLint blendSrcRgb = 0, blendDstRgb = 0, blendSrcAlpha = 0, blendDstAlpha = 0, blendEqRgb = 0, blendEqAlpha = 0;

    void Save() {
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
        glActiveTexture(GL_TEXTURE0);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        glGetIntegerv(GL_VIEWPORT, viewport);
        blend = glIsEnabled(GL_BLEND);
        glGetIntegerv(GL_BLEND_SRC_RGB, &blendSrcRgb);
        glGetIntegerv(GL_BLEND_DST_RGB, &blendDstRgb);
        glGetIntegerv(GL_BLEND_SRC_ALPHA, &blendSrcAlpha);
        glGetIntegerv(GL_BLEND_DST_ALPHA, &blendDstAlpha);
        glGetIntegerv(GL_BLEND_EQUATION_RGB, &blendEqRgb);
        glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &blendEqAlpha);
    }

    void Restore() const {
        glUseProgram(GLuint(program));
        glBindBuffer(GL_ARRAY_BUFFER, GLuint(arrayBuffer));
        glBindTexture(GL_TEXTURE_2D, GLuint(texture));
        glActiveTexture(GLenum(activeTexture));
        glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
        if (blend) glEnable(GL_BLEND);
        else glDisable(GL_BLEND);
        glBlendFuncSeparate(GLenum(blendSrcRgb), GLenum(blendDstRgb), GLenum(blendSrcAlpha), GLenum(blendDstAlpha));
        glBlendEquationSeparate(GLenum(blendEqRgb), GLenum(blendEqAlpha));
    }
};

}  // namespace

HRESULT Sprite::Create(Device* device, std::unique_ptr<Sprite>& out) {
    out.reset();
    if (device == nullptr) return D3DERR_INVALIDCALL;
    if (!GlContextCurrent()) return D3DERR_NOTAVAILABLE;
    std::unique_ptr<Sprite> sprite(new Sprite());
    sprite->device_ = device;
    std::string error;
    const std::string vertexSource = WithSwizzle(VertexShader);
    sprite->program_ = BuildGlProgram(vertexSource.c_str(), FragmentShader, error, AttributeNames, 3);
    if (sprite->program_ == 0) return E_FAIL;
    sprite->pixelToClip_ = glGetUniformLocation(sprite->program_, "u_pixelToClip");
    GLint previousProgram = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previousProgram);
    glUseProgram(sprite->program_);
    glUniform1i(glGetUniformLocation(sprite->program_, "u_texture"), 0);
    glUseProgram(GLuint(previousProgram));
    glGenBuffers(1, &sprite->vbo_);

    sprite->vertices_.resize(4 * 4096);
    sprite->runs_.reserve(64);
    out = std::move(sprite);
    return S_OK;
}

std::unique_ptr<Sprite> Sprite::CreateRecorder() {
    std::unique_ptr<Sprite> sprite(new Sprite());
    sprite->recorder_ = true;
    sprite->vertices_.resize(4 * 4096);
    sprite->runs_.reserve(64);
    return sprite;
}

Sprite::~Sprite() {
    if (recorder_ || !GlContextCurrent()) return;
    if (program_) glDeleteProgram(program_);
    if (vbo_) glDeleteBuffers(1, &vbo_);
    if (whiteTex_) glDeleteTextures(1, &whiteTex_);
}

HRESULT Sprite::Begin(uint32_t flags) {
    if (begun_) return D3DERR_INVALIDCALL;
    begun_ = true;
    flags_ = flags;
    batchTexture_ = nullptr;
    vertexCount_ = 0;
    runs_.clear();
    // Points need back-buffer pixels one to one with target pixels (not so when drawing
    // straight into a scaled window) and no multisampling (a point covers samples its own way).
    points_ = recorder_ || (device_ != nullptr && !device_->direct() && !device_->multisampled());
    return S_OK;
}

HRESULT Sprite::End() {
    if (!begun_) return D3DERR_INVALIDCALL;
    Flush();
    begun_ = false;
    batchTexture_ = nullptr;
    return S_OK;
}

void Sprite::SetFlags(uint32_t flags) {
    if (flags == flags_) return;
    Flush();
    flags_ = flags;
}

HRESULT Sprite::Draw(const Texture* texture, const Rect* src, const Vec3* center, const Vec3* pos, uint32_t color) {
    if (!begun_) return D3DERR_INVALIDCALL;
    ++drawCount_;
    Rect r;
    if (src) r = *src;
    else if (texture) r = Rect{0, 0, texture->width(), texture->height()};

    const float* m0 = transform_.m[0];
    const float* m1 = transform_.m[1];
    const float* m2 = transform_.m[2];
    const float* m3 = transform_.m[3];
    const float lx = (pos ? pos->x : 0.0f) - (center ? center->x : 0.0f);
    const float ly = (pos ? pos->y : 0.0f) - (center ? center->y : 0.0f);
    const float lz = (pos ? pos->z : 0.0f) - (center ? center->z : 0.0f);
    const float x0 = lx * m0[0] + ly * m1[0] + lz * m2[0] + m3[0];
    const float y0 = lx * m0[1] + ly * m1[1] + lz * m2[1] + m3[1];
    if (recorder_) records_.push_back(DrawRecord{texture, r, x0, y0, color});

    // Nothing to show without a texture (a picture that failed to load draws nothing).
    if (texture == nullptr || (!recorder_ && texture->glName() == 0)) return S_OK;
    if (texture != batchTexture_) {
        if (vertexCount_ != 0) Flush();
        batchTexture_ = texture;
    }

    const float w = float(r.right - r.left), h = float(r.bottom - r.top);
    const float dxX = w * m0[0], dxY = w * m0[1];   // the quad's top edge after the transform
    const float dyX = h * m1[0], dyY = h * m1[1];   // its left edge
    const float invW = 1.0f / float(texture->width() > 0 ? texture->width() : 1);
    const float invH = 1.0f / float(texture->height() > 0 ? texture->height() : 1);
    const float u0 = float(r.left) * invW, u1 = float(r.right) * invW;
    const float v0 = float(r.top) * invH, v1 = float(r.bottom) * invH;
    if (dxY == 0.0f && dyX == 0.0f && (std::fabs(dxX) < 1.0f || std::fabs(dyY) < 1.0f)) {
        // Single-sampled, a quad thinner than a pixel may miss every pixel centre and vanish
        // (the one-texel grid dots and outlines below 1280 x 1024). It is widened to the pixel
        // its centre lies in, its alpha scaled by the share of that pixel it really covers,
        // which is what multisampling showed.
        float x = x0, y = y0, qw = dxX, qh = dyY;
        const float cover = WidenToPixel(x, qw) * WidenToPixel(y, qh);
        const uint32_t alpha = uint32_t(float(color >> 24) * cover + 0.5f);
        const uint32_t c = (color & 0x00FFFFFFu) | alpha << 24;
        if (points_ && std::fabs(dxX) < 1.0f && std::fabs(dyY) < 1.0f) {
            // One pixel: a point at its centre, sampling the middle of the source rectangle,
            // covers the same pixel with the same texel as the quad.
            StartRun(true);
            *AddVertices(1) = Vertex{x + 0.5f, y + 0.5f, (u0 + u1) * 0.5f, (v0 + v1) * 0.5f, c};
            return S_OK;
        }
        StartRun(false);
        Vertex* v = AddVertices(4);
        v[0] = Vertex{x, y, u0, v0, c};
        v[1] = Vertex{x + qw, y, u1, v0, c};
        v[2] = Vertex{x + qw, y + qh, u1, v1, c};
        v[3] = Vertex{x, y + qh, u0, v1, c};
        return S_OK;
    }
    StartRun(false);
    Vertex* v = AddVertices(4);
    v[0] = Vertex{x0, y0, u0, v0, color};
    v[1] = Vertex{x0 + dxX, y0 + dxY, u1, v0, color};
    v[2] = Vertex{x0 + dxX + dyX, y0 + dxY + dyY, u1, v1, color};
    v[3] = Vertex{x0 + dyX, y0 + dyY, u0, v1, color};
    return S_OK;
}

void Sprite::Flush() {
    if (vertexCount_ == 0) return;
    ++batchCount_;
    if (recorder_ || device_ == nullptr || batchTexture_ == nullptr || !GlContextCurrent()) {
        vertexCount_ = 0;
        runs_.clear();
        return;
    }
    SavedSpriteState saved;
    saved.Save();

    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_SCISSOR_TEST);
    if (flags_ & SPRITE_ALPHABLEND) {
        glEnable(GL_BLEND);
        // Colour blends over the picture; the back buffer's alpha stays opaque. Drawn over
        // transparent pixels, the same blending leaves premultiplied colour behind.
        if (flags_ & SPRITE_PREMULTIPLIED) glBlendFuncSeparate(GL_ONE, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        else glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        glBlendEquation(GL_FUNC_ADD);
    } else {
        glDisable(GL_BLEND);
    }
    const int w = device_->width(), h = device_->height();
    device_->SetViewport();
    glUseProgram(program_);
    glUniform2f(pixelToClip_, 2.0f / float(w), 2.0f / float(h));
    glBindTexture(GL_TEXTURE_2D, batchTexture_->glName());
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertexCount_ * sizeof(Vertex)), vertices_.data(), GL_STREAM_DRAW);
    const GLsizei stride = sizeof(Vertex);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(offsetof(Vertex, x)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(offsetof(Vertex, u)));
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<const void*>(offsetof(Vertex, rgba)));
    for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
    for (size_t i = 0; i < runs_.size(); ++i) {
        const uint32_t end = i + 1 < runs_.size() ? runs_[i + 1].first : uint32_t(vertexCount_);
        for (uint32_t first = runs_[i].first; first < end;) {
            // A renderer on the CPU bins every command of a frame before it draws any: a
            // screen of tens of thousands of dots would hold megabytes of bins at once. Handed
            // over in pieces, each piece is drawn and its bins reused. (Multiple of 4: quads.)
            uint32_t count = std::min<uint32_t>(end - first, GpuFlushVertices - uint32_t(verticesSinceGpuFlush_));
            if (!runs_[i].points) count &= ~3u;
            if (count == 0) {
                glFlush();
                verticesSinceGpuFlush_ = 0;
                continue;
            }
            glDrawArrays(runs_[i].points ? GL_POINTS : GL_QUADS, GLint(first), GLsizei(count));
            first += count;
            verticesSinceGpuFlush_ += count;
            if (verticesSinceGpuFlush_ >= GpuFlushVertices) {
                glFlush();
                verticesSinceGpuFlush_ = 0;
            }
        }
    }
    for (GLuint i = 0; i < 3; ++i) glDisableVertexAttribArray(i);

    saved.Restore();
    vertexCount_ = 0;
    runs_.clear();
}

}  // namespace plat
