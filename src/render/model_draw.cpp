// The intro: the model store in one vertex and one index buffer, played from its matrix keys
// one key per frame at most, lit and projected by the 3D states of start-up, with the second
// star set twinkling over it.
#include <cstring>

#include "core/error_log.h"
#include "core/game_state.h"
#include "core/tables.h"
#include "core/timing.h"
#include "platform/gl3d.h"
#include "render/graphics.h"
#include "render/model.h"
#include "render/model_store.h"
#include "render/shown_text.h"
#include "render/stars.h"

std::unique_ptr<plat::VertexBuffer> g_vertexBuffer;
std::unique_ptr<plat::IndexBuffer> g_indexBuffer;

namespace {

constexpr uint32_t IntroBackground = 0xFFD65AC6;
constexpr uint32_t VertexStride = sizeof(ModelVertex);

bool FillBuffer(void* dst, const void* src, size_t bytes) {
    if (bytes) std::memcpy(dst, src, bytes);
    return true;
}

bool HasKey(const TMyMesh& rec) {
    int64_t k = int64_t(rec.firstKey) + rec.currentKey;
    return rec.keyCount > 0 && k >= 0 && k < static_cast<int64_t>(g_animKeys.size());
}

void DrawModel() {
    plat::Device* device = g_device.get();
    if (!device || !g_vertexBuffer || !g_indexBuffer) return;
    for (int32_t i = 0; i < g_objectCount && static_cast<size_t>(i) < g_modelObjects.size(); ++i) {
        const TMyMesh& rec = g_modelObjects[i];
        plat::SetTransform(plat::TS_WORLD, rec.worldMatrix);
        plat::SetMaterial(rec.material);
        if (rec.textureFile != "nil") plat::SetTexture(0, rec.texture.get());
        // A mesh whose indices leave the buffers is refused by the draw and simply not shown.
        plat::DrawIndexedPrimitive(device, plat::PT_TRIANGLELIST, rec.firstVertex, 0, static_cast<uint32_t>(rec.vertexCount),
                                   static_cast<uint32_t>(rec.firstFace) * 3, static_cast<uint32_t>(rec.faceCount));
        plat::SetTexture(0, nullptr);
    }
}

}  // namespace

plat::Matrix ModelMatrix() {
    return plat::MatrixMultiply(plat::MatrixRotationX(-1.5f), plat::MatrixScaling(0.45f, 0.45f, 0.45f));
}

void UpdateModelAnimation() {
    const plat::Matrix model = ModelMatrix();
    for (int32_t i = 0; i < g_objectCount && static_cast<size_t>(i) < g_modelObjects.size(); ++i) {
        TMyMesh& rec = g_modelObjects[i];
        rec.worldMatrix = plat::MatrixMultiply(rec.frameMatrix, model);
        if (rec.keyCount <= 0) continue;
        ReadTimeStamp();
        if (g_now - rec.lastKeyTime >= rec.keyInterval) {
            if (rec.currentKey < rec.keyCount - 1 && rec.currentKey < IntroEndKey) ++rec.currentKey;
            if (rec.currentKey == IntroEndKey) g_introActive = 0;
            ReadTimeStamp();
            rec.lastKeyTime = g_now;
        }
        if (HasKey(rec)) rec.worldMatrix = plat::MatrixMultiply(g_animKeys[rec.firstKey + rec.currentKey], model);
    }
}

// An empty model gets no buffers: the intro then shows its background and stars only.
void initvertex() {
    if (!g_device) return;
    plat::ResetBindings();
    g_vertexBuffer.reset();
    g_indexBuffer.reset();
    if (g_vertexCount <= 0 || g_faceCount <= 0) return;

    plat::HRESULT hr = plat::VertexBuffer::Create(g_device.get(), static_cast<uint32_t>(g_vertexCount) * VertexStride,
                                                  ModelFvf, g_vertexBuffer);
    if (plat::Failed(hr)) return WriteErrorLog(hr, "Not CreateVertexBuffer");
    void* data = nullptr;
    hr = g_vertexBuffer->Lock(&data);
    if (plat::Failed(hr)) return WriteErrorLog(hr, "Not Lock");
    FillBuffer(data, g_modelVertices.data(), static_cast<size_t>(g_vertexCount) * VertexStride);
    g_vertexBuffer->Unlock();

    hr = plat::IndexBuffer::Create(g_device.get(), static_cast<uint32_t>(g_faceCount) * sizeof(ModelFace), g_indexBuffer);
    if (plat::Failed(hr)) return WriteErrorLog(hr, "Not CreateIndexBuffer");
    hr = g_indexBuffer->Lock(&data);
    if (plat::Failed(hr)) return WriteErrorLog(hr, "Not Lock");
    FillBuffer(data, g_modelFaces.data(), static_cast<size_t>(g_faceCount) * sizeof(ModelFace));
    g_indexBuffer->Unlock();

    plat::SetStreamSource(0, g_vertexBuffer.get(), 0, VertexStride);
    plat::SetIndices(g_indexBuffer.get());
    plat::SetFVF(ModelFvf);
}

void drawmesh(int) {
    if (g_device && plat::Failed(g_device->BeginScene())) RestoreDevice();
    // Only the 3D model shows the stairs of its slanted edges: the intro alone is multisampled.
    if (g_device) g_device->UseMultisampling();
    g_clearColor = IntroBackground;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    plat::SetTransform(plat::TS_WORLD, g_identity);

    UpdateModelAnimation();
    DrawModel();

    if (g_sprite) {
        if (plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    }
    SpawnStars(g_stars2, StarSetSize, VirtualWidth, 0, VirtualHeight, 0);
    if (g_sprite) {
        drawstars_2();
        g_sprite->End();
    }
    if (g_device) {
        g_device->EndScene();
        g_device->Present();
        EndShownTextFrame();
    }
}

void ReleaseIntroGraphics() {
    if (g_vertexBuffer || g_indexBuffer) ReleaseModelBuffers();
    ReleaseModelTextures();
}

void ReleaseModelTextures() {
    for (size_t i = g_modelObjects.size(); i-- > 0;) g_modelObjects[i].texture.reset();
}

void ReleaseModelBuffers() {
    plat::ResetBindings();
    g_indexBuffer.reset();
    g_vertexBuffer.reset();
}
