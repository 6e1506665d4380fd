// The integer line writer both boxes save with: a save replaces the whole file or leaves the
// old one untouched, never a part-written file or a stray temporary beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "core/game_error.h"
#include "core/int_lines.h"
#include "progress_test_util.h"

namespace {

namespace fs = std::filesystem;

class IntLinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("stroylik_int_lines_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    // Saves `values` to `path`; returns the error message, empty when the save worked.
    static std::string Save(const fs::path& path, std::initializer_list<int32_t> values) {
        IntLineWriter out;
        for (int32_t v : values) out.Int(v);
        try {
            out.SaveAtomic(path.string());
        } catch (const GameFileError& e) {
            return e.what();
        }
        return "";
    }

    fs::path dir_;
};

TEST_F(IntLinesTest, SaveReplacesTheWholeFileAndEveryWriterStartsEmpty) {
    const fs::path file = dir_ / "k.dat";
    ASSERT_EQ(Save(file, {12, -3, 100, 7, 0}), "");
    EXPECT_EQ(Contents(file), "12\r\n-3\r\n100\r\n7\r\n0\r\n");
    // A shorter save leaves nothing of the longer one, although the writers share a buffer.
    ASSERT_EQ(Save(file, {5}), "");
    EXPECT_EQ(Contents(file), "5\r\n");
    EXPECT_EQ(progresstest::CountStartingWith(dir_.string(), "k.dat.tmp"), 0) << "no temporary left";
}

TEST_F(IntLinesTest, FailedSavesNameTheFileAndLeaveTheOldOneAlone) {
    // The folder is missing: nothing can be written.
    const fs::path missing = dir_ / "no_folder" / "k.dat";
    std::string message = Save(missing, {1, 2});
    EXPECT_NE(message.find(missing.string()), std::string::npos) << message;
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << "the system's reason: " << message;
    EXPECT_FALSE(fs::exists(dir_ / "no_folder"));

    // The name is taken by a folder with something in it: the temporary is written but cannot
    // replace it; the folder and its contents stay, and the temporary is cleared away.
    const fs::path taken = dir_ / "taken";
    fs::create_directories(taken);
    std::ofstream(taken / "keep.txt") << "kept";
    message = Save(taken, {3});
    EXPECT_NE(message.find(taken.string()), std::string::npos) << message;
    EXPECT_NE(message.find("Is a directory"), std::string::npos) << message;
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(Contents(taken / "keep.txt"), "kept");
    EXPECT_EQ(progresstest::CountStartingWith(dir_.string(), "taken.tmp"), 0) << "no temporary left";
}

}  // namespace
