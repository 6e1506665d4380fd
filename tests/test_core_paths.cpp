// The game folder and the user folder: joining names, finding the data, the XDG defaults.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/paths.h"

namespace {

namespace fs = std::filesystem;

class Folders : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/stroylik_paths_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        SetGameDir("");
        SetUserDir("");
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string dir_;
};

// Restores an environment variable when the test ends.
class EnvVar {
public:
    explicit EnvVar(const char* name) : name_(name) {
        const char* v = getenv(name);
        had_ = v != nullptr;
        if (had_) old_ = v;
    }
    ~EnvVar() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }
    void Set(const char* value) { value ? setenv(name_, value, 1) : unsetenv(name_); }

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

TEST_F(Folders, WithoutFoldersNamesStayRelativeAndNothingIsMade) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    EXPECT_EQ(GamePath("./levels/k1/level1.ini"), "./levels/k1/level1.ini");
    EXPECT_EQ(UserPath("./save/k1/sk_1.dat"), "./save/k1/sk_1.dat");
    EXPECT_FALSE(fs::exists(fs::path(dir_) / "save"));
    fs::current_path(before);
}

TEST_F(Folders, NamesJoinTheirFolderAndTheUserFolderIsMadeOnUse) {
    SetGameDir(dir_ + "/game/");
    SetUserDir(dir_ + "/user");
    EXPECT_EQ(GamePath("./levels/k2/level3.ini"), dir_ + "/game/levels/k2/level3.ini");
    EXPECT_EQ(GamePath("Surfaces.ini"), dir_ + "/game/Surfaces.ini");
    EXPECT_EQ(GamePath("/usr/share/x.png"), "/usr/share/x.png");
    EXPECT_EQ(UserPath("./save/k2/sk_7.dat"), dir_ + "/user/save/k2/sk_7.dat");
    EXPECT_TRUE(fs::is_directory(dir_ + "/user/save/k2"));
    EXPECT_EQ(UserPath("k1.dat"), dir_ + "/user/k1.dat");
    EXPECT_FALSE(fs::exists(dir_ + "/game")) << "the game folder is only read";
}

TEST_F(Folders, RelativeFoldersBecomeAbsolute) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    SetUserDir("mine/../user/.");
    fs::current_path(before);
    EXPECT_EQ(UserDir(), dir_ + "/user");
    EXPECT_EQ(UserPath("Debug.txt"), dir_ + "/user/Debug.txt");
}

TEST_F(Folders, DataIsLookedForBesideTheProgramThenInTheInstall) {
    const auto tried = GameDirCandidates("/usr/games", "/opt/stroylik/data");
    ASSERT_EQ(tried.size(), 3u);
    EXPECT_EQ(tried[0], "/usr/games/game");
    EXPECT_EQ(tried[1], "/usr/share/games/stroylik");
    EXPECT_EQ(tried[2], "/opt/stroylik/data");

    const std::string a = dir_ + "/a", b = dir_ + "/b";
    fs::create_directories(a);
    fs::create_directories(b);
    EXPECT_EQ(FindGameDir({a, b}), "");
    std::ofstream(b + "/Surfaces.ini") << "1\n";
    EXPECT_EQ(FindGameDir({a, b}), b);
    fs::create_directories(a + "/Surfaces.ini");   // a folder of that name is not the list
    EXPECT_EQ(FindGameDir({a, b}), b);
}

TEST_F(Folders, UserFolderFollowsXdgDataHome) {
    EnvVar data("XDG_DATA_HOME");
    EnvVar home("HOME");
    home.Set(dir_.c_str());
    data.Set(nullptr);
    EXPECT_EQ(DefaultUserDir(), dir_ + "/.local/share/stroylik");
    data.Set("/srv/data");
    EXPECT_EQ(DefaultUserDir(), "/srv/data/stroylik");
    data.Set("relative");
    EXPECT_EQ(DefaultUserDir(), dir_ + "/.local/share/stroylik");
}

TEST_F(Folders, ProgramDirIsWhereTheTestsRun) {
    const std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(fs::exists(fs::path(dir) / "stroylik_tests"));
}

}  // namespace
