// Box 2 saves: the input is the save of level 1 (a generated level), read by the game's save
// loader. A save is about 3 MB, so this target runs far slower than the others.
#include "box2/box2.h"
#include "box2/box2_level_file.h"
#include "core/game_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    CopyGameFile("levels/k2/level1.ini", "level1.ini");
    g_levelPathPrefix = "./level";
    g_currentLevel = 1;
    if (!Accepts(loadlevels2)) Finding("the generated box 2 level 1 does not load");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput(SaveFileName2(1), data, size);
    g_currentLevel = 1;
    Accepts(loadsavedlevel2);
    return 0;
}
