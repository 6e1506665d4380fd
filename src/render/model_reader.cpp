// The reader of the game's text model files. It is written for exactly the layout our model
// files have (frames holding a matrix, one mesh with normals, one material, optional texture
// coordinates, then matrix animations), not for every file of the format. Numbers always use
// "." as decimal point, whatever the locale. Whatever a file holds, nothing is read or written
// outside the store: counts are checked before anything grows, targets before anything is stored.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "core/game_error.h"
#include "core/paths.h"
#include "core/timing.h"
#include "render/graphics.h"
#include "render/model.h"
#include "render/model_store.h"

namespace {

// Lines of one file; lines past its end read as empty text.
class LineSource {
public:
    explicit LineSource(const std::string& file) : file_(file), in_(file, std::ios::binary) {
        if (!in_) ThrowFileError(file, 0, "cannot open the model file");
    }
    bool AtEnd() { return in_.peek() == std::char_traits<char>::eof(); }
    std::string Next() {
        ++line_;
        std::string s;
        if (!std::getline(in_, s)) return {};
        if (!s.empty() && s.back() == '\r') s.pop_back();
        return s;
    }
    const std::string& file() const { return file_; }
    int line() const { return line_; }

private:
    std::string file_;
    std::ifstream in_;
    int line_ = 0;
};

// Walks through a data line: each value is the text up to its separator, spaces left out.
class Fields {
public:
    explicit Fields(std::string text) : text_(std::move(text)) {}
    std::string Until(char separator) {
        std::string value;
        while (pos_ < text_.size() && text_[pos_] != separator) {
            if (text_[pos_] != ' ') value += text_[pos_];
            ++pos_;
        }
        if (pos_ < text_.size()) ++pos_;   // past the separator
        return value;
    }
    void SkipPast(char separator) { Until(separator); }

private:
    std::string text_;   // owned: lines are read into temporaries
    size_t pos_ = 0;
};

std::string Without(std::string_view text, std::string_view drop) {
    std::string out;
    for (char c : text)
        if (drop.find(c) == std::string_view::npos) out += c;
    return out;
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

// A coordinate, colour or matrix value; text that is not a number reads as 0.
float ParseFloat(const std::string& text) {
    std::string_view t = text;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    float v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return 0;
    return v;
}

// A count or index: a decimal integer in 0..limit, or the load stops with an error naming the line.
int32_t ParseInt(const LineSource& src, const std::string& text, int64_t limit, const char* what) {
    std::string_view t = text;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    int64_t v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        ThrowFileError(src.file(), src.line(), "\"" + text + "\" is not a valid integer (" + what + ")");
    if (v < 0 || v > limit)
        ThrowFileError(src.file(), src.line(), std::string(what) + " " + text + " is out of range 0.." + std::to_string(limit));
    return static_cast<int32_t>(v);
}

// "3;" or "3;;": the value before the first ";".
std::string BeforeSemicolon(const std::string& line) { return Fields(line).Until(';'); }

ModelFace ReadFace(const LineSource& src, const std::string& line) {
    Fields f(line);
    f.SkipPast(';');   // the corner count, always 3 in our files
    std::string a = f.Until(','), b = f.Until(','), c = f.Until(';');
    ModelFace face;
    face.a = static_cast<uint16_t>(ParseInt(src, a, 65535, "vertex index"));
    face.b = static_cast<uint16_t>(ParseInt(src, b, 65535, "vertex index"));
    face.c = static_cast<uint16_t>(ParseInt(src, c, 65535, "vertex index"));
    return face;
}

plat::Matrix ReadMatrix(Fields& f) {
    plat::Matrix m;
    for (int i = 0; i < 16; ++i) m.m[i / 4][i % 4] = ParseFloat(f.Until(i < 15 ? ',' : ';'));
    return m;
}

bool ValidRecord(int32_t i) { return i >= 0 && static_cast<size_t>(i) < g_modelObjects.size(); }

const char* const Keywords[] = {
    "Frame", "AnimationAnim-", "Material", "Mesh{", "MeshNormals", "FrameTransformMatrix",
    "MeshMaterialList", "MeshTextureCoords{", "TextureFilename", "AnimationKey{",
};

class ModelReader {
public:
    explicit ModelReader(const std::string& file) : src_(file) {
        fileFirst_ = g_objectCount;
        target_ = fileFirst_;
    }

    void Run() {
        while (!src_.AtEnd()) HandleLine(Trim(src_.Next()));
    }

private:
    // Finds the keyword the line starts with (spaces and ";" between its letters allowed).
    void HandleLine(const std::string& line) {
        std::string word;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == ';' || line[i] == ' ') continue;
            word += line[i];
            for (const char* k : Keywords) {
                if (frameOpen_ && std::string_view(k) == "Frame") continue;
                if (word == k) {
                    Act(k, line.substr(i + 1));
                    return;
                }
            }
        }
    }

