// The fixed-function 3D pipeline over OpenGL's compatibility profile. Everything the game sets is
// only recorded; each draw applies the whole state, because the sprite batch changes OpenGL
// state (depth, culling, blending, program, arrays) between our draws.
#include "platform/gl3d.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/device.h"
#include "platform/gl_caps.h"
#include "platform/gl_util.h"
#include "platform/texture.h"

namespace plat {

namespace {

struct LightSlot {
    Light light;
    bool enabled = false;
};

// The state a freshly created device starts with.
struct Pipeline {
    std::array<uint32_t, 256> states{};
    uint32_t colorOp = TOP_MODULATE;
    uint32_t alphaOp = TOP_SELECTARG1;
    uint32_t minFilter = TEXF_POINT, magFilter = TEXF_POINT, mipFilter = TEXF_NONE;
    std::array<LightSlot, MaxLights> lights{};
    Matrix world = MatrixIdentity(), view = MatrixIdentity(), projection = MatrixIdentity();
    Material material;
    const Texture* texture = nullptr;
    const VertexBuffer* vertices = nullptr;
    uint32_t streamOffset = 0, stride = 0;
    const IndexBuffer* indices = nullptr;
    uint32_t fvf = 0;
    uint64_t triangles = 0;

    Pipeline() {
        states[RS_ZENABLE] = ZB_TRUE;
        states[RS_SHADEMODE] = SHADE_GOURAUD;
        states[RS_ZWRITEENABLE] = 1;
        states[RS_CULLMODE] = CULL_CCW;
        states[RS_ZFUNC] = CMP_LESSEQUAL;
        states[RS_FOGEND] = FloatBits(1.0f);
        states[RS_FOGDENSITY] = FloatBits(1.0f);
        states[RS_LIGHTING] = 1;
        states[RS_DIFFUSEMATERIALSOURCE] = MCS_COLOR1;
        states[RS_SPECULARMATERIALSOURCE] = MCS_COLOR2;
        states[RS_AMBIENTMATERIALSOURCE] = MCS_MATERIAL;
        states[RS_MULTISAMPLEANTIALIAS] = 1;
    }
};

Pipeline& P() {
    static Pipeline pipeline;
    return pipeline;
}

uint32_t State(RenderState s) { return P().states[s]; }

void GlColor(GLenum target, GLenum pname, const Color4& c) {
    const GLfloat v[4] = {c.r, c.g, c.b, c.a};
    glLightfv(target, pname, v);
}

void GlMaterial(GLenum pname, const Color4& c) {
    const GLfloat v[4] = {c.r, c.g, c.b, c.a};
    glMaterialfv(GL_FRONT_AND_BACK, pname, v);
}

Color4 FromArgb(uint32_t argb) {
    return {((argb >> 16) & 255) / 255.0f, ((argb >> 8) & 255) / 255.0f, (argb & 255) / 255.0f,
            ((argb >> 24) & 255) / 255.0f};
}

GLenum CompareFunc(uint32_t cmp) {
    switch (cmp) {
        case CMP_NEVER: return GL_NEVER;
        case CMP_LESS: return GL_LESS;
        case CMP_EQUAL: return GL_EQUAL;
        case CMP_GREATER: return GL_GREATER;
        case CMP_NOTEQUAL: return GL_NOTEQUAL;
        case CMP_GREATEREQUAL: return GL_GEQUAL;
        case CMP_ALWAYS: return GL_ALWAYS;
        default: return GL_LEQUAL;
    }
}

// A sphere around the vertices a draw reads, in world space; point and spot lights use it to
// stand in for Direct3D's range cut-off, which OpenGL lacks.
struct Sphere {
    Vec3 centre;
    float radius = 0;
};

Sphere WorldBounds(const VertexBuffer& vb, uint32_t offset, uint32_t stride, uint32_t first, uint32_t last) {
    Vec3 lo{1e30f, 1e30f, 1e30f}, hi{-1e30f, -1e30f, -1e30f};
    for (uint32_t v = first; v <= last; ++v) {
        float p[3];
        std::memcpy(p, vb.data().data() + offset + static_cast<size_t>(v) * stride, sizeof p);
        lo = {std::min(lo.x, p[0]), std::min(lo.y, p[1]), std::min(lo.z, p[2])};
        hi = {std::max(hi.x, p[0]), std::max(hi.y, p[1]), std::max(hi.z, p[2])};
    }
    const Matrix& w = P().world;
    Vec3 c{(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    float half = std::hypot(hi.x - c.x, hi.y - c.y, hi.z - c.z);
    float scale = 0;
    for (int r = 0; r < 3; ++r) scale = std::max(scale, std::hypot(w.m[r][0], w.m[r][1], w.m[r][2]));
    return {TransformPoint(c, w), half * scale};
}

bool LightReaches(const Light& l, const Sphere& bounds) {
    if (l.Type == LIGHT_DIRECTIONAL) return true;
    float d = std::hypot(l.Position.x - bounds.centre.x, l.Position.y - bounds.centre.y,
                         l.Position.z - bounds.centre.z);
    return d - bounds.radius <= l.Range;
}

// Lights are given in world space: they are set while the model-view matrix holds the view only.
void ApplyLights(const Sphere& bounds) {
    Pipeline& p = P();
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(&p.view.m[0][0]);
    for (int i = 0; i < MaxLights; ++i) {
        GLenum id = GL_LIGHT0 + i;
        const LightSlot& slot = p.lights[i];
        if (!slot.enabled || !LightReaches(slot.light, bounds)) {
            glDisable(id);
            continue;
        }
        const Light& l = slot.light;
        glEnable(id);
        GlColor(id, GL_DIFFUSE, l.Diffuse);
        GlColor(id, GL_SPECULAR, l.Specular);
        GlColor(id, GL_AMBIENT, l.Ambient);
        if (l.Type == LIGHT_DIRECTIONAL) {
            // OpenGL wants the direction towards the light; Direct3D gives the one it shines in.
            const GLfloat pos[4] = {-l.Direction.x, -l.Direction.y, -l.Direction.z, 0};
            glLightfv(id, GL_POSITION, pos);
            glLightf(id, GL_SPOT_CUTOFF, 180);
            glLightf(id, GL_CONSTANT_ATTENUATION, 1);
            glLightf(id, GL_LINEAR_ATTENUATION, 0);
            glLightf(id, GL_QUADRATIC_ATTENUATION, 0);
            continue;
        }
        const GLfloat pos[4] = {l.Position.x, l.Position.y, l.Position.z, 1};
        glLightfv(id, GL_POSITION, pos);
        glLightf(id, GL_CONSTANT_ATTENUATION, l.Attenuation0);
        glLightf(id, GL_LINEAR_ATTENUATION, l.Attenuation1);
        glLightf(id, GL_QUADRATIC_ATTENUATION, l.Attenuation2);
        if (l.Type == LIGHT_SPOT) {
            const GLfloat dir[3] = {l.Direction.x, l.Direction.y, l.Direction.z};
            glLightfv(id, GL_SPOT_DIRECTION, dir);
            float cutoff = std::clamp(l.Phi * 0.5f * 57.29578f, 0.0f, 90.0f);
            glLightf(id, GL_SPOT_CUTOFF, cutoff);
            glLightf(id, GL_SPOT_EXPONENT, std::clamp(l.Falloff, 0.0f, 128.0f));
        } else {
            glLightf(id, GL_SPOT_CUTOFF, 180);
        }
    }
}

void ApplyMaterial() {
    const Pipeline& p = P();
    const Material& m = p.material;
    GlMaterial(GL_DIFFUSE, m.Diffuse);
    GlMaterial(GL_AMBIENT, m.Ambient);
    GlMaterial(GL_EMISSION, m.Emissive);
    bool specular = State(RS_SPECULARENABLE) != 0;
    GlMaterial(GL_SPECULAR, specular ? m.Specular : Color4{0, 0, 0, m.Specular.a});
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(m.Power, 0.0f, 128.0f));

    // Colour from the vertices: OpenGL follows one material colour at a time, so the most
    // visible one is chosen when several come from the vertex colour.
    bool hasDiffuse = (p.fvf & FVF_DIFFUSE) != 0;
    bool diffuse = hasDiffuse && State(RS_DIFFUSEMATERIALSOURCE) == MCS_COLOR1;
    bool ambient = hasDiffuse && State(RS_AMBIENTMATERIALSOURCE) == MCS_COLOR1;
    bool shine = hasDiffuse && specular && State(RS_SPECULARMATERIALSOURCE) == MCS_COLOR1;
    if (diffuse || ambient || shine) {
        GLenum mode = diffuse && ambient ? GL_AMBIENT_AND_DIFFUSE : diffuse ? GL_DIFFUSE : ambient ? GL_AMBIENT : GL_SPECULAR;
        glColorMaterial(GL_FRONT_AND_BACK, mode);
        glEnable(GL_COLOR_MATERIAL);
    } else {
        glDisable(GL_COLOR_MATERIAL);
    }
}

void ApplyRasterState() {
    if (State(RS_ZENABLE) != ZB_FALSE) {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(CompareFunc(State(RS_ZFUNC)));
        glDepthMask(State(RS_ZWRITEENABLE) ? GL_TRUE : GL_FALSE);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    // Direct3D's front faces are the clockwise ones on screen. Both APIs put +y up in device
    // coordinates and the clip-space conversion does not mirror, so the winding on screen is
    // the same in OpenGL: clockwise is front, and CULL_CCW removes the back faces.
    switch (State(RS_CULLMODE)) {
        case CULL_NONE: glDisable(GL_CULL_FACE); break;
        case CULL_CW:
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CCW);
            glCullFace(GL_BACK);
            break;
        default:
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CW);
            glCullFace(GL_BACK);
            break;
    }
    if (State(RS_SHADEMODE) == SHADE_FLAT) {
        glShadeModel(GL_FLAT);
        // Direct3D takes the first vertex's colour; OpenGL 2.1 only knows the last one's.
        if (CurrentGlCaps().provokingVertex) glProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
    } else {
        glShadeModel(GL_SMOOTH);
    }
    if (State(RS_ALPHABLENDENABLE)) glEnable(GL_BLEND);
    else glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_STENCIL_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    if (State(RS_MULTISAMPLEANTIALIAS)) glEnable(GL_MULTISAMPLE);
    else glDisable(GL_MULTISAMPLE);
    if (State(RS_NORMALIZENORMALS)) glEnable(GL_NORMALIZE);
    else glDisable(GL_NORMALIZE);
    if (State(RS_ANTIALIASEDLINEENABLE)) glEnable(GL_LINE_SMOOTH);
    else glDisable(GL_LINE_SMOOTH);
}

void ApplyFog() {
    uint32_t mode = State(RS_FOGTABLEMODE);
    if (!State(RS_FOGENABLE) || mode == FOG_NONE) {
        glDisable(GL_FOG);
        return;
    }
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, mode == FOG_EXP ? GL_EXP : mode == FOG_EXP2 ? GL_EXP2 : GL_LINEAR);
    glFogf(GL_FOG_START, BitsFloat(State(RS_FOGSTART)));
    glFogf(GL_FOG_END, BitsFloat(State(RS_FOGEND)));
    glFogf(GL_FOG_DENSITY, BitsFloat(State(RS_FOGDENSITY)));
    Color4 c = FromArgb(State(RS_FOGCOLOR));
    const GLfloat v[4] = {c.r, c.g, c.b, c.a};
    glFogfv(GL_FOG_COLOR, v);
}

void ApplyLighting(const Sphere& bounds) {
    if (!State(RS_LIGHTING)) {
        glDisable(GL_LIGHTING);
        return;
    }
    glEnable(GL_LIGHTING);
    Color4 ambient = FromArgb(State(RS_AMBIENT));
    const GLfloat a[4] = {ambient.r, ambient.g, ambient.b, ambient.a};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, a);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);   // Direct3D's default
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    // The specular colour is added after texturing, as Direct3D does.
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    ApplyLights(bounds);
    ApplyMaterial();
}

