#pragma once
// The model store: every mesh read from the text model files, in flat arrays that go into one
// vertex buffer and one 16-bit index buffer. It grows with every file read and is never emptied.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gl3d.h"
#include "platform/matrix.h"
#include "platform/texture.h"

// 36 bytes, the layout of the vertex buffer: position, normal, diffuse colour, u, v.
struct ModelVertex {
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    uint32_t diffuse = 0;   // never set by the reader
    float u = 0, v = 0;
};
static_assert(sizeof(ModelVertex) == 36);

// Indices count from the first vertex of the face's own mesh.
struct ModelFace {
    uint16_t a = 0, b = 0, c = 0;
};
static_assert(sizeof(ModelFace) == 6);

constexpr uint32_t ModelFvf = plat::FVF_XYZ | plat::FVF_NORMAL | plat::FVF_DIFFUSE | plat::FVF_TEX1;   // 0x152

// One frame of the file: its mesh, material, texture, frame matrix and animation keys.
struct TMyMesh {
    int32_t firstVertex = 0;
    int32_t vertexCount = 0;
    int32_t firstFace = 0;
    int32_t faceCount = 0;
    int32_t firstNormal = 0;
    int32_t normalCount = 0;
    int32_t firstNormalFace = 0;
    int32_t normalFaceCount = 0;
    plat::Matrix frameMatrix;
    plat::Matrix worldMatrix;
    plat::Material material;
    std::string textureFile = "nil";
    std::unique_ptr<plat::Texture> texture;
    int32_t keyCount = 0;
    int32_t currentKey = 0;
    int32_t firstKey = 0;
    uint64_t lastKeyTime = 0;
    uint64_t keyInterval = 0;
    std::string name;
};

extern std::vector<ModelVertex> g_modelVertices;
extern std::vector<ModelFace> g_modelFaces;
extern std::vector<plat::Matrix> g_animKeys;
extern std::vector<TMyMesh> g_modelObjects;
extern int32_t g_vertexCount;
extern int32_t g_faceCount;
extern int32_t g_keyCount;
extern int32_t g_objectCount;
// Separate running counters of the reader, one per kind of block.
extern int32_t g_normalTarget;
extern int32_t g_matrixTarget;
extern int32_t g_materialTarget;
extern int32_t g_animCount;
extern int32_t g_lastAnimObject;

// The largest counts one block may give: a mesh addresses at most 65,536 vertices with its
// 16-bit indices, and nothing the game draws comes near the other limits.
constexpr int32_t MaxMeshVertices = 65536;
constexpr int32_t MaxBlockLines = 1 << 20;

// Reads one text model file and appends it to the store (no textures). Throws GameFileError
// naming the file (and line) when the file cannot be read or a count or index is not an integer;
// what was appended before stays.
void ReadModelFile(const std::string& fileName);
// Releases and re-creates the texture of every record whose textureFile is not "nil".
// Throws GameFileError naming the textures that failed, after trying all of them.
void CreateModelTextures();
// True the first time a file name is given: the game reads each model file once.
bool MarkModelFileLoaded(const std::string& fileName);
// Empties the store and the reader's counters (tests only; the game never empties it).
void ResetModelStore();

// Grows the records to cover index i (never shrinks).
void GrowModelObjects(int32_t i);

// Rotation about X by -1.5 rad, then uniform scaling by 0.45.
plat::Matrix ModelMatrix();
constexpr int32_t IntroEndKey = 250;

// One intro frame's animation step and world matrices (step 3 of the frame), without drawing.
void UpdateModelAnimation();
