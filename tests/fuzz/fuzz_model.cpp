// The text model file, read by the game's model reader into an emptied store each time.
#include "render/model_store.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("logo.x", data, size);
    ResetModelStore();
    Accepts([] { ReadModelFile("logo.x"); });
    return 0;
}
