// The text model reader: what a file of our layout gives, the rules for lines outside it, and
// that no file, however broken, makes it read or write outside the store.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <sstream>

#include "core/game_error.h"
#include "core/timing.h"
#include "render/model.h"
#include "render/model_store.h"
#include "test_model_fixture.h"

namespace {

class ModelReader : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModelStore();
        g_ticksPerSecond = 2400;
    }
    void TearDown() override { ResetModelStore(); }

    std::string TwoFrames(int keys) const {
        return "xof 0303txt 0032\n\ntemplate Frame {\n <3d82ab46-62da-11cf-ab39-0020af71e433>\n [...]\n}\n\n" +
               ModelFrameText("Box01", 10, QuotedTexture("wood.png")) + ModelFrameText("Box02", 20, "") +
               "AnimationSet Set0 {\n" + AnimationText("Box02", keys) + AnimationText("Box01", keys + 1) + "}\n";
    }

    // Whatever was read, every record lies inside the arrays it indexes.
    static void ExpectStoreConsistent() {
        ASSERT_EQ(g_modelVertices.size(), static_cast<size_t>(g_vertexCount));
        ASSERT_EQ(g_modelFaces.size(), static_cast<size_t>(g_faceCount));
        ASSERT_LE(static_cast<size_t>(g_objectCount), g_modelObjects.size());
        for (int i = 0; i < g_objectCount; ++i) {
            const TMyMesh& r = g_modelObjects[i];
            EXPECT_GE(r.firstVertex, 0);
            EXPECT_LE(r.firstVertex + r.vertexCount, g_vertexCount) << "record " << i;
            EXPECT_LE(r.firstFace + r.faceCount, g_faceCount) << "record " << i;
            if (r.keyCount > 0) {
                EXPECT_GE(r.firstKey, 0);
                EXPECT_LE(static_cast<size_t>(r.firstKey + r.keyCount), g_animKeys.size()) << "record " << i;
            }
        }
    }

    ModelFiles files_;
};

TEST_F(ModelReader, ReadsFramesMeshesMaterialsTexturesAndKeys) {
    ReadModelFile(files_.Write("m.x", TwoFrames(3)));
    ASSERT_EQ(g_objectCount, 2);
    EXPECT_EQ(g_vertexCount, 8);
    EXPECT_EQ(g_faceCount, 4);
    EXPECT_EQ(g_keyCount, 7);
    EXPECT_GE(g_animKeys.size(), 8u);

    const TMyMesh& a = g_modelObjects[0];
    const TMyMesh& b = g_modelObjects[1];
    EXPECT_EQ(a.name, "Box01");
    EXPECT_EQ(b.name, "Box02");
    EXPECT_EQ(b.firstVertex, 4);
    EXPECT_EQ(b.firstFace, 2);
    EXPECT_EQ(b.firstNormal, 4);
    EXPECT_EQ(b.firstNormalFace, 2);
    EXPECT_FLOAT_EQ(a.frameMatrix.m[3][0], 10.5f);
    EXPECT_FLOAT_EQ(b.frameMatrix.m[3][0], 20.5f);
    EXPECT_FLOAT_EQ(b.frameMatrix.m[3][2], 3.0f);

    EXPECT_FLOAT_EQ(g_modelVertices[4].x, -1.5f);
    EXPECT_FLOAT_EQ(g_modelVertices[7].ny, 0.5f);
    EXPECT_FLOAT_EQ(g_modelVertices[7].v, 0.25f);
    EXPECT_EQ(g_modelVertices[5].diffuse, 0u);
    EXPECT_EQ(g_modelFaces[3].a, 0);
    EXPECT_EQ(g_modelFaces[3].b, 3);
    EXPECT_EQ(g_modelFaces[3].c, 2);

    // Face colour is diffuse and ambient; specular and emissive take its alpha.
    EXPECT_FLOAT_EQ(a.material.Diffuse.b, 0.75f);
    EXPECT_FLOAT_EQ(a.material.Ambient.g, 0.5f);
    EXPECT_FLOAT_EQ(a.material.Power, 12.5f);
    EXPECT_FLOAT_EQ(a.material.Specular.b, 0.3f);
    EXPECT_FLOAT_EQ(a.material.Specular.a, 1.0f);
    EXPECT_FLOAT_EQ(a.material.Emissive.g, 0.05f);
    EXPECT_EQ(a.textureFile, "./models/wood.png");
    EXPECT_EQ(b.textureFile, "nil");

    // Animations find their frame by name, whatever their order; keys are 1/24 s apart.
    EXPECT_EQ(b.keyCount, 3);
    EXPECT_EQ(b.firstKey, 0);
    EXPECT_EQ(a.keyCount, 4);
    EXPECT_EQ(a.firstKey, 3);
    EXPECT_EQ(a.keyInterval, 100u);
    EXPECT_FLOAT_EQ(g_animKeys[a.firstKey + 2].m[3][0], 2.0f);
    EXPECT_EQ(g_animCount, 2);
    EXPECT_EQ(g_lastAnimObject, 0);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, TwoReadsAppendAndTheCountersContinue) {
    const std::string path = files_.Write("m.x", TwoFrames(2));
    ReadModelFile(path);
    ReadModelFile(path);
    ASSERT_EQ(g_objectCount, 4);
    EXPECT_EQ(g_vertexCount, 16);
    EXPECT_EQ(g_faceCount, 8);
    EXPECT_EQ(g_keyCount, 10);
    EXPECT_EQ(g_modelObjects[2].name, "Box01");
    EXPECT_EQ(g_modelObjects[2].firstVertex, 8);
    EXPECT_EQ(g_modelObjects[3].firstFace, 6);
    EXPECT_EQ(g_modelObjects[3].firstNormal, 12);
    // The second file's animations target its own records, with keys after the first file's.
    EXPECT_EQ(g_modelObjects[3].keyCount, 2);
    EXPECT_EQ(g_modelObjects[3].firstKey, 5);
    EXPECT_EQ(g_modelObjects[2].firstKey, 7);
    EXPECT_FLOAT_EQ(g_modelObjects[3].frameMatrix.m[3][0], 20.5f);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, TheGameReadsItsModelOnceAcrossDeviceRebuilds) {
    const std::string path = files_.Write("m.x", TwoFrames(2));
    LoadMyX(path);
    LoadMyX(path);
    EXPECT_EQ(g_objectCount, 2);
    EXPECT_EQ(g_vertexCount, 8);
    EXPECT_EQ(g_keyCount, 5);
}

