// Box 2 position file "k2.dat": read by Continue's loader; what it takes must be a real level.
#include "box2/box2.h"
#include "core/game_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("k2.dat", data, size);
    g_currentLevel = 1;
    g_maxCompletedLevel = 0;
    if (Accepts(loadcurrlevel2) && (g_currentLevel < 1 || g_currentLevel > MaxLevel))
        Finding("box 2 continues at level " + std::to_string(g_currentLevel));
    return 0;
}