    void Act(std::string_view keyword, const std::string& rest) {
        if (keyword == "Frame") OnFrame(rest);
        else if (keyword == "AnimationAnim-") OnAnimation(rest);
        else if (keyword == "Material") OnMaterial();
        else if (keyword == "Mesh{") OnMesh();
        else if (keyword == "MeshNormals") OnNormals();
        else if (keyword == "FrameTransformMatrix") OnFrameMatrix();
        else if (keyword == "MeshTextureCoords{") OnTextureCoords();
        else if (keyword == "TextureFilename") OnTextureName();
        else if (keyword == "AnimationKey{") OnKeys();
        // "MeshMaterialList": its lines are not keywords and pass by until "Material".
    }

    void OnFrame(const std::string& rest) {
        GrowModelObjects(g_objectCount);
        g_modelObjects[g_objectCount].name = Without(rest, "{ ");
        frameOpen_ = true;
    }

    void OnAnimation(const std::string& rest) {
        ++g_animCount;
        animName_ = Without(rest, "{ ");
    }

    void OnMaterial() {
        GrowModelObjects(g_materialTarget);
        Fields face(src_.Next());
        plat::Color4 colour;
        colour.r = ParseFloat(face.Until(';'));
        colour.g = ParseFloat(face.Until(';'));
        colour.b = ParseFloat(face.Until(';'));
        colour.a = ParseFloat(face.Until(';'));
        float power = ParseFloat(Fields(src_.Next()).Until(';'));
        Fields specular(src_.Next());
        Fields emissive(src_.Next());
        plat::Material& m = g_modelObjects[g_materialTarget].material;
        m.Diffuse = m.Ambient = colour;
        m.Power = power;
        m.Specular = {ParseFloat(specular.Until(';')), ParseFloat(specular.Until(';')), ParseFloat(specular.Until(';')), colour.a};
        m.Emissive = {ParseFloat(emissive.Until(';')), ParseFloat(emissive.Until(';')), ParseFloat(emissive.Until(';')), colour.a};
        ++g_materialTarget;
    }

    void OnMesh() {
        int32_t n = ParseInt(src_, Without(src_.Next(), "; "), MaxMeshVertices, "vertex count");
        g_vertexCount += n;
        g_modelVertices.resize(static_cast<size_t>(g_vertexCount));
        GrowModelObjects(g_objectCount);
        TMyMesh& rec = g_modelObjects[g_objectCount];
        const TMyMesh* prev = g_objectCount > 0 ? &g_modelObjects[g_objectCount - 1] : nullptr;
        rec.textureFile = "nil";
        rec.texture.reset();
        rec.keyCount = 0;
        rec.firstVertex = prev ? prev->firstVertex + prev->vertexCount : 0;
        rec.vertexCount = n;
        for (int32_t i = 0; i < n; ++i) {
            Fields f(src_.Next());
            float x = ParseFloat(f.Until(';')), y = ParseFloat(f.Until(';')), z = ParseFloat(f.Until(';'));
            int64_t v = int64_t(rec.firstVertex) + i;
            if (v >= 0 && v < g_vertexCount) {
                g_modelVertices[v].x = x;
                g_modelVertices[v].y = y;
                g_modelVertices[v].z = z;
            }
        }
        int32_t m = ParseInt(src_, BeforeSemicolon(src_.Next()), MaxBlockLines, "face count");
        g_faceCount += m;
        g_modelFaces.resize(static_cast<size_t>(g_faceCount));
        rec.firstFace = prev ? prev->firstFace + prev->faceCount : 0;
        rec.faceCount = m;
        for (int32_t i = 0; i < m; ++i) {
            ModelFace face = ReadFace(src_, src_.Next());
            int64_t f = int64_t(rec.firstFace) + i;
            if (f >= 0 && f < g_faceCount) g_modelFaces[f] = face;
        }
        ++g_objectCount;
    }

    void OnNormals() {
        int32_t n = ParseInt(src_, Without(src_.Next(), "; "), MaxMeshVertices, "normal count");
        GrowModelObjects(g_normalTarget);
        TMyMesh& rec = g_modelObjects[g_normalTarget];
        const TMyMesh* prev = g_normalTarget > 0 ? &g_modelObjects[g_normalTarget - 1] : nullptr;
        rec.firstNormal = prev ? prev->firstNormal + prev->normalCount : 0;
        rec.normalCount = n;
        for (int32_t i = 0; i < n; ++i) {
            Fields f(src_.Next());
            float x = ParseFloat(f.Until(';')), y = ParseFloat(f.Until(';')), z = ParseFloat(f.Until(';'));
            int64_t v = int64_t(rec.firstNormal) + i;
            if (v < 0 || v >= g_vertexCount) continue;   // beyond the vertices: read, not stored
            g_modelVertices[v].nx = x;
            g_modelVertices[v].ny = y;
            g_modelVertices[v].nz = z;
        }
        int32_t faces = ParseInt(src_, BeforeSemicolon(src_.Next()), MaxBlockLines, "normal face count");
        rec.firstNormalFace = prev ? prev->firstNormalFace + prev->normalFaceCount : 0;
        rec.normalFaceCount = faces;
        for (int32_t i = 0; i < faces; ++i) ReadFace(src_, src_.Next());
        ++g_normalTarget;
        frameOpen_ = false;
    }