TEST_F(ModelReader, NamedMeshLineIsNotRecognised) {
    std::string text = ModelFrameText("Box01", 0, "");
    text.replace(text.find("  Mesh {"), 8, "  Mesh Box01Mesh {");
    ReadModelFile(files_.Write("m.x", text));
    EXPECT_EQ(g_objectCount, 0);
    EXPECT_EQ(g_vertexCount, 0);
    // The normals block still counts and writes nothing: there are no vertices.
    EXPECT_EQ(g_normalTarget, 1);
    EXPECT_EQ(g_materialTarget, 1);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, FourCornerFaceStopsWithAnErrorNamingFileAndLine) {
    std::string text = ModelFrameText("Box01", 0, "");
    text.replace(text.find("3;0,2,1;,"), 9, "4;0,1,2,3;,");
    const std::string path = files_.Write("quad.x", text);
    try {
        ReadModelFile(path);
        FAIL() << "no error";
    } catch (const GameFileError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find(path), std::string::npos) << what;
        EXPECT_NE(what.find("line 12"), std::string::npos) << what;
        EXPECT_NE(what.find("2,3"), std::string::npos) << what;
    }
    // What was appended before the error stays; the mesh is not counted.
    EXPECT_EQ(g_objectCount, 0);
    EXPECT_EQ(g_vertexCount, 4);
    EXPECT_EQ(g_matrixTarget, 1);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, BadCountsStopBeforeAnythingGrows) {
    for (const char* count : {"-4", "x", "", "70000", "99999999999"}) {
        ResetModelStore();
        std::string text = ModelFrameText("Box01", 0, "");
        text.replace(text.find("   4;\n   -1.5"), 5, std::string("   ") + count + ";");
        EXPECT_THROW(ReadModelFile(files_.Write("count.x", text)), GameFileError) << count;
        EXPECT_EQ(g_vertexCount, 0) << count;
        EXPECT_TRUE(g_modelVertices.empty()) << count;
    }
}

