#pragma once
// Checks shared by both boxes' shipped-level tests: the difficulty curve, the measured
// table in the level docs and the pictures' names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/level_names.h"
#include "level_metrics.h"

struct ShippedLevel {
    int number = 0;
    int cols = 0, rows = 0;   // sample field in cells
    std::vector<gen::MeasuredFigure> sample;
    std::vector<gen::MeasuredOffer> palette;
    gen::LevelMeasure measure;
};

// Loads every level of a box ("k1" or "k2") through the game's loader and returns the
// ordinary ones with the sample and palette `take` reads off the board, measured; the last
// level must be the one free one.
inline std::vector<ShippedLevel> LoadShippedLevels(const std::string& box, int expectedCount, const std::function<void()>& load,
                                                   const std::function<void(ShippedLevel&)>& take) {
    std::vector<ShippedLevel> ordinary;
    g_levelPathPrefix = "./levels/" + box + "/level";
    int count = 0;
    while (std::filesystem::exists("levels/" + box + "/level" + std::to_string(count + 1) + ".ini")) ++count;
    EXPECT_EQ(count, expectedCount);
    for (int n = 1; n <= count; ++n) {
        g_currentLevel = n;
        try {
            load();
        } catch (const std::exception& e) {
            ADD_FAILURE() << box << " level " << n << ": " << e.what();
            continue;
        }
        const LevelInfo& info = *CurrentLevelInfo();
        const bool last = n == count;
        EXPECT_STRNE(LevelName(box == "k1" ? 1 : 2, n), "") << box << " level " << n << " has no name";
        EXPECT_EQ(info.freeBuild, last ? 1 : 0) << box << " level " << n << ": one free level, the last";
        EXPECT_EQ(info.layout, last ? 1 : 2) << box << " level " << n;
        if (last) continue;
        ShippedLevel level;
        level.number = n;
        level.cols = info.sampleCols;
        level.rows = info.sampleRows;
        take(level);
        level.measure = gen::MeasureLevel(level.sample, level.palette);
        ordinary.push_back(level);
    }
    return ordinary;
}

inline void ExpectCurveHolds(const std::vector<ShippedLevel>& levels) {
    std::vector<double> scores;
    for (const ShippedLevel& level : levels) scores.push_back(level.measure.score);
    for (const std::string& complaint : gen::CurveBreaks(scores)) ADD_FAILURE() << complaint;
}

// No two levels show the same picture: the sets of placed figures differ.
inline void ExpectPicturesDiffer(const std::vector<ShippedLevel>& levels) {
    std::set<std::vector<int>> seen;
    for (const ShippedLevel& level : levels) {
        std::vector<int> key;
        for (const gen::MeasuredFigure& f : level.sample) key.insert(key.end(), {f.id, f.col, f.row});
        EXPECT_TRUE(seen.insert(key).second) << "level " << level.number << " repeats an earlier picture";
    }
}

// The doc's table has one row per ordinary level, in order, with the numbers measured here,
// the name the game shows for the level (the generator writes the source's), and no picture
// name twice.
inline void ExpectDocTableMatches(const std::string& docPath, const std::vector<ShippedLevel>& levels, int box) {
    std::ifstream in(docPath);
    ASSERT_TRUE(in) << docPath;
    std::vector<std::string> rows;
    std::set<std::string> names;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "<!-- level table -->") inside = true;
        else if (line == "<!-- end of level table -->") inside = false;
        else if (inside && line.rfind("| ", 0) == 0 && line.rfind("| Level", 0) != 0) {
            rows.push_back(line);
            const size_t a = line.find(" | "), b = line.find(" | ", a + 3);
            EXPECT_TRUE(names.insert(line.substr(a + 3, b - a - 3)).second) << "a picture named twice: " << line;
        }
    }
    ASSERT_EQ(rows.size(), levels.size()) << docPath << ": rebuild the table with the level_docs target";
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string head = "| " + std::to_string(levels[i].number) + " | ";
        const std::string tail = gen::MeasureColumns(levels[i].measure);
        EXPECT_EQ(rows[i].rfind(head + LevelName(box, levels[i].number) + " | ", 0), 0u) << rows[i];
        EXPECT_TRUE(rows[i].size() >= tail.size() && rows[i].compare(rows[i].size() - tail.size(), tail.size(), tail) == 0)
            << docPath << ": " << rows[i] << " but the file measures " << tail;
    }
}