// Stage 0. Anisotropic filtering with Direct3D's default maximum anisotropy of 1 samples as
// linear filtering, so it is mapped to linear.
void ApplyTexture() {
    Pipeline& p = P();
    glActiveTexture(GL_TEXTURE0);
    if (!p.texture || !p.texture->glName() || p.colorOp == TOP_DISABLE || p.colorOp == TOP_SELECTARG2 ||
        !(p.fvf & FVF_TEX1)) {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, p.texture->glName());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, p.colorOp == TOP_SELECTARG1 ? GL_REPLACE : GL_MODULATE);
    bool linearMin = p.minFilter != TEXF_POINT && p.minFilter != TEXF_NONE;
    GLint minFilter = linearMin ? GL_LINEAR : GL_NEAREST;
    const auto generateMipmap = CurrentGlCaps().fbo.GenerateMipmap;
    if (p.mipFilter != TEXF_NONE && generateMipmap) {
        GLint level1 = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1);
        if (level1 == 0 && (p.texture->width() > 1 || p.texture->height() > 1)) {
            // Pictures are loaded with one level; the model's letters need the smaller ones.
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 1000);
            generateMipmap(GL_TEXTURE_2D);
        }
        bool linearMip = p.mipFilter != TEXF_POINT;
        minFilter = linearMin ? (linearMip ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST)
                              : (linearMip ? GL_NEAREST_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, p.magFilter == TEXF_POINT ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

// Fixed-function arrays read from the bound buffer, starting at vertex `firstVertex` (the base
// vertex of the draw, which OpenGL 2.1 cannot add to the indices itself).
void ApplyArrays(uint32_t firstVertex, uint32_t vertexSize) {
    Pipeline& p = P();
    glUseProgram(0);
    for (GLuint i = 0; i < 8; ++i) glDisableVertexAttribArray(i);
    glBindBuffer(GL_ARRAY_BUFFER, p.vertices->glName());
    const size_t base = p.streamOffset + size_t(firstVertex) * vertexSize;
    auto at = [&](size_t offset) { return reinterpret_cast<const void*>(static_cast<uintptr_t>(base + offset)); };
    size_t offset = 0;
    GLsizei stride = static_cast<GLsizei>(p.stride);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, at(0));
    offset += 12;
    if (p.fvf & FVF_NORMAL) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, stride, at(offset));
        offset += 12;
    } else {
        glDisableClientState(GL_NORMAL_ARRAY);
        glNormal3f(0, 0, 0);
    }
    bool useColour = (p.fvf & FVF_DIFFUSE) && (!State(RS_LIGHTING) || glIsEnabled(GL_COLOR_MATERIAL));
    if (useColour) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, stride, at(offset));   // 0xAARRGGBB in memory order
    } else {
        glDisableClientState(GL_COLOR_ARRAY);
        glColor4f(1, 1, 1, 1);
    }
    if (p.fvf & FVF_DIFFUSE) offset += 4;
    if (p.fvf & FVF_SPECULAR) offset += 4;
    glDisableClientState(GL_SECONDARY_COLOR_ARRAY);
    glClientActiveTexture(GL_TEXTURE0);
    if (p.fvf & FVF_TEX1) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, at(offset));
    } else {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
}

