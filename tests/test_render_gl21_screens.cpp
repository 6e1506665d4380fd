// The game on the OpenGL 2.1 floor: Mesa limited to OpenGL 2.1 and GLSL 1.20 draws the same
// pictures as the context the driver gives by default, screen by screen at every resolution;
// below the floor the game says what it needs and what it found.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "game_runner.h"
#include "platform/image.h"

namespace {

const char* const Floor21 = "MESA_GL_VERSION_OVERRIDE=2.1 MESA_GLSL_VERSION_OVERRIDE=120";

// Every screen once. A 50 ms step moves the intro one key a frame, so 36 frames show the
// blocks flying in as 1.5 s of play would.
const char* const TourScript =
    "frames 36\n"
    "screenshot intro.png\n"
    "click\n"
    "move 640 300\n"
    "frames 2\n"
    "screenshot menu.png\n"
    "move 380 320\n"
    "click\n"
    "frames 2\n"
    "screenshot start1.png\n"
    "move 500 220\n"
    "click\n"
    "frames 2\n"
    "screenshot box1.png\n"
    "move 1250 10\n"
    "click\n"
    "move 860 500\n"
    "click\n"
    "frames 2\n"
    "screenshot start2.png\n"
    "move 500 220\n"
    "click\n"
    "frames 2\n"
    "screenshot box2.png\n";

const char* const TourShots[] = {"intro", "menu", "start1", "box1", "start2", "box2"};

struct PictureDiff {
    int width = 0, height = 0;
    size_t differing = 0;   // pixels with a channel off by more than the tolerance
    int distinctColours = 0;
};

PictureDiff Compare(const std::string& a, const std::string& b, int tolerance) {
    plat::Image ia, ib;
    std::string error;
    PictureDiff d;
    EXPECT_TRUE(plat::LoadImageFile(a, ia, error)) << error;
    EXPECT_TRUE(plat::LoadImageFile(b, ib, error)) << error;
    EXPECT_EQ(ia.width, ib.width) << a;
    EXPECT_EQ(ia.height, ib.height) << a;
    if (ia.pixels.size() != ib.pixels.size() || ia.pixels.empty()) return d;
    d.width = ia.width;
    d.height = ia.height;
    std::set<uint32_t> colours;
    for (size_t i = 0; i < ia.pixels.size(); ++i) {
        if (colours.size() < 1000) colours.insert(ia.pixels[i]);
        for (int shift = 0; shift < 24; shift += 8) {
            const int ca = int(ia.pixels[i] >> shift & 0xFF), cb = int(ib.pixels[i] >> shift & 0xFF);
            if (std::abs(ca - cb) > tolerance) {
                ++d.differing;
                break;
            }
        }
    }
    d.distinctColours = int(colours.size());
    return d;
}

void ExpectSamePictures(const std::string& dirA, const std::string& dirB, const std::string& shot, int w, int h) {
    SCOPED_TRACE(shot + " at " + std::to_string(w) + "x" + std::to_string(h));
    const PictureDiff d = Compare(dirA + "/" + shot + ".png", dirB + "/" + shot + ".png", 6);
    EXPECT_EQ(d.width, w);
    EXPECT_EQ(d.height, h);
    EXPECT_GT(d.distinctColours, 20) << "the screen drew next to nothing";
    // A few pixels may round differently where the two contexts pick other code paths.
    EXPECT_LE(d.differing, size_t(w) * h / 1000) << d.differing << " pixels differ";
}

TEST(Gl21Screens, EveryScreenMatchesTheDefaultContextAtEveryResolution) {
    GameRunner plain, floor;
    const struct {
        const char* name;
        int w, h;
    } sizes[] = {{"800x600", 800, 600}, {"1024x768", 1024, 768}, {"1280x1024", 1280, 1024}};
    for (const auto& size : sizes) {
        const std::vector<std::string> args = {"--resolution", size.name, "--no-vsync", "--fixed-step", "50", "--seed", "7"};
        GameRun a = plain.Run(TourScript, args);
        ASSERT_EQ(a.exitCode, 0) << a.stdErr;
        GameRun b = floor.Run(TourScript, args, Floor21);
        ASSERT_EQ(b.exitCode, 0) << b.stdErr;
        for (const char* shot : TourShots) ExpectSamePictures(plain.dir(), floor.dir(), shot, size.w, size.h);
    }
}

TEST(Gl21Screens, TheSettingsDialogMatchesTheDefaultContext) {
    GameRunner plain, floor;
    const std::string script = "frames 3\nscreenshot dialog.png\n";
    GameRun a = plain.Run(script, {"--no-vsync"}, "", false);
    ASSERT_EQ(a.exitCode, 0) << a.stdErr;
    GameRun b = floor.Run(script, {"--no-vsync"}, Floor21, false);
    ASSERT_EQ(b.exitCode, 0) << b.stdErr;
    ExpectSamePictures(plain.dir(), floor.dir(), "dialog", 418, 179);
}

TEST(Gl21Screens, BelowTheFloorTheMessageSaysWhatIsNeededAndWhatIsThere) {
    GameRunner game;
    GameRun run = game.Run("frames 3\n", {"--no-vsync"}, "MESA_GL_VERSION_OVERRIDE=2.0 MESA_GLSL_VERSION_OVERRIDE=110");
    EXPECT_EQ(run.exitCode, 1);
    const std::string debug = game.ReadFile("Debug.txt");
    EXPECT_NE(debug.find("OpenGL 2.1 is needed; this system offers OpenGL 2.0"), std::string::npos) << debug;
    EXPECT_NE(run.stdErr.find("OpenGL 2.1 is needed"), std::string::npos) << run.stdErr;
}

}  // namespace
