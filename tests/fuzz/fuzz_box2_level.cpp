// Box 2 level files: the input is "level1.ini", read by the game's level loader.
#include "box2/box2.h"
#include "core/game_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    g_levelPathPrefix = "./level";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("level1.ini", data, size);
    g_currentLevel = 1;
    Accepts(loadlevels2);
    return 0;
}