// Leaves what the 2D drawing and the device's clear rely on as they expect it.
void RestoreAfterDraw() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDepthMask(GL_TRUE);
}

HRESULT CreateGlBuffer(Device* device, uint32_t length, unsigned& name) {
    if (length == 0) return D3DERR_INVALIDCALL;
    if (!device || !GlContextCurrent()) return D3DERR_NOTAVAILABLE;
    glGenBuffers(1, &name);
    return name ? S_OK : E_OUTOFMEMORY;
}

void UploadGlBuffer(GLenum target, unsigned name, const std::vector<uint8_t>& data) {
    if (!name) return;
    glBindBuffer(target, name);
    glBufferData(target, static_cast<GLsizeiptr>(data.size()), data.data(), GL_STATIC_DRAW);
    glBindBuffer(target, 0);
}

uint32_t VertexSize(uint32_t fvf) {
    uint32_t size = 0;
    if (fvf & FVF_XYZ) size += 12;
    if (fvf & FVF_NORMAL) size += 12;
    if (fvf & FVF_DIFFUSE) size += 4;
    if (fvf & FVF_SPECULAR) size += 4;
    if (fvf & FVF_TEX1) size += 8;
    return size;
}

}  // namespace

// --- buffers ------------------------------------------------------------------------------

VertexBuffer::~VertexBuffer() {
    if (glName_ && GlContextCurrent()) glDeleteBuffers(1, &glName_);
}

