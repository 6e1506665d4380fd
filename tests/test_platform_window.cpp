// The window as a desktop sees it: its title once the game runs, and the close request.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/message_line.h"
#include "platform/window.h"

namespace {

TEST(WindowTest, GameTitleAndTheCloseRequestReachTheHandler) {
    plat::Window window;
    std::string error;
    plat::WindowOptions options;
    options.headless = true;   // full screen, as a player gets it by default
    plat::SetMessageName("Стройлик");   // the game's name comes from above, as the title of the game
    ASSERT_TRUE(window.Create(options, 418, 179, "Стройлик (Настройка)", error)) << error;
    auto* sdl = static_cast<SDL_Window*>(window.sdlWindow());
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Стройлик (Настройка)");
    window.EnterGameMode(800, 600, true);
    window.SetTitle("Stroylik");   // the game names itself in its player's language
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Stroylik");

    int closes = 0;
    plat::WindowHandlers handlers;
    handlers.onClose = [&] { ++closes; };
    window.PumpEvents(handlers);
    EXPECT_EQ(closes, 0);
    window.RequestClose();
    window.PumpEvents(handlers);
    EXPECT_EQ(closes, 1);
}

}  // namespace
