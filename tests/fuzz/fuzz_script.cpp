// Script files for scripted runs (--script), read by the script loader.
#include "app/script.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("script.txt", data, size);
    ScriptDriver driver;
    std::string error;
    const bool loaded = driver.Load("script.txt", error);
    if (!loaded && error.empty()) Finding("the script loader refused the file without a message");
    return 0;
}
