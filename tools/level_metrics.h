#pragma once
// How hard a level is, measured from what its file holds: the sample's figures and the
// palette's offers. Shared by the generator (which writes the table into the level docs)
// and the tests (which hold the curve on the shipped levels).
#include <string>
#include <vector>

namespace gen {

struct MeasuredFigure {
    int id = 0, layer = 1, col = 0, row = 0, cols = 0, rows = 0;
};

struct MeasuredOffer {
    int id = 0, count = 0;   // count 255 = unlimited
};

struct LevelMeasure {
    int cells = 0;      // sample cells covered by some figure
    int figures = 0;    // figures in the sample
    int distinct = 0;   // different figure ids in the sample
    int layers = 0;     // layers the sample uses
    int decoys = 0;     // palette offers the sample does not use
    int limited = 0;    // palette offers with a limited number of copies
    double score = 0;
};

LevelMeasure MeasureLevel(const std::vector<MeasuredFigure>& sample, const std::vector<MeasuredOffer>& palette);

// One row of the level table: "| N | name | cells | figures | distinct | layers | decoys | limited | score |".
std::string MeasureRow(int level, const std::string& name, const LevelMeasure& m);
// The numeric tail of a row, from the cells column on, as the docs hold it.
std::string MeasureColumns(const LevelMeasure& m);
std::string MeasureTableHead();

// Where the curve breaks, as readable complaints (empty when it holds): every block of five
// levels (the last may be shorter) averages at least the block before, and no level scores
// more than 1.5 times its successor.
std::vector<std::string> CurveBreaks(const std::vector<double>& scores);

}  // namespace gen