TEST_F(ModelReader, MissingFileIsAnErrorNamingIt) {
    const std::string path = files_.dir() + "/none.x";
    try {
        ReadModelFile(path);
        FAIL() << "no error";
    } catch (const GameFileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
}

struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST_F(ModelReader, PointDecimalsUnderACommaLocale) {
    std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    std::string cBefore = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) break;
    std::ostringstream probe;
    probe << 0.5;
    EXPECT_EQ(probe.str(), "0,5");   // the locale really writes commas

    ReadModelFile(files_.Write("m.x", ModelFrameText("Box01", 0, "")));

    std::setlocale(LC_NUMERIC, cBefore.c_str());
    std::locale::global(before);
    ASSERT_EQ(g_objectCount, 1);
    EXPECT_FLOAT_EQ(g_modelVertices[0].x, -1.5f);
    EXPECT_FLOAT_EQ(g_modelVertices[3].ny, 0.5f);
    EXPECT_FLOAT_EQ(g_modelObjects[0].frameMatrix.m[3][0], 0.5f);
}

TEST_F(ModelReader, UnquotedTextureNameIsTheSameAsQuoted) {
    ReadModelFile(files_.Write("q.x", ModelFrameText("A", 0, QuotedTexture("block one.png"))));
    ReadModelFile(files_.Write("u.x", ModelFrameText("B", 0, "     TextureFilename {\n      blockone.png;\n     }\n")));
    ASSERT_EQ(g_objectCount, 2);
    EXPECT_EQ(g_modelObjects[0].textureFile, "./models/blockone.png");
    EXPECT_EQ(g_modelObjects[1].textureFile, g_modelObjects[0].textureFile);
}

TEST_F(ModelReader, KeyBlockWithNoTargetIsSkippedLineByLine) {
    // The animation comes before any mesh of the file: its keys are read and dropped, and the
    // frame after it is still recognised.
    std::string text = AnimationText("Box01", 3) + ModelFrameText("Box01", 0, "");
    ReadModelFile(files_.Write("m.x", text));
    ASSERT_EQ(g_objectCount, 1);
    EXPECT_EQ(g_keyCount, 0);
    EXPECT_EQ(g_modelObjects[0].keyCount, 0);
    EXPECT_EQ(g_vertexCount, 4);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, SecondKeyBlockForOneFrameStaysInsideTheKeys) {
    std::string text = ModelFrameText("Box01", 0, "") + AnimationText("Box01", 5) + AnimationText("Box01", 7);
    ReadModelFile(files_.Write("m.x", text));
    EXPECT_EQ(g_keyCount, 12);
    EXPECT_EQ(g_modelObjects[0].keyCount, 7);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, NormalsBeyondTheVerticesAreReadButNotStored) {
    std::string text = ModelFrameText("Box01", 0, "");
    size_t at = text.find("    4;\n    0.0;1.0;0.0;,");
    text.replace(at, 6, "    6;\n    9.0;9.0;9.0;,\n    9.0;9.0;9.0;,");
    text += ModelFrameText("Box02", 0, "");
    ReadModelFile(files_.Write("m.x", text));
    ASSERT_EQ(g_objectCount, 2);
    EXPECT_EQ(g_vertexCount, 8);
    EXPECT_FLOAT_EQ(g_modelVertices[0].nx, 9.0f);
    // The second mesh's normals start where the first block's count ended (vertex 6).
    EXPECT_EQ(g_modelObjects[1].firstNormal, 6);
    EXPECT_FLOAT_EQ(g_modelVertices[7].ny, 1.0f);
    ExpectStoreConsistent();
}

TEST_F(ModelReader, TruncatedFilesNeverLeaveTheStore) {
    const std::string full = TwoFrames(4);
    std::vector<size_t> cuts;
    for (size_t i = 0; i < full.size(); ++i)
        if (full[i] == '\n') cuts.push_back(i + 1);
    for (size_t cut : cuts) {
        ResetModelStore();
        const std::string path = files_.Write("cut.x", full.substr(0, cut));
        try {
            ReadModelFile(path);
        } catch (const GameFileError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
        }
        ExpectStoreConsistent();
        if (HasFatalFailure()) return;
    }
}

TEST_F(ModelReader, TheGeneratedLogoHasEightAnimatedBlocks) {
    const std::string dir = std::string(STROYLIK_GAME_DIR) + "/models/";
    ReadModelFile(dir + "logo.x");
    ASSERT_EQ(g_objectCount, 8);
    for (int i = 0; i < g_objectCount; ++i) {
        const TMyMesh& r = g_modelObjects[i];
        EXPECT_GE(r.keyCount, 260) << i;
        EXPECT_GT(r.faceCount, 12) << i;
        ASSERT_EQ(r.textureFile.rfind("./models/", 0), 0u);
        EXPECT_TRUE(std::filesystem::exists(dir + r.textureFile.substr(9))) << r.textureFile;
    }
    ExpectStoreConsistent();
}

}  // namespace
