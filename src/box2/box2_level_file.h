#pragma once
// A box 2 level as its file holds it, and the reading, writing and applying of that form.
// The game's loader, the export and the level generator share it.
#include <cstdint>
#include <string>

#include "core/game_state.h"
#include "box2/box2_board.h"

class IntLineWriter;

struct Box2LevelData {
    int32_t headerValue = 0;
    int32_t ids[PaletteRows][PaletteCols] = {};
    int32_t counts[PaletteRows][PaletteCols] = {};
    LevelInfo info;
    // Figure id whose origin is the cell, per sample layer, [layer][row][col].
    int32_t sample[LayerCount][GridSize][GridSize] = {};
};

// Reads and checks a whole level text; throws GameFileError (file and line) on the first
// line that is not an integer or breaks a range, before anything reaches the board.
void ParseLevel2(const std::string& name, const char* data, size_t size, Box2LevelData& out);
void ReadLevelFile2(const std::string& path, Box2LevelData& out);
// Writes the level in the file layout with the export's separator and label lines.
void WriteLevelText2(const Box2LevelData& level, IntLineWriter& out);
// Puts a checked level on the (cleared) board and into g_levelInfo[levelNumber].
void ApplyLevel2(const Box2LevelData& level, int levelNumber);
// The current board as a level (what savemap2 writes): palette as it stands, the build
// field cropped to the built cells as the sample.
void BoardToLevel2(const LevelInfo& info, Box2LevelData& out);
// The board's name of a level's file: prefix + N + ".ini", and of its save file.
std::string LevelFileName2(int levelNumber);
std::string SaveFileName2(int levelNumber);
// The child's board of the level: the save file, or for a kept puzzle its own board file.
std::string BoardFileName2(int levelNumber);
