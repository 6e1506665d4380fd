#pragma once
// What the generator tells a level author about a box: the measured table in the box's level
// docs and a contact sheet with every sample picture, its number and its name.
#include <string>
#include <vector>

#include "level_metrics.h"

namespace gen {

struct ReportedLevel {
    int number = 0;
    std::string name;
    bool free = false;
    int cols = 0, rows = 0;   // sample field in cells
    std::vector<MeasuredFigure> sample;
    LevelMeasure measure;
};

// Replaces the text between the "<!-- level table -->" and "<!-- end of level table -->"
// lines of the doc with the table of the ordinary levels; throws when the markers are missing.
void WriteLevelTable(const std::vector<ReportedLevel>& levels, const std::string& docPath);

// Warns on stderr where the ordinary levels break the difficulty curve.
void WarnCurveBreaks(const std::vector<ReportedLevel>& levels, const std::string& box);

// Draws every ordinary level's sample with the box's figure pictures (catalogue entry 3 or 4
// in the game folder `out`) into a PNG at `path`. box is 1 or 2; needs the figure tables.
void WriteContactSheet(const std::vector<ReportedLevel>& levels, int box, const std::string& out, const std::string& path);

}  // namespace gen
