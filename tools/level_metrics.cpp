#include "level_metrics.h"

#include <cstdio>
#include <set>

namespace gen {
namespace {

constexpr int Unlimited = 255;
constexpr int CellsPerPoint = 16;     // a 4 x 4 square of picture is worth one figure
constexpr double DistinctWeight = 1.5;
constexpr double LayerWeight = 3.0;   // for every layer beyond the first
constexpr double DecoyWeight = 2.0;
constexpr double LimitedWeight = 0.5;
constexpr int BlockSize = 5;
constexpr double MaxStep = 1.5;

}  // namespace

LevelMeasure MeasureLevel(const std::vector<MeasuredFigure>& sample, const std::vector<MeasuredOffer>& palette) {
    LevelMeasure m;
    std::set<std::pair<int, int>> cells;
    std::set<int> ids, layers;
    for (const MeasuredFigure& f : sample) {
        for (int r = 0; r < f.rows; ++r)
            for (int c = 0; c < f.cols; ++c) cells.insert({f.row + r, f.col + c});
        ids.insert(f.id);
        layers.insert(f.layer);
    }
    m.cells = static_cast<int>(cells.size());
    m.figures = static_cast<int>(sample.size());
    m.distinct = static_cast<int>(ids.size());
    m.layers = static_cast<int>(layers.size());
    for (const MeasuredOffer& o : palette) {
        if (!ids.count(o.id)) ++m.decoys;
        if (o.count != Unlimited) ++m.limited;
    }
    m.score = m.figures + DistinctWeight * m.distinct + static_cast<double>(m.cells) / CellsPerPoint +
              LayerWeight * (m.layers > 1 ? m.layers - 1 : 0) + DecoyWeight * m.decoys + LimitedWeight * m.limited;
    return m;
}

std::string MeasureColumns(const LevelMeasure& m) {
    char text[128];
    std::snprintf(text, sizeof text, "%d | %d | %d | %d | %d | %d | %.1f |", m.cells, m.figures, m.distinct, m.layers,
                  m.decoys, m.limited, m.score);
    return text;
}

std::string MeasureRow(int level, const std::string& name, const LevelMeasure& m) {
    return "| " + std::to_string(level) + " | " + name + " | " + MeasureColumns(m);
}

std::string MeasureTableHead() {
    return "| Level | Picture | Cells | Figures | Distinct | Layers | Decoys | Limited | Score |\n"
           "|---|---|---|---|---|---|---|---|---|\n";
}

std::vector<std::string> CurveBreaks(const std::vector<double>& scores) {
    std::vector<std::string> breaks;
    double previous = -1;
    for (size_t start = 0; start < scores.size(); start += BlockSize) {
        double sum = 0;
        size_t n = 0;
        for (; n < BlockSize && start + n < scores.size(); ++n) sum += scores[start + n];
        const double mean = sum / static_cast<double>(n);
        if (mean < previous)
            breaks.push_back("levels " + std::to_string(start + 1) + "-" + std::to_string(start + n) + " average " +
                             std::to_string(mean) + ", less than the block before (" + std::to_string(previous) + ")");
        previous = mean;
    }
    for (size_t i = 0; i + 1 < scores.size(); ++i)
        if (scores[i] > MaxStep * scores[i + 1])
            breaks.push_back("level " + std::to_string(i + 1) + " scores " + std::to_string(scores[i]) +
                             ", more than 1.5 times level " + std::to_string(i + 2) + " (" + std::to_string(scores[i + 1]) + ")");
    return breaks;
}

}  // namespace gen