HRESULT VertexBuffer::Create(Device* device, uint32_t length, uint32_t, std::unique_ptr<VertexBuffer>& out) {
    out.reset();
    std::unique_ptr<VertexBuffer> vb(new VertexBuffer());
    HRESULT hr = CreateGlBuffer(device, length, vb->glName_);
    if (Failed(hr)) return hr;
    vb->data_.assign(length, 0);
    UploadGlBuffer(GL_ARRAY_BUFFER, vb->glName_, vb->data_);
    out = std::move(vb);
    return S_OK;
}

HRESULT VertexBuffer::Lock(void** data) {
    if (!data || locked_) return D3DERR_INVALIDCALL;
    locked_ = true;
    *data = data_.data();
    return S_OK;
}

HRESULT VertexBuffer::Unlock() {
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    UploadGlBuffer(GL_ARRAY_BUFFER, glName_, data_);
    return S_OK;
}

IndexBuffer::~IndexBuffer() {
    if (glName_ && GlContextCurrent()) glDeleteBuffers(1, &glName_);
}

HRESULT IndexBuffer::Create(Device* device, uint32_t length, std::unique_ptr<IndexBuffer>& out) {
    out.reset();
    std::unique_ptr<IndexBuffer> ib(new IndexBuffer());
    HRESULT hr = CreateGlBuffer(device, length, ib->glName_);
    if (Failed(hr)) return hr;
    ib->data_.assign(length, 0);
    UploadGlBuffer(GL_ELEMENT_ARRAY_BUFFER, ib->glName_, ib->data_);
    out = std::move(ib);
    return S_OK;
}

