// Pictures read by the game's picture loader, under the name PICTURE_NAME: this file makes
// both the PNG and the DDS target, the name being what tells them apart.
#include "platform/image.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput(PICTURE_NAME, data, size);
    plat::Image image;
    std::string error;
    if (plat::LoadImageFile(PICTURE_NAME, image, error) &&
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        Finding("a picture of " + std::to_string(image.width) + " x " + std::to_string(image.height) + " holds " +
                std::to_string(image.pixels.size()) + " pixels");
    return 0;
}
