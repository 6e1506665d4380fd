// Progress files that cannot be read: kept aside under a new name, or, when even that fails,
// left alone with the board marked unsaved.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/game_error.h"
#include "core/progress_files.h"

namespace {

namespace fs = std::filesystem;

class ProgressFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("stroylik_progress_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

void FailingLoad() { ThrowFileError("save", 3, "not a number"); }

TEST_F(ProgressFiles, AFileThatFailsToLoadGoesAsideAndTwoGetTwoNames) {
    const std::string save = (dir_ / "sk_4.dat").string();
    int32_t boardLevel = 4;
    for (int round = 1; round <= 2; ++round) {
        std::ofstream(save) << "round " << round;
        std::string message;
        try {
            LoadProgressOrKeepAside(save, FailingLoad, boardLevel);
        } catch (const GameFileError& e) {
            message = e.what();
        }
        EXPECT_NE(message.find("not a number"), std::string::npos) << message;
        EXPECT_NE(message.find("sk_4.dat.broken-"), std::string::npos) << message;
        EXPECT_FALSE(fs::exists(save));
        EXPECT_EQ(boardLevel, 4) << "the name is free: the level may be saved";
    }
    int aside = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) aside += entry.path().filename().string().rfind("sk_4.dat.broken-", 0) == 0;
    EXPECT_EQ(aside, 2) << "the second file does not replace the first";
}

TEST_F(ProgressFiles, AFileThatCannotBeMovedStaysAndItsLevelIsNotSaved) {
    // A name so long that no longer name fits beside it.
    const std::string save = (dir_ / std::string(240, 's')).string();
    std::ofstream(save) << "damaged";
    int32_t boardLevel = 9;
    EXPECT_THROW(LoadProgressOrKeepAside(save, FailingLoad, boardLevel), GameFileError);
    EXPECT_EQ(boardLevel, 0);
    EXPECT_TRUE(fs::exists(save));
    int32_t untouched = 9;
    LoadProgressOrKeepAside((dir_ / "missing.dat").string(), FailingLoad, untouched);   // no file: nothing to load
    EXPECT_EQ(untouched, 9);
}

}  // namespace
