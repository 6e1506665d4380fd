// The banner words of every language, from po/LINGUAS and the compiled catalogues the build made.
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/i18n.h"
#include "generators.h"

namespace gen {

namespace {

// The codes of a LINGUAS file: blank-separated, "#" starts a comment line.
std::vector<std::string> ReadLinguas(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read the language list " + path);
    std::vector<std::string> codes;
    std::string line, code;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#') continue;
        std::istringstream words(line);
        while (words >> code) codes.push_back(code);
    }
    return codes;
}

BannerTexts Translated(const std::string& code) {
    BannerTexts texts;
    texts.language = code;
    texts.original = code == kSourceLanguage;
    // TRANSLATORS: the start screen's banner that begins a box afresh; drawn in big letters,
    // a long text is set smaller.
    texts.newGame = Tr("Новая игра");
    // TRANSLATORS: the start screen's banner that goes on with the level left last time.
    texts.continueGame = Tr("Продолжить игру");
    return texts;
}

}  // namespace

std::vector<BannerTexts> ReadBannerTexts(const std::string& linguas, const std::string& localeDir) {
    std::string message;
    LoadLanguage(kSourceLanguage, message);
    std::vector<BannerTexts> all{Translated(kSourceLanguage)};
    if (linguas.empty()) return all;
    SetLocaleDir(localeDir);
    for (const std::string& code : ReadLinguas(linguas)) {
        if (code == kSourceLanguage) continue;
        if (!LoadLanguage(code, message)) throw std::runtime_error(message);
        all.push_back(Translated(code));
    }
    LoadLanguage(kSourceLanguage, message);
    return all;
}

}  // namespace gen
