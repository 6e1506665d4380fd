#pragma once
// Small model files for the reader and animation tests, written in the layout the game reads.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "render/model_store.h"

// A frame holding one quad (4 vertices, 2 faces) shifted by `shift` on x, with an optional
// texture line and `keys` matrix keys whose translation x is the key number.
inline std::string ModelFrameText(const std::string& name, float shift, const std::string& textureLine) {
    std::string s = "Frame " + name + " {\n";
    s += "  FrameTransformMatrix {\n   1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0," + std::to_string(int(shift)) +
         ".5,2.0,3.0,1.0;;\n  }\n";
    s += "  Mesh {\n   4;\n";
    s += "   -1.5;0.0;-1.0;,\n   1.0;0.0;-1.0;,\n   1.0;0.0;1.0;,\n   -1.0;0.0;1.0;;\n";
    s += "   2;\n   3;0,2,1;,\n   3;0,3,2;;\n";
    s += "   MeshNormals {\n    4;\n    0.0;1.0;0.0;,\n    0.0;1.0;0.0;,\n    0.0;1.0;0.0;,\n    0.0;0.5;0.0;;\n";
    s += "    2;\n    3;0,2,1;,\n    3;0,3,2;;\n   }\n";
    s += "   MeshMaterialList {\n    1;\n    2;\n    0,\n    0;;\n    Material {\n";
    s += "     0.25;0.5;0.75;1.0;;\n     12.5;\n     0.1;0.2;0.3;;\n     0.0;0.05;0.0;;\n";
    s += textureLine;
    s += "    }\n   }\n";
    s += "   MeshTextureCoords {\n    4;\n    0.0;0.0;,\n    1.0;0.0;,\n    1.0;1.0;,\n    0.0;0.25;;\n   }\n";
    s += "  }\n}\n";
    return s;
}

inline std::string QuotedTexture(const std::string& file) {
    return "     TextureFilename {\n      \"" + file + "\";\n     }\n";
}

inline std::string AnimationText(const std::string& name, int keys) {
    std::string s = " Animation Anim-" + name + " {\n  {" + name + "}\n  AnimationKey {\n   4;\n   " +
                    std::to_string(keys) + ";\n";
    for (int k = 0; k < keys; ++k) {
        s += "   " + std::to_string(k * 160) + ";16;1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0," + std::to_string(k) +
             ".0,0.0,0.0,1.0;;" + (k + 1 < keys ? ",\n" : ";\n");
    }
    s += "  }\n }\n";
    return s;
}

// Writes text to a file in a scratch folder that is removed with the object.
class ModelFiles {
public:
    ModelFiles() {
        char pattern[] = "/tmp/stroylik_model_XXXXXX";
        dir_ = mkdtemp(pattern) ? pattern : "/tmp";
    }
    ~ModelFiles() {
        std::error_code ec;
        if (dir_ != "/tmp") std::filesystem::remove_all(dir_, ec);
    }
    std::string Write(const std::string& name, const std::string& text) const {
        std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
};