HRESULT IndexBuffer::Lock(void** data) {
    if (!data || locked_) return D3DERR_INVALIDCALL;
    locked_ = true;
    *data = data_.data();
    return S_OK;
}

HRESULT IndexBuffer::Unlock() {
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    UploadGlBuffer(GL_ELEMENT_ARRAY_BUFFER, glName_, data_);
    return S_OK;
}

uint16_t IndexBuffer::index(uint32_t i) const {
    uint16_t v = 0;
    std::memcpy(&v, data_.data() + static_cast<size_t>(i) * 2, 2);
    return v;
}

// --- state --------------------------------------------------------------------------------

void SetRenderState(RenderState state, uint32_t value) {
    if (state < P().states.size()) P().states[state] = value;
}

uint32_t GetRenderState(RenderState state) {
    return state < P().states.size() ? P().states[state] : 0;
}

void SetTextureStageState(uint32_t stage, TextureStageState type, uint32_t value) {
    if (stage != 0) return;
    if (type == TSS_COLOROP) P().colorOp = value;
    else if (type == TSS_ALPHAOP) P().alphaOp = value;
}

void SetSamplerState(uint32_t sampler, SamplerState type, uint32_t value) {
    if (sampler != 0) return;
    if (type == SAMP_MINFILTER) P().minFilter = value;
    else if (type == SAMP_MAGFILTER) P().magFilter = value;
    else if (type == SAMP_MIPFILTER) P().mipFilter = value;
}

void SetLight(uint32_t index, const Light& light) {
    if (index < MaxLights) P().lights[index].light = light;
}

void LightEnable(uint32_t index, bool enable) {
    if (index < MaxLights) P().lights[index].enabled = enable;
}

bool GetLight(uint32_t index, Light& out, bool& enabled) {
    if (index >= MaxLights) return false;
    out = P().lights[index].light;
    enabled = P().lights[index].enabled;
    return true;
}

void SetTransform(TransformState state, const Matrix& m) {
    if (state == TS_WORLD) P().world = m;
    else if (state == TS_VIEW) P().view = m;
    else if (state == TS_PROJECTION) P().projection = m;
}

Matrix GetTransform(TransformState state) {
    if (state == TS_VIEW) return P().view;
    if (state == TS_PROJECTION) return P().projection;
    return P().world;
}

void SetMaterial(const Material& material) { P().material = material; }

void SetTexture(uint32_t stage, const Texture* texture) {
    if (stage == 0) P().texture = texture;
}

void SetStreamSource(uint32_t stream, const VertexBuffer* buffer, uint32_t offset, uint32_t stride) {
    if (stream != 0) return;
    P().vertices = buffer;
    P().streamOffset = offset;
    P().stride = stride;
}

