// A compiled message catalogue, read by the game's own reader when its language is chosen. A
// refusal must name the file and leave the game in Russian; a catalogue it took must answer
// every kind of look-up, plural forms for any number included.
#include "core/i18n.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    SetLocaleDir("locale");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("locale/xx/LC_MESSAGES/stroylik.mo", data, size);
    std::string message;
    if (!LoadLanguage("xx", message)) {
        if (message.find("locale/xx/LC_MESSAGES/stroylik.mo") == std::string::npos)
            Finding("a refused catalogue gave a message without its name: " + message);
        if (CurrentLanguage() != kSourceLanguage) Finding("a refused catalogue left the language " + CurrentLanguage());
        return 0;
    }
    size_t seen = std::string(Tr("Русский")).size() + std::string(TrCtx("", "")).size();
    for (unsigned long n : {0ul, 1ul, 2ul, 5ul, 11ul, 21ul, 101ul, 4294967295ul})
        seen += std::string(TrPlural("файл", "файлы", n)).size();
    seen += TrFormat("Русский", {{"file", "x"}}).size();
    if (seen == 0) Finding("a taken catalogue gave no text at all, not even the message ids");
    LoadLanguage(kSourceLanguage, message);
    ForgetOtherCatalogues();   // a long run takes millions of catalogues; the game keeps them
    return 0;
}
