// The settings file: defaults, round trip, per-key fallbacks and writing.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/settings.h"
#include "progress_test_util.h"

namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/stroylik_settings_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Write(const std::string& text) {
        const std::string path = dir_ + "/settings.ini";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir_;
};

bool SameSettings(const Settings& a, const Settings& b) {
    return a.resolutionIndex == b.resolutionIndex && a.fullscreen == b.fullscreen && a.windowWidth == b.windowWidth &&
           a.windowHeight == b.windowHeight && a.music == b.music && a.effects == b.effects;
}

TEST_F(SettingsFile, MissingFileMeansDefaultsWithoutAMessage) {
    Settings s;
    s.music = false;
    std::string message;
    EXPECT_TRUE(LoadSettings(dir_ + "/none.ini", s, message));
    EXPECT_TRUE(message.empty());
    EXPECT_TRUE(SameSettings(s, Settings()));
    EXPECT_EQ(Settings().resolutionIndex, -1);
}

TEST_F(SettingsFile, WhatIsSavedIsReadBackAndDocumented) {
    Settings s;
    s.resolutionIndex = 2;
    s.fullscreen = false;
    s.windowWidth = 1100;
    s.windowHeight = 900;
    s.music = false;
    s.effects = false;
    const std::string path = dir_ + "/deep/er/settings.ini";   // folders are made
    std::string message;
    ASSERT_TRUE(SaveSettings(path, s, message)) << message;
    EXPECT_EQ(progresstest::CountStartingWith(dir_ + "/deep/er", "settings.ini.tmp"), 0) << "no temporary left";
    const std::string text = Read(path);
    EXPECT_EQ(text[0], '#');
    for (const char* key : {"# resolution", "# fullscreen", "# window", "# music", "# effects", "resolution = 1280x1024"})
        EXPECT_NE(text.find(key), std::string::npos) << key;
    Settings back;
    EXPECT_TRUE(LoadSettings(path, back, message)) << message;
    EXPECT_TRUE(SameSettings(back, s));
}

TEST_F(SettingsFile, HandWrittenFileWithCommentsCrLfAndUnknownKeys) {
    const std::string path = Write("\xEF\xBB\xBF# mine\r\n\r\n  resolution=1024\xD1\x85" "768 \r\ncolour = blue\r\n"
                                   "fullscreen = no\r\nwindow = 0x0\r\neffects = off\r\n");
    Settings s;
    std::string message;
    EXPECT_TRUE(LoadSettings(path, s, message)) << message;
    EXPECT_EQ(s.resolutionIndex, 1);
    EXPECT_FALSE(s.fullscreen);
    EXPECT_FALSE(s.effects);
    EXPECT_TRUE(s.music);
}

TEST_F(SettingsFile, KeysAndSwitchesAreReadInSmallOrCapitalLetters) {
    const std::string path = Write("MUSIC = OFF\nEffects = Off\nFullScreen = NO\nResolution = 1280X1024\n");
    Settings s;
    std::string message;
    EXPECT_TRUE(LoadSettings(path, s, message)) << message;
    EXPECT_EQ(message, "");
    EXPECT_FALSE(s.music);
    EXPECT_FALSE(s.effects);
    EXPECT_FALSE(s.fullscreen);
    EXPECT_EQ(s.resolutionIndex, 2);
}

TEST_F(SettingsFile, BadValuesFallBackOneByOneWithOneMessageNamingTheFile) {
    const std::string path = Write("resolution = 640x480\nfullscreen = maybe\nmusic = off\nwindow = 99999x10\n"
                                   "garbage line\neffects = off\n");
    Settings s;
    std::string message;
    EXPECT_FALSE(LoadSettings(path, s, message));
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    EXPECT_EQ(s.resolutionIndex, -1);
    EXPECT_TRUE(s.fullscreen);
    EXPECT_EQ(s.windowWidth, 0);
    EXPECT_FALSE(s.music);     // the good keys are kept
    EXPECT_FALSE(s.effects);
}

TEST_F(SettingsFile, EmptyBinaryAndHugeFilesMeanDefaults) {
    for (const std::string& text : {std::string(), std::string("\0\x01\x02\xff", 4), std::string(200000, 'x')}) {
        const std::string path = Write(text);
        Settings s;
        std::string message;
        EXPECT_FALSE(LoadSettings(path, s, message));
        EXPECT_NE(message.find(path), std::string::npos);
        EXPECT_TRUE(SameSettings(s, Settings()));
    }
}

TEST_F(SettingsFile, UnwritableFolderGivesAMessageAndLeavesTheOldFile) {
    Settings s;
    s.resolutionIndex = 0;
    std::string message;
    const std::string path = dir_ + "/settings.ini";
    ASSERT_TRUE(SaveSettings(path, s, message));
    // A file size limit stops the write half way, even for root (every save has a temporary
    // file of its own, so no fixed name can be blocked in its place).
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{100, limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    s.resolutionIndex = 2;
    const bool saved = SaveSettings(path, s, message);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_NE(message.find(path), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary left";
    Settings back;
    EXPECT_TRUE(LoadSettings(path, back, message));
    EXPECT_EQ(back.resolutionIndex, 0);
    // A file where the folder should be.
    EXPECT_FALSE(SaveSettings(path + "/inside.ini", s, message));
    EXPECT_NE(message.find("inside.ini"), std::string::npos);
}

TEST_F(SettingsFile, DefaultPathFollowsXdgConfigHomeAndTheOverride) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    EXPECT_EQ(SettingsFilePath(), dir_ + "/stroylik/settings.ini");
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(SettingsFilePath().find("relative"), std::string::npos);
    SetSettingsFilePath(dir_ + "/mine.ini");
    EXPECT_EQ(SettingsFilePath(), dir_ + "/mine.ini");
    SetSettingsFilePath("");
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
