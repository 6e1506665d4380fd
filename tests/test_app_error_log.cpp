// Error descriptions and the one-line "Debug.txt".
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/error_log.h"
#include "core/game_error.h"
#include "app/form.h"

namespace {

namespace fs = std::filesystem;

// Runs the test inside its own empty folder, so "Debug.txt" lands there.
class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        previous_ = cwd;
        std::string pattern = "/tmp/stroylik_log_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        ASSERT_EQ(chdir(dir_.c_str()), 0);
    }
    void TearDown() override {
        EXPECT_EQ(chdir(previous_.c_str()), 0);
        fs::remove_all(dir_);
    }
    static std::string ReadAll(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string previous_, dir_;
};

TEST(ErrorText, ListedRowsHaveTheirTexts) {
    EXPECT_STREQ(ErrorText(0), "The request completed successfully.");
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x80004001u)), "Action not supported.");
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x80004005u)), "Generic failure.");
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x8007000Eu)),
                 "DirectDraw does not have enough memory to perform the operation.");
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x80070057u)),
                 "One or more of the parameters passed to the function are incorrect.");
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x88760005u)), "This object is already initialized.");
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x8876017Cu)), ErrorText(static_cast<int32_t>(0x8007000Eu)));
    EXPECT_EQ(std::string(ErrorText(static_cast<int32_t>(0x887601C2u)))
                  .rfind("Access to this surface is being refused because the surface memory is gone.", 0),
              0u);
    EXPECT_STREQ(ErrorText(static_cast<int32_t>(0x887602BBu)),
                 "Surfaces created by one direct draw device cannot be used directly by another direct draw device.");
}

TEST(ErrorText, CodesOutsideTheTableAreUnrecognized) {
    for (uint32_t code : {0x88760868u, 0x88760869u, 0x8876086Cu, 0x88760004u, 0x887602BCu, 0x12345678u, 1u})
        EXPECT_STREQ(ErrorText(static_cast<int32_t>(code)), "Unrecognized Error") << std::hex << code;
}

TEST(ErrorText, TheTableHas109RowsAllDescribedAndDistinct) {
    EXPECT_EQ(ErrorTableSize(), 109);
    int graphicsRows = 0;
    for (uint32_t code = 0x88760000u; code <= 0x88760300u; ++code) {
        std::string text = ErrorText(static_cast<int32_t>(code));
        if (text == "Unrecognized Error") continue;
        ++graphicsRows;
        EXPECT_GE(code, 0x88760005u);
        EXPECT_LE(code, 0x887602BBu);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '.') << std::hex << code;
    }
    EXPECT_EQ(graphicsRows, 103);
}

TEST_F(ScratchFolder, TheLogHoldsOneLineEndedByCrLf) {
    EXPECT_THROW(WriteErrorLog(0, "Not Draw"), FatalErrorExit);
    EXPECT_EQ(ReadAll("Debug.txt"), "Not Draw: The request completed successfully.\r\n");
}

TEST_F(ScratchFolder, TwoErrorsLeaveOnlyTheLastLine) {
    EXPECT_THROW(WriteErrorLog(static_cast<int32_t>(0x80004005u), "InitD3D"), FatalErrorExit);
    try {
        WriteErrorLog(static_cast<int32_t>(0x88760868u), "Error-MouseCreate");
        FAIL() << "WriteErrorLog returned";
    } catch (const FatalErrorExit& e) {
        EXPECT_EQ(e.line, "Error-MouseCreate: Unrecognized Error");
    }
    EXPECT_EQ(ReadAll("Debug.txt"), "Error-MouseCreate: Unrecognized Error\r\n");
}

TEST_F(ScratchFolder, TheWindowIsClosedAndDestroyed) {
    TForm1 form;
    Form1 = &form;
    form.FRunning = -1;
    EXPECT_THROW(WriteErrorLog(0, "DIERR_INPUTLOST"), FatalErrorExit);
    Form1 = nullptr;
    EXPECT_TRUE(form.closing());
    EXPECT_TRUE(form.destroyed());
    EXPECT_EQ(form.FRunning, 0);
}

TEST_F(ScratchFolder, AnUnwritableLogIsAFileErrorAndTheWindowStays) {
    fs::create_directory("Debug.txt");   // a folder in the way
    TForm1 form;
    Form1 = &form;
    std::string message;
    try {
        WriteErrorLog(0, "Not Draw");
    } catch (const GameFileError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("Is a directory"), std::string::npos) << "the system's reason: " << message;
    Form1 = nullptr;
    EXPECT_FALSE(form.destroyed());
}

}  // namespace
