// Pictures under a ".png" name, read by the game's picture loader.
#include "platform/image.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("picture.png", data, size);
    plat::Image image;
    std::string error;
    if (plat::LoadImageFile("picture.png", image, error) &&
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        Finding("a picture of " + std::to_string(image.width) + " x " + std::to_string(image.height) + " holds " +
                std::to_string(image.pixels.size()) + " pixels");
    return 0;
}
