// The settings file "settings.ini" (the player's, and the system-wide one in the same form),
// read by the game's settings loader. A refusal must name the
// file, and settings it took, written again, must read back the same without a message.
#include "core/settings.h"
#include "fuzz_support.h"

namespace {

// Every key, the lock list of a system-wide file too (it is read by the same loader).
bool Same(const Settings& a, const Settings& b) { return a == b; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("settings.ini", data, size);
    Settings read;
    std::string message;
    if (!LoadSettings("settings.ini", read, message)) {
        if (message.find("settings.ini") == std::string::npos)
            Finding("a refused settings file gave a message without its name: " + message);
        return 0;
    }
    if (!SaveSettings("again.ini", read, message)) Finding("accepted settings cannot be written: " + message);
    Settings back;
    if (!LoadSettings("again.ini", back, message) || !Same(read, back))
        Finding("settings the game wrote do not read back the same: " + message);
    return 0;
}
