// The model store's globals, its dump, and the emptying that only tests use.
#include "render/model_store.h"

#include <set>
#include <string>

#include "core/state_dump.h"

std::vector<ModelVertex> g_modelVertices;
std::vector<ModelFace> g_modelFaces;
std::vector<plat::Matrix> g_animKeys;
std::vector<TMyMesh> g_modelObjects;
int32_t g_vertexCount = 0;
int32_t g_faceCount = 0;
int32_t g_keyCount = 0;
int32_t g_objectCount = 0;
int32_t g_normalTarget = 0;
int32_t g_matrixTarget = 0;
int32_t g_materialTarget = 0;
int32_t g_animCount = 0;
int32_t g_lastAnimObject = 0;

namespace {
std::set<std::string>& LoadedFiles() {
    static std::set<std::string> files;
    return files;
}
}  // namespace

bool MarkModelFileLoaded(const std::string& fileName) { return LoadedFiles().insert(fileName).second; }

void GrowModelObjects(int32_t i) {
    if (i >= 0 && static_cast<size_t>(i) >= g_modelObjects.size()) g_modelObjects.resize(static_cast<size_t>(i) + 1);
}

void ResetModelStore() {
    g_modelVertices.clear();
    g_modelFaces.clear();
    g_animKeys.clear();
    g_modelObjects.clear();
    LoadedFiles().clear();
    g_vertexCount = g_faceCount = g_keyCount = g_objectCount = 0;
    g_normalTarget = g_matrixTarget = g_materialTarget = g_animCount = g_lastAnimObject = 0;
}

void DumpModel(StateDump& dump) {
    dump.SetInt("g_objectCount", g_objectCount);
    dump.SetInt("g_vertexCount", g_vertexCount);
    dump.SetInt("g_faceCount", g_faceCount);
    dump.SetInt("g_keyCount", g_keyCount);
    for (int32_t i = 0; i < g_objectCount && static_cast<size_t>(i) < g_modelObjects.size(); ++i)
        dump.SetInt("g_modelObjects." + std::to_string(i) + ".currentKey", g_modelObjects[i].currentKey);
}
