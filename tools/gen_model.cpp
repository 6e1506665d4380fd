// The intro model "./models/logo.x": eight lettered blocks in the text layout the game reads
// (a frame per block with its matrix, mesh, normals, material with texture, texture
// coordinates; then one matrix animation per block), and the blocks' textures beside it.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "gen_model_parts.h"
#include "generators.h"

namespace gen {

namespace {

constexpr int KeyCount = 264;          // the game stops the intro at key 250
constexpr int KeyTicks = 160;          // file time units per key (only written, never read)
constexpr float Bevel = 11.0f;
constexpr int FaceGrid = 4;
constexpr int TextureSize = 256;

// "." decimals whatever the locale.
std::string Num(float v) {
    if (v == 0) v = 0;   // no "-0.000000"
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    if (ec != std::errc()) throw std::runtime_error("number does not format");
    return std::string(buf, end);
}

std::string MatrixText(const plat::Matrix& m) {
    std::string s;
    for (int i = 0; i < 16; ++i) s += Num(m.m[i / 4][i % 4]) + (i < 15 ? "," : ";;");
    return s;
}

std::string BlockName(int i) { return "Block" + std::to_string(i + 1); }
std::string TextureName(int i) { return "block" + std::to_string(i + 1) + ".png"; }

void WriteFaces(std::ofstream& out, const BlockMesh& mesh, const char* indent) {
    out << indent << mesh.faces.size() << ";\n";
    for (size_t i = 0; i < mesh.faces.size(); ++i) {
        const auto& f = mesh.faces[i];
        out << indent << "3;" << f[0] << "," << f[1] << "," << f[2] << (i + 1 < mesh.faces.size() ? ";,\n" : ";;\n");
    }
}

void WriteFrame(std::ofstream& out, int index, const BlockMesh& mesh) {
    const size_t n = mesh.vertices.size();
    auto end = [&](size_t i) { return i + 1 < n ? ";," : ";;"; };
    out << "Frame " << BlockName(index) << " {\n";
    out << "  FrameTransformMatrix {\n    " << MatrixText(RestPose(index)) << "\n  }\n";
    out << "  Mesh {\n    " << n << ";\n";
    for (size_t i = 0; i < n; ++i) {
        const BlockVertex& v = mesh.vertices[i];
        out << "    " << Num(v.x) << ";" << Num(v.y) << ";" << Num(v.z) << end(i) << "\n";
    }
    WriteFaces(out, mesh, "    ");
    out << "    MeshNormals {\n      " << n << ";\n";
    for (size_t i = 0; i < n; ++i) {
        const BlockVertex& v = mesh.vertices[i];
        out << "      " << Num(v.nx) << ";" << Num(v.ny) << ";" << Num(v.nz) << end(i) << "\n";
    }
    WriteFaces(out, mesh, "      ");
    out << "    }\n";
    out << "    MeshMaterialList {\n      1;\n      " << mesh.faces.size() << ";\n";
    for (size_t i = 0; i < mesh.faces.size(); ++i) out << "      0" << (i + 1 < mesh.faces.size() ? ",\n" : ";;\n");
    // White, so the texture shows its own colours; a little glow keeps the shaded sides friendly.
    out << "      Material {\n"
        << "        1.000000;1.000000;1.000000;1.000000;;\n"
        << "        24.000000;\n"
        << "        0.300000;0.300000;0.300000;;\n"
        << "        0.160000;0.160000;0.160000;;\n"
        << "        TextureFilename {\n          \"" << TextureName(index) << "\";\n        }\n"
        << "      }\n    }\n";
    out << "    MeshTextureCoords {\n      " << n << ";\n";
    for (size_t i = 0; i < n; ++i) out << "      " << Num(mesh.vertices[i].u) << ";" << Num(mesh.vertices[i].v) << end(i) << "\n";
    out << "    }\n  }\n}\n\n";
}

void WriteAnimation(std::ofstream& out, int index) {
    std::vector<plat::Matrix> keys = BlockKeys(index, KeyCount);
    out << "  Animation Anim-" << BlockName(index) << " {\n    {" << BlockName(index) << "}\n";
    out << "    AnimationKey {\n      4;\n      " << keys.size() << ";\n";
    for (size_t k = 0; k < keys.size(); ++k)
        out << "      " << k * KeyTicks << ";16;" << MatrixText(keys[k]) << (k + 1 < keys.size() ? ",\n" : ";\n");
    out << "    }\n  }\n";
}

}  // namespace

void WriteLogoModel(const std::string& outDir) {
    const std::string dir = outDir + "/models/";
    for (int i = 0; i < LogoBlockCount; ++i) WriteBlockTexture(dir + TextureName(i), LogoBlocks[i], TextureSize);

    const std::string path = dir + "logo.x";
    EnsureParentDir(path);
    std::ofstream out(path, std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + path);
    out << "xof 0303txt 0032\n\n";
    const BlockMesh mesh = BuildBevelledBlock(BlockHalfSize, Bevel, FaceGrid);
    for (int i = 0; i < LogoBlockCount; ++i) WriteFrame(out, i, mesh);
    out << "AnimationSet Intro {\n";
    for (int i = 0; i < LogoBlockCount; ++i) WriteAnimation(out, i);
    out << "}\n";
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace gen
