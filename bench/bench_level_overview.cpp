// Opening a start screen's level overview (finding the levels, reading each file, drawing the
// small pictures on the CPU) beside the reference of reading the same level files alone.
// Runs in the build's game folder.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "box1/box1_sample.h"
#include "box2/box2_level_file.h"
#include "core/tables.h"
#include "menus/level_overview.h"
#include "render/texture_catalog.h"

namespace {

// Beside the benchmark program: "game", the folder the build makes.
void EnterGameFolder() {
    static bool entered = false;
    if (entered) return;
    char exe[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    const std::filesystem::path game = std::filesystem::path(std::string(exe, n > 0 ? n : 0)).parent_path() / "game";
    std::error_code ec;
    std::filesystem::current_path(game, ec);
    if (ec) {
        std::fprintf(stderr, "bench: no game folder at %s\n", game.c_str());
        std::exit(1);
    }
    FillFigureTables();
    LoadSurfacesIni();
    entered = true;
}

int LevelCount(int box) {
    int count = 0;
    while (std::filesystem::exists("levels/k" + std::to_string(box) + "/level" + std::to_string(count + 1) + ".ini")) ++count;
    return count;
}

void BM_OpenLevelOverview(benchmark::State& state) {
    EnterGameFolder();
    const int box = static_cast<int>(state.range(0));
    for (auto _ : state) OpenLevelOverview(box, 0);
    state.counters["levels"] = OverviewLevelCount();
}

// The reference: every level file of the box read and checked by the game's own reader.
void BM_ReadLevelFilesOnly(benchmark::State& state) {
    EnterGameFolder();
    const int box = static_cast<int>(state.range(0));
    const int count = LevelCount(box);
    static Box2LevelData level;
    for (auto _ : state)
        for (int n = 1; n <= count; ++n) {
            const std::string path = "./levels/k" + std::to_string(box) + "/level" + std::to_string(n) + ".ini";
            if (box == 1) benchmark::DoNotOptimize(ReadBox1LevelPicture(path));
            else ReadLevelFile2(path, level);
            benchmark::ClobberMemory();
        }
    state.counters["levels"] = count;
}

}  // namespace

BENCHMARK(BM_OpenLevelOverview)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLevelFilesOnly)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
