// Box 1 level files: the input is "level1.ini", read by the game's level loader. A level it
// takes must survive the player's way through it: saved, the board must load back.
#include "box1/box1.h"
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
    if (!Accepts(loadlevels)) return 0;
    SaveK1();
    if (!Accepts(loadsavedlevel)) Finding("a box 1 board saved from an accepted level does not load back");
    clearsave();
    return 0;
}
