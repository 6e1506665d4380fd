// The texture catalogue "Surfaces.ini", read by the game's catalogue loader.
#include "render/texture_catalog.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("Surfaces.ini", data, size);
    if (Accepts([] { LoadSurfacesIni("Surfaces.ini"); }) && g_surfaceCount != static_cast<int>(g_surfaces.size()))
        Finding("the catalogue counts " + std::to_string(g_surfaceCount) + " sheets but holds " +
                std::to_string(g_surfaces.size()));
    return 0;
}
