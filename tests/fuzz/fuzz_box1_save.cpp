// Box 1 saves: the input is the save of level 1 (a generated level), read by the game's
// save loader. A save it takes, written again, must load again.
#include "box1/box1.h"
#include "box1/box1_steps.h"
#include "core/game_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    CopyGameFile("levels/k1/level1.ini", "level1.ini");
    g_levelPathPrefix = "./level";
    g_currentLevel = 1;
    if (!Accepts(loadlevels)) Finding("the generated box 1 level 1 does not load");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput(Box1ProgressFileName(1), data, size);
    g_currentLevel = 1;
    if (!Accepts(loadsavedlevel)) return 0;
    SaveK1();
    if (!Accepts(loadsavedlevel)) Finding("an accepted box 1 save, written again, does not load back");
    return 0;
}