    void OnFrameMatrix() {
        GrowModelObjects(g_matrixTarget);
        Fields f(src_.Next());
        g_modelObjects[g_matrixTarget].frameMatrix = ReadMatrix(f);
        ++g_matrixTarget;
    }

    void OnTextureCoords() {
        src_.Next();   // the count: one pair per vertex of the mesh is read whatever it says
        int32_t current = g_objectCount - 1;
        if (!ValidRecord(current)) return;   // no mesh yet: the lines pass by as unrecognised text
        int32_t first = g_modelObjects[current].firstVertex;
        if (first < 0) return;
        for (int32_t v = first; v < g_vertexCount; ++v) {
            Fields f(src_.Next());
            g_modelVertices[v].u = ParseFloat(f.Until(';'));
            g_modelVertices[v].v = ParseFloat(f.Until(';'));
        }
    }

    void OnTextureName() {
        std::string name = Without(src_.Next(), "; \"");
        int32_t current = g_objectCount - 1;
        if (ValidRecord(current)) g_modelObjects[current].textureFile = "./models/" + name;
    }

    void OnKeys() {
        src_.Next();   // key type: only matrix keys are in our files
        int32_t k = ParseInt(src_, BeforeSemicolon(src_.Next()), MaxMeshVertices, "key count");
        for (int32_t r = fileFirst_; r < g_objectCount; ++r) {
            if (ValidRecord(r) && g_modelObjects[r].name == animName_) {
                target_ = r;
                break;
            }
        }
        if (target_ >= g_objectCount || !ValidRecord(target_)) {
            for (int32_t j = 0; j < k; ++j) src_.Next();   // nothing to animate: skip the keys
            return;
        }
        TMyMesh& rec = g_modelObjects[target_];
        rec.keyCount = k;
        rec.currentKey = 0;
        rec.keyInterval = g_ticksPerSecond > 0 ? static_cast<uint64_t>(g_ticksPerSecond) / 24 : 0;
        size_t needed = static_cast<size_t>(g_keyCount) + k + 1;
        if (g_animKeys.size() < needed) g_animKeys.resize(needed);
        int64_t first = 0;
        if (g_animCount != 1) {
            first = ValidRecord(g_lastAnimObject)
                        ? int64_t(g_modelObjects[g_lastAnimObject].firstKey) + g_modelObjects[g_lastAnimObject].keyCount
                        : g_keyCount;
        }
        // A block outside our layout (a second one for the same frame) may point elsewhere:
        // its keys then go after the last ones read.
        if (first < 0 || first + k > static_cast<int64_t>(g_animKeys.size())) first = g_keyCount;
        rec.firstKey = static_cast<int32_t>(first);
        for (int32_t j = 0; j < k; ++j) {
            Fields f(src_.Next());
            f.SkipPast(';');   // time: keys play at a fixed rate
            f.SkipPast(';');   // value count, always 16
            g_animKeys[static_cast<size_t>(first + j)] = ReadMatrix(f);
            ++g_keyCount;
        }
        g_lastAnimObject = target_;
    }

    LineSource src_;
    bool frameOpen_ = false;
    std::string animName_;
    int32_t fileFirst_ = 0;
    int32_t target_ = 0;
};

}  // namespace

void ReadModelFile(const std::string& fileName) {
    ModelReader reader(fileName);
    reader.Run();
}

void CreateModelTextures() {
    if (!g_device) return;
    std::string failures, firstFile;
    for (int32_t i = 0; i < g_objectCount && ValidRecord(i); ++i) {
        TMyMesh& rec = g_modelObjects[i];
        if (rec.textureFile == "nil") continue;
        rec.texture.reset();
        std::string error;
        if (plat::Failed(plat::CreateTextureFromFile(g_device.get(), GamePath(rec.textureFile), rec.texture, false, &error))) {
            if (firstFile.empty()) firstFile = rec.textureFile;
            else failures += "; ";
            failures += error.empty() ? rec.textureFile : error;
        }
    }
    if (!firstFile.empty()) ThrowFileError(firstFile, 0, "model texture not loaded (" + failures + ")");
}

// The game reads its model once: when the device is rebuilt, only the textures are made again,
// so the store never holds a second copy of the model.
void LoadMyX(const std::string& fileName) {
    std::exception_ptr readError;
    if (MarkModelFileLoaded(fileName)) {
        try {
            ReadModelFile(fileName);
        } catch (const GameFileError&) {
            readError = std::current_exception();
        }
    }
    try {
        CreateModelTextures();
    } catch (const GameFileError&) {
        if (!readError) throw;
    }
    if (readError) std::rethrow_exception(readError);
}
