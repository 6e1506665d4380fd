#pragma once
// Shared set-up of the box 2 tests: the figure tables, a shape mask made in memory (so each
// test says exactly which pixels a shape has), a scratch working folder, a writer of level
// files line by line, and one frame of the board as the game screen runs it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/game_error.h"
#include "core/game_state.h"
#include "core/tables.h"
#include "box2/box2.h"
#include "box2/box2_board.h"
#include "box2/box2_drag.h"
#include "box2/box2_screen.h"

// A mask picture of the real size; every group starts with full cells where its cell
// values are not 0 (the shape the art follows), and tests can redraw a group.
class TestMask {
public:
    TestMask() {
        image.width = 64;
        image.height = 1056;
        image.pixels.assign(64 * 1056, 0u);
        for (int id = 1; id <= Box2FigureCount; id += 6) {
            const Box2Figure& f = g_box2Figures[id];
            Shape(id, [&](int px, int py) { return f.cellValues[px / 16][py / 16] != 0; });
        }
    }
    // Redraws the shape of figure id's group from a predicate over local pixels.
    template <typename Pred>
    void Shape(int id, Pred inside) {
        const PixelRect& r = g_box2Figures[id].maskRect;
        for (int py = 0; py < r.y2 - r.y1; ++py)
            for (int px = 0; px < r.x2 - r.x1; ++px)
                image.pixels[(r.y1 + py) * 64 + r.x1 + px] = inside(px, py) ? 0xFF0000FFu : 0u;
    }
    // A shape of one pixel at (px, py).
    void Dot(int id, int px, int py) {
        Shape(id, [&](int x, int y) { return x == px && y == py; });
    }
    plat::Image image;
};

inline int MaskCount() {
    int n = 0;
    for (const auto& column : g_pixelMask)
        for (uint8_t v : column) n += v;
    return n;
}

struct Box2PaletteEntry {
    int id, row, col, count;
};
struct Box2SampleEntry {
    int layer, id, row, col;
};

// A level file composed line by line in the documented layout.
struct Box2TestLevel {
    int header = 5;
    int layout = 2;
    int buildCols = 6, buildRows = 6, sampleCols = 6, sampleRows = 6, freeBuild = 0;
    std::vector<Box2PaletteEntry> palette;
    std::vector<Box2SampleEntry> sample;

    std::vector<std::string> Lines() const {
        static int ids[20][80], counts[20][80];
        std::memset(ids, 0, sizeof ids);
        std::memset(counts, 0, sizeof counts);
        for (const auto& p : palette) {
            ids[p.row][p.col] = p.id;
            counts[p.row][p.col] = p.count;
        }
        std::vector<std::string> lines{std::to_string(header), "-----"};
        for (int r = 0; r < 20; ++r) {
            for (int c = 0; c < 80; ++c) lines.push_back(std::to_string(ids[r][c]));
            lines.push_back("--");
        }
        lines.push_back("////");
        for (int r = 0; r < 20; ++r) {
            for (int c = 0; c < 80; ++c) lines.push_back(std::to_string(counts[r][c]));
            lines.push_back("--");
        }
        lines.push_back("////");
        for (int v : {layout, buildCols, buildRows, sampleCols, sampleRows, freeBuild}) lines.push_back(std::to_string(v));
        lines.push_back("figurs");
        for (int k = 1; k <= 3; ++k) {
            if (k > 1) lines.push_back("dub_pole");
            for (int r = 0; r < sampleRows; ++r) {
                for (int c = 0; c < sampleCols; ++c) {
                    int v = 0;
                    for (const auto& s : sample)
                        if (s.layer == k && s.row == r && s.col == c) v = s.id;
                    lines.push_back(std::to_string(v));
                }
                lines.push_back("--");
            }
        }
        return lines;
    }
};

// Line numbers (1-based) of the level layout.
inline int Box2PaletteIdLine(int row, int col) { return 3 + row * 81 + col; }
inline int Box2SizeLine(int index) { return 3 + 20 * 81 + 1 + 20 * 81 + 1 + index; }   // index 0 = layout

inline void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
}

inline std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Box2Test : public ::testing::Test {
protected:
    void SetUp() override {
        FillFigureTables();
        mask_ = std::make_unique<TestMask>();
        SetBox2MaskSource(&mask_->image);
        static int counter = 0;
        previous_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() /
               ("stroylik_box2_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "levels" / "k2");
        std::filesystem::create_directories(dir_ / "save" / "k2");
        std::filesystem::current_path(dir_);
        g_levelPathPrefix = "./levels/k2/level";
        g_screenState = ScreenBox2;
        g_currentLevel = 1;
        g_maxCompletedLevel = 0;
        g_levelInfo = {};
        g_drag = DragRecord{};
        g_returning = 0;
        g_levelLocked = 0;
        g_fieldRect = FieldRect{};
        ClearBoard2();
        ResetPlayState2();
    }
    void TearDown() override {
        SetBox2MaskSource(nullptr);
        ClearBoard2();
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

    TestMask& Mask() { return *mask_; }
    void WriteLevel(int number, const Box2TestLevel& level) {
        WriteTextLines("levels/k2/level" + std::to_string(number) + ".ini", level.Lines());
    }
    void Load(const Box2TestLevel& level, int number = 1) {
        WriteLevel(number, level);
        g_currentLevel = number;
        loadlevels2();
        Frame();
    }
    std::string LoadError() {
        try {
            loadlevels2();
        } catch (const GameFileError& e) {
            return e.what();
        }
        return "";
    }
    // One frame of the board: fields laid out, drag step, completion check.
    void Frame() {
        drawpalette2();
        scanlevelcomplete2();
    }
    void Cursor(int x, int y) {
        g_cursorX = x;
        g_cursorY = y;
    }
    void OverPalette(int row, int col) { Cursor(1 + 16 * col + 8, 705 + 16 * row + 8); }
    void OverField(int row, int col) { Cursor(g_fieldRect.left + 16 * col + 8, g_fieldRect.top + 16 * row + 8); }
    // Press over the palette cell, one held frame, release over the field cell, one frame.
    void PaletteToField(int fromRow, int fromCol, int toRow, int toCol) {
        OverPalette(fromRow, fromCol);
        g_drag.state = DragHeld;
        g_returning = 0;
        Frame();
        OverField(toRow, toCol);
        g_drag.state = DragReleased;
        Frame();
    }
    int FlyHome() {
        int frames = 0;
        while (g_drag.figure > 0 && frames < 2000) {
            Frame();
            ++frames;
        }
        return frames;
    }

    std::unique_ptr<TestMask> mask_;
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};
