#pragma once
// A test fixture with one hidden OpenGL window per suite: headless runs get real OpenGL
// through SDL's offscreen driver, so a machine without it fails these tests rather than
// skipping what they prove.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/window.h"

class GlWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        window_ = std::make_unique<plat::Window>();
        std::string error;
        if (!window_->Create(plat::WindowOptions{true, true}, 320, 240, "gl test", error)) {
            failure_ = error;
            window_.reset();
        }
    }
    static void TearDownTestSuite() { window_.reset(); }
    void SetUp() override { ASSERT_TRUE(window_) << "no GL window: " << failure_; }

    static inline std::unique_ptr<plat::Window> window_;
    static inline std::string failure_;
};
