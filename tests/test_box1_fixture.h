#pragma once
// Shared set-up of the box 1 tests: a scratch working folder with level and save folders,
// a small writer of level files, and helpers that act on the board like the game does.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/game_error.h"
#include "core/game_state.h"
#include "core/tables.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"

struct PaletteEntry {
    int id, row, col, count;
};

struct SampleEntry {
    int id, row, col;
};

// A level file composed from its parts, in the game's line layout.
struct TestLevel {
    int header = 7;
    int layout = 2;
    int buildCols = 4, buildRows = 4, sampleCols = 4, sampleRows = 4, freeBuild = 0;
    std::vector<PaletteEntry> palette;
    std::vector<SampleEntry> sample;
    std::string lineEnd = "\r\n";

    std::vector<std::string> Lines() const {
        int ids[6][32] = {}, counts[6][32] = {};
        for (const PaletteEntry& p : palette) {
            ids[p.row][p.col] = p.id;
            counts[p.row][p.col] = p.count;
        }
        std::vector<std::string> lines;
        const std::string sep = "-----------------------------";
        lines.push_back(std::to_string(header));
        lines.push_back(sep);
        for (auto* grid : {&ids, &counts}) {
            for (int i = 0; i < 6; ++i) {
                for (int j = 0; j < 32; ++j) lines.push_back(std::to_string((*grid)[i][j]));
                lines.push_back(sep);
            }
            lines.push_back(sep);
        }
        for (int v : {layout, buildCols, buildRows, sampleCols, sampleRows, freeBuild}) lines.push_back(std::to_string(v));
        lines.push_back(sep);
        std::vector<int> cells(static_cast<size_t>(std::max(sampleRows, 0) * std::max(sampleCols, 0)), 0);
        for (const SampleEntry& s : sample) cells[static_cast<size_t>(s.row * sampleCols + s.col)] = s.id;
        for (int r = 0; r < sampleRows; ++r) {
            for (int c = 0; c < sampleCols; ++c) lines.push_back(std::to_string(cells[static_cast<size_t>(r * sampleCols + c)]));
            lines.push_back(sep);
        }
        return lines;
    }
};

inline void WriteLines(const std::string& path, const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << end;
}

inline std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// 1-based line numbers of the level file layout, for checking error messages.
inline int PaletteIdLine(int row, int col) { return 3 + row * 33 + col; }
inline int PaletteCountLine(int row, int col) { return 202 + row * 33 + col; }
inline int SampleLine(int row, int col, int sampleCols) { return 408 + row * (sampleCols + 1) + col; }

class Box1Test : public ::testing::Test {
protected:
    void SetUp() override {
        FillFigureTables();
        static int counter = 0;
        previous_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() /
               ("stroylik_box1_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "levels" / "k1");
        std::filesystem::create_directories(dir_ / "save" / "k1");
        std::filesystem::current_path(dir_);
        g_levelPathPrefix = "./levels/k1/level";
        g_screenState = ScreenBox1;
        g_currentLevel = 1;
        g_maxCompletedLevel = 0;
        g_missSoundState = 0;
        g_levelDone = 0;
        g_drag = DragRecord{};
        g_returning = 0;
        g_levelInfo = {};
        g_levelLocked = 0;
        g_layerColour = 0xFFFFFFFF;
        g_pulseRising = 0;
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

    void WriteLevel(int number, const TestLevel& level) {
        WriteLines("levels/k1/level" + std::to_string(number) + ".ini", level.Lines(), level.lineEnd);
    }
    // Writes the level as level 1 and loads it.
    void Load(const TestLevel& level, int number = 1) {
        WriteLevel(number, level);
        g_currentLevel = number;
        loadlevels();
        Frame();   // lays out the fields, as the first drawn frame does
    }
    // The message of the GameFileError that loading throws, or "" when none.
    std::string LoadError() {
        try {
            loadlevels();
        } catch (const GameFileError& e) {
            return e.what();
        }
        return "";
    }
    // One frame of the board as the screen runs it (no drawing device needed).
    void Frame() {
        g_hotButton = 0;
        drawpalette();
        scanlevelcomplete();
    }
    void Cursor(int x, int y) {
        g_cursorX = x;
        g_cursorY = y;
    }
    // Cursor in the middle of a palette cell or a build cell.
    void OverPalette(int row, int col) { Cursor(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16); }
    void OverField(int row, int col) { Cursor(g_fieldRect.left + 32 * col + 16, g_fieldRect.top + 32 * row + 16); }
    // Press, one frame held (picks up), release, one frame (drop or start of the flight).
    void DragTo(int fromRow, int fromCol, int toRow, int toCol, bool fromField = false) {
        if (fromField) OverField(fromRow, fromCol);
        else OverPalette(fromRow, fromCol);
        g_drag.state = DragHeld;
        g_returning = 0;
        Frame();
        OverField(toRow, toCol);
        Carry(g_cursorX, g_cursorY);
        LetGo();
    }
    // A held frame with the cursor at (x, y): the figure in hand follows it.
    void Carry(int x, int y) {
        Cursor(x, y);
        g_drag.state = DragHeld;
        g_returning = 0;
        Frame();
    }
    // The frame after the button went up: drop or start of the flight home.
    void LetGo() {
        g_drag.state = DragReleased;
        Frame();
    }
    // Frames until a flying figure has landed (bounded).
    int FlyHome() {
        int frames = 0;
        while (g_drag.figure > 0 && frames < 1000) {
            Frame();
            ++frames;
        }
        return frames;
    }

    std::filesystem::path dir_;
    std::filesystem::path previous_;
};
