// Start-up with a catalogue: the whole program started headless to its first frame in
// Russian (no catalogue) and in Ukrainian (its catalogue read and looked up), and the
// catalogue's load alone. Runs in the build's game folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/i18n.h"

namespace {

void StartProgram(benchmark::State& state, const char* language) {
    char folder[] = "/tmp/stroylik_bench_XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no scratch folder");
        return;
    }
    const std::string scratch = folder;
    std::ofstream(scratch + "/script.txt") << "frames 1\n";
    const std::string command = "XDG_CONFIG_HOME='" + scratch + "' SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy '" +
                                STROYLIK_GAME_EXE + "' --headless --start --no-vsync --lang " + language +
                                " --script '" + scratch + "/script.txt' --user-dir '" + scratch + "' > /dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("the game did not start");
    std::system(("rm -rf '" + scratch + "'").c_str());
}

void BM_StartUpRussian(benchmark::State& state) { StartProgram(state, "ru"); }
void BM_StartUpUkrainian(benchmark::State& state) { StartProgram(state, "uk"); }

void BM_LoadCatalogue(benchmark::State& state) {
    SetLocaleDir("locale");
    std::string message;
    for (auto _ : state) {
        if (!LoadLanguage("uk", message)) state.SkipWithError(message.c_str());
        benchmark::DoNotOptimize(Tr("Русский"));
        state.PauseTiming();   // each pass reads and parses the file anew, as a start does
        LoadLanguage(kSourceLanguage, message);
        ForgetOtherCatalogues();
        state.ResumeTiming();
    }
    LoadLanguage(kSourceLanguage, message);
}

}  // namespace

BENCHMARK(BM_StartUpRussian)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);
BENCHMARK(BM_StartUpUkrainian)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMicrosecond)->Iterations(200);
