#pragma once
// Fixed-function 3D drawing for the intro model: render states, lights, material, transforms,
// vertex and 16-bit index buffers and indexed triangle lists. The values and their meaning are
// those of the Direct3D 9 fixed pipeline the model was made for (left-handed coordinates,
// row vectors, depth 0..1, clockwise front faces); this layer turns them into OpenGL.
//
// The state lives here, not in a Device, so it survives a device rebuild: the game sets it
// once at start-up and the rebuilt device draws the model lit and projected as before.
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/matrix.h"
#include "platform/types.h"

namespace plat {

class Device;
class Texture;

// Render states, numbered as the game passes them.
enum RenderState : uint32_t {
    RS_ZENABLE = 7,
    RS_SHADEMODE = 9,
    RS_ZWRITEENABLE = 14,
    RS_ALPHABLENDENABLE = 27,
    RS_CULLMODE = 22,
    RS_ZFUNC = 23,
    RS_FOGENABLE = 28,
    RS_SPECULARENABLE = 29,
    RS_FOGCOLOR = 34,
    RS_FOGTABLEMODE = 35,
    RS_FOGSTART = 36,     // float bits
    RS_FOGEND = 37,       // float bits
    RS_FOGDENSITY = 38,   // float bits
    RS_LIGHTING = 137,
    RS_AMBIENT = 139,     // 0xAARRGGBB
    RS_NORMALIZENORMALS = 143,
    RS_DIFFUSEMATERIALSOURCE = 145,
    RS_SPECULARMATERIALSOURCE = 146,
    RS_AMBIENTMATERIALSOURCE = 147,
    RS_MULTISAMPLEANTIALIAS = 161,
    RS_ANTIALIASEDLINEENABLE = 176,
};

constexpr uint32_t CULL_NONE = 1, CULL_CW = 2, CULL_CCW = 3;
constexpr uint32_t ZB_FALSE = 0, ZB_TRUE = 1;
constexpr uint32_t CMP_NEVER = 1, CMP_LESS = 2, CMP_EQUAL = 3, CMP_LESSEQUAL = 4, CMP_GREATER = 5,
                   CMP_NOTEQUAL = 6, CMP_GREATEREQUAL = 7, CMP_ALWAYS = 8;
constexpr uint32_t SHADE_FLAT = 1, SHADE_GOURAUD = 2;
constexpr uint32_t FOG_NONE = 0, FOG_EXP = 1, FOG_EXP2 = 2, FOG_LINEAR = 3;
constexpr uint32_t MCS_MATERIAL = 0, MCS_COLOR1 = 1, MCS_COLOR2 = 2;

enum TextureStageState : uint32_t { TSS_COLOROP = 1, TSS_ALPHAOP = 4 };
constexpr uint32_t TOP_DISABLE = 1, TOP_SELECTARG1 = 2, TOP_SELECTARG2 = 3, TOP_MODULATE = 4;

enum SamplerState : uint32_t { SAMP_MAGFILTER = 5, SAMP_MINFILTER = 6, SAMP_MIPFILTER = 7 };
constexpr uint32_t TEXF_NONE = 0, TEXF_POINT = 1, TEXF_LINEAR = 2, TEXF_ANISOTROPIC = 3;

enum TransformState : uint32_t { TS_VIEW = 2, TS_PROJECTION = 3, TS_WORLD = 256 };

// Vertex layout bits; the parts appear in the vertex in this order.
constexpr uint32_t FVF_XYZ = 0x002, FVF_NORMAL = 0x010, FVF_DIFFUSE = 0x040, FVF_SPECULAR = 0x080,
                   FVF_TEX1 = 0x100;

enum PrimitiveType : uint32_t { PT_TRIANGLELIST = 4 };

enum LightType : uint32_t { LIGHT_POINT = 1, LIGHT_SPOT = 2, LIGHT_DIRECTIONAL = 3 };

// A light in world space. Directional lights shine along Direction; point and spot lights
// fade by 1 / (Attenuation0 + Attenuation1 d + Attenuation2 d^2) and stop at Range.
struct Light {
    uint32_t Type = LIGHT_POINT;
    Color4 Diffuse, Specular, Ambient;
    Vec3 Position, Direction;
    float Range = 0;
    float Falloff = 0;
    float Attenuation0 = 0, Attenuation1 = 0, Attenuation2 = 0;
    float Theta = 0, Phi = 0;
};

struct Material {
    Color4 Diffuse, Ambient, Specular, Emissive;
    float Power = 0;
};

constexpr int MaxLights = 8;

inline uint32_t FloatBits(float f) { return std::bit_cast<uint32_t>(f); }
inline float BitsFloat(uint32_t u) { return std::bit_cast<float>(u); }

// GPU vertex data with a copy kept in memory (index ranges are checked against it).
class VertexBuffer {
public:
    ~VertexBuffer();
    VertexBuffer(const VertexBuffer&) = delete;
    VertexBuffer& operator=(const VertexBuffer&) = delete;
    // Fails with D3DERR_INVALIDCALL for length 0, D3DERR_NOTAVAILABLE without a device.
    static HRESULT Create(Device* device, uint32_t length, uint32_t fvf, std::unique_ptr<VertexBuffer>& out);
    // The whole buffer; the data go to the GPU on Unlock.
    HRESULT Lock(void** data);
    HRESULT Unlock();
    uint32_t length() const { return static_cast<uint32_t>(data_.size()); }
    unsigned glName() const { return glName_; }
    const std::vector<uint8_t>& data() const { return data_; }

private:
    VertexBuffer() = default;
    std::vector<uint8_t> data_;
    unsigned glName_ = 0;
    bool locked_ = false;
};

// 16-bit indices, as VertexBuffer.
class IndexBuffer {
public:
    ~IndexBuffer();
    IndexBuffer(const IndexBuffer&) = delete;
    IndexBuffer& operator=(const IndexBuffer&) = delete;
    static HRESULT Create(Device* device, uint32_t length, std::unique_ptr<IndexBuffer>& out);
    HRESULT Lock(void** data);
    HRESULT Unlock();
    uint32_t length() const { return static_cast<uint32_t>(data_.size()); }
    uint32_t indexCount() const { return length() / 2; }
    uint16_t index(uint32_t i) const;
    unsigned glName() const { return glName_; }

private:
    IndexBuffer() = default;
    std::vector<uint8_t> data_;
    unsigned glName_ = 0;
    bool locked_ = false;
};

// The 3D pipeline state; every call only records, DrawIndexedPrimitive applies it all.
void SetRenderState(RenderState state, uint32_t value);
uint32_t GetRenderState(RenderState state);
void SetTextureStageState(uint32_t stage, TextureStageState type, uint32_t value);
void SetSamplerState(uint32_t sampler, SamplerState type, uint32_t value);
void SetLight(uint32_t index, const Light& light);
void LightEnable(uint32_t index, bool enable);
bool GetLight(uint32_t index, Light& out, bool& enabled);
void SetTransform(TransformState state, const Matrix& m);
Matrix GetTransform(TransformState state);
void SetMaterial(const Material& material);
// Stage 0 only; nullptr draws in the lit material colour.
void SetTexture(uint32_t stage, const Texture* texture);
void SetStreamSource(uint32_t stream, const VertexBuffer* buffer, uint32_t offset, uint32_t stride);
void SetIndices(const IndexBuffer* buffer);
void SetFVF(uint32_t fvf);
// Forgets buffers and texture (a released buffer must never be drawn from).
void ResetBindings();

// Draws primitiveCount triangles from the bound buffers: indices from startIndex on, each
// added to baseVertex. Checks that every index read lies in the buffers; a draw that would
// read outside them draws nothing and returns D3DERR_INVALIDCALL.
HRESULT DrawIndexedPrimitive(Device* device, PrimitiveType type, int32_t baseVertex, uint32_t minIndex,
                             uint32_t numVertices, uint32_t startIndex, uint32_t primitiveCount);

// The left-handed projection (clip depth 0..w) made into the OpenGL one (clip depth -w..w).
Matrix GlProjection(const Matrix& leftHandedProjection);

// Count of triangles drawn since the last reset, for tests and statistics.
uint64_t TrianglesDrawn();
void ResetTriangleCounter();

}  // namespace plat
