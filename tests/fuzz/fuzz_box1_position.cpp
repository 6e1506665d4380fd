// Box 1 position file "k1.dat": read by Continue's loader; what it takes must be a real level.
#include "box1/box1.h"
#include "box1/box1_steps.h"
#include "core/game_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput(kBox1PositionFile, data, size);
    g_currentLevel = 1;
    g_maxCompletedLevel = 0;
    if (Accepts(loadcurrlevel) && (g_currentLevel < 1 || g_currentLevel > MaxLevel))
        Finding("box 1 continues at level " + std::to_string(g_currentLevel));
    return 0;
}