void SetIndices(const IndexBuffer* buffer) { P().indices = buffer; }
void SetFVF(uint32_t fvf) { P().fvf = fvf; }

void ResetBindings() {
    P().vertices = nullptr;
    P().indices = nullptr;
    P().texture = nullptr;
}

Matrix GlProjection(const Matrix& leftHandedProjection) {
    // z' = 2 z - w takes clip depth 0..w to -w..w; x, y and w stay.
    Matrix depth = MatrixIdentity();
    depth.m[2][2] = 2;
    depth.m[3][2] = -1;
    return MatrixMultiply(leftHandedProjection, depth);
}

uint64_t TrianglesDrawn() { return P().triangles; }
void ResetTriangleCounter() { P().triangles = 0; }

// --- drawing ------------------------------------------------------------------------------

HRESULT DrawIndexedPrimitive(Device* device, PrimitiveType type, int32_t baseVertex, uint32_t minIndex,
                             uint32_t numVertices, uint32_t startIndex, uint32_t primitiveCount) {
    Pipeline& p = P();
    if (type != PT_TRIANGLELIST || !p.vertices || !p.indices || !(p.fvf & FVF_XYZ)) return D3DERR_INVALIDCALL;
    if (primitiveCount == 0) return S_OK;
    uint64_t count = uint64_t(primitiveCount) * 3;
    if (uint64_t(startIndex) + count > p.indices->indexCount()) return D3DERR_INVALIDCALL;
    uint32_t stride = p.stride ? p.stride : VertexSize(p.fvf);
    if (stride < VertexSize(p.fvf) || p.streamOffset > p.vertices->length()) return D3DERR_INVALIDCALL;
    int64_t available = (int64_t(p.vertices->length()) - p.streamOffset) / stride;
    uint32_t lo = 0xFFFF, hi = 0;
    for (uint64_t i = 0; i < count; ++i) {
        uint32_t idx = p.indices->index(static_cast<uint32_t>(startIndex + i));
        lo = std::min(lo, idx);
        hi = std::max(hi, idx);
    }
    int64_t first = int64_t(baseVertex) + lo, last = int64_t(baseVertex) + hi;
    if (first < 0 || last >= available) return D3DERR_INVALIDCALL;
    (void)minIndex;
    (void)numVertices;   // Direct3D's hint only; the real range is taken from the indices
    if (!device) return D3DERR_NOTAVAILABLE;

    device->BindBackBuffer();
    ApplyRasterState();
    ApplyFog();
    Sphere bounds = WorldBounds(*p.vertices, p.streamOffset, stride, static_cast<uint32_t>(first),
                                static_cast<uint32_t>(last));
    ApplyLighting(bounds);
    // A negative base vertex cannot move the arrays' start; its indices are rebased instead.
    const uint32_t arrayStart = baseVertex >= 0 ? uint32_t(baseVertex) : 0;
    ApplyArrays(arrayStart, stride);
    ApplyTexture();
    glMatrixMode(GL_PROJECTION);
    Matrix proj = GlProjection(p.projection);
    glLoadMatrixf(&proj.m[0][0]);
    glMatrixMode(GL_MODELVIEW);
    // Row-vector matrices stored row by row read as the transposed, column-vector matrices that
    // OpenGL stores column by column: the same memory serves both.
    Matrix worldView = MatrixMultiply(p.world, p.view);
    glLoadMatrixf(&worldView.m[0][0]);
    if (baseVertex >= 0) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, p.indices->glName());
        glDrawRangeElements(GL_TRIANGLES, lo, hi, static_cast<GLsizei>(count), GL_UNSIGNED_SHORT,
                            reinterpret_cast<const void*>(static_cast<uintptr_t>(startIndex) * 2));
    } else {
        std::vector<uint32_t> rebased(count);
        for (uint64_t i = 0; i < count; ++i) rebased[i] = uint32_t(int64_t(p.indices->index(uint32_t(startIndex + i))) + baseVertex);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        glDrawRangeElements(GL_TRIANGLES, uint32_t(first), uint32_t(last), static_cast<GLsizei>(count), GL_UNSIGNED_INT,
                            rebased.data());
    }
    RestoreAfterDraw();
    p.triangles += primitiveCount;
    return S_OK;
}

}  // namespace plat
