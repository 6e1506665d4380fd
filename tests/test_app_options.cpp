// Command-line options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/options.h"

namespace {

bool Parse(std::vector<std::string> args, Options& out, std::string& error) {
    args.insert(args.begin(), "stroylik");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return ParseOptions(static_cast<int>(argv.size()), argv.data(), out, error);
}

TEST(Options, DefaultsAreTheDialogWithVsync) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({}, o, error));
    EXPECT_EQ(o.resolutionIndex, 0);
    EXPECT_FALSE(o.start);
    EXPECT_TRUE(o.vsync);
    EXPECT_FALSE(o.headless);
    EXPECT_FALSE(o.seedGiven);
    EXPECT_EQ(o.fixedStepMs, 0);
}

TEST(Options, EveryOptionIsRead) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--resolution", "1280x1024", "--start", "--windowed", "--no-vsync", "--headless", "--seed",
                       "4000000000", "--fixed-step", "16", "--script", "a.txt", "--audio-out", "b.wav", "--profile", "6"},
                      o, error))
        << error;
    EXPECT_EQ(o.resolutionIndex, 2);
    EXPECT_TRUE(o.start);
    EXPECT_TRUE(o.windowed);
    EXPECT_FALSE(o.vsync);
    EXPECT_TRUE(o.headless);
    EXPECT_TRUE(o.seedGiven);
    EXPECT_EQ(o.seed, 4000000000u);
    EXPECT_EQ(o.fixedStepMs, 16);
    EXPECT_EQ(o.script, "a.txt");
    EXPECT_EQ(o.audioOut, "b.wav");
    EXPECT_EQ(o.profile, 6);
}

TEST(Options, ResolutionsMayUseTheDialogsSpelling) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--resolution", "1024х768"}, o, error));   // Cyrillic letter
    EXPECT_EQ(o.resolutionIndex, 1);
    ASSERT_TRUE(Parse({"--resolution", "800x600"}, o, error));
    EXPECT_EQ(o.resolutionIndex, 0);
}

TEST(Options, BadInputIsRejectedWithAMessage) {
    const std::vector<std::vector<std::string>> bad = {
        {"--resolution", "640x480"}, {"--resolution"}, {"--seed", "x"}, {"--seed", "-1"},
        {"--fixed-step", "0"},       {"--fixed-step", "16ms"},          {"--script"}, {"--bogus"},
        {"--profile", "0"},          {"--profile", "7"}};
    for (const auto& args : bad) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(args, o, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

TEST(Options, HelpIsAskedForAndTheUsageNamesEveryOption) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--help"}, o, error));
    EXPECT_TRUE(o.help);
    const std::string usage = UsageText();
    for (const char* name : {"--resolution", "--start", "--windowed", "--no-vsync", "--headless", "--seed",
                             "--fixed-step", "--script", "--audio-out", "--profile", "--help"})
        EXPECT_NE(usage.find(name), std::string::npos) << name;
}

}  // namespace
