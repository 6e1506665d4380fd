#pragma once
// Helpers of the progress tests: files, clicks that report a problem, entering a box, and a
// figure left flying home.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/game_error.h"
#include "core/game_state.h"
#include "game_driver.h"

namespace progresstest {

namespace fs = std::filesystem;

// Main menu pictures, start-screen banners and the level screen's corner buttons.
inline constexpr int Box1X = 380, Box1Y = 320, Box2X = 860, Box2Y = 500;
inline constexpr int NewGameX = 500, NewGameY = 220, ContinueX = 500, ContinueY = 550;
inline constexpr int BackX = 1250, NextX = 1180, PrevX = 1066, ButtonY = 20;

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The files of `folder` whose names start with `prefix`.
inline int CountStartingWith(const std::string& folder, const std::string& prefix, std::string* last = nullptr) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind(prefix, 0) == 0) {
            ++n;
            if (last) *last = entry.path().string();
        }
    return n;
}

// A click whose action reports a file problem: the message, or "" when there was none.
inline std::string ClickForMessage(GameDriver& game, int x, int y) {
    game.MoveTo(x, y);
    std::string message;
    try {
        game.Press();
    } catch (const GameFileError& e) {
        message = e.what();
    }
    game.Release();
    return message;
}

// From the main menu to a box's level screen: the box picture, then a banner.
inline std::string EnterBox(GameDriver& game, int box, bool continuing) {
    game.MoveTo(box == 1 ? Box1X : Box2X, box == 1 ? Box1Y : Box2Y);
    game.Click();
    return continuing ? ClickForMessage(game, ContinueX, ContinueY) : ClickForMessage(game, NewGameX, NewGameY);
}

inline bool InField(int x, int y) {
    return x >= g_fieldRect.left && x <= g_fieldRect.right && y >= g_fieldRect.top && y <= g_fieldRect.bottom;
}

// Takes a figure from a palette cell, lets it go away from the field and the palette, and
// leaves it flying home for a frame more.
inline void LetAFigureFly(GameDriver& game, int fromX, int fromY) {
    int x = 20, y = 120;
    if (InField(x, y)) x = 1260;
    ASSERT_FALSE(InField(x, y));
    game.MoveTo(fromX, fromY);
    game.Press();
    game.MoveTo(x, y);   // picked up as this frame is drawn, then carried
    ASSERT_GT(g_drag.figure, 0);
    game.Release();
    game.Frame();
    ASSERT_GT(g_drag.figure, 0) << "the figure is on its way home";
    ASSERT_EQ(g_returning, 1);
}

// A palette origin of either box with a limited count (1..254), or false.
template <int Rows, int Cols>
bool FindCountedFigure(const CellRef (&cells)[Rows][Cols], const int32_t (&counts)[Rows][Cols], int& row, int& col) {
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            const CellRef& cell = cells[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r && counts[r][c] > 0 && counts[r][c] < 255) {
                row = r;
                col = c;
                return true;
            }
        }
    return false;
}

}  // namespace progresstest
