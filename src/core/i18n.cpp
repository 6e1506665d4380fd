// The chosen language and the look-ups every shown text goes through.
#include "core/i18n.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "core/mo_catalogue.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxCatalogueBytes = 8u << 20;
constexpr const char* kDomainFile = "LC_MESSAGES/stroylik.mo";
// TRANSLATORS: the name of your language, written in your language ("English", "Українська");
// the language list of the settings dialog shows it.
constexpr const char* kOwnName = Mark("Русский");

std::string g_language = kSourceLanguage;
std::string g_localeDir = "locale";
const MoCatalogue* g_current = nullptr;
// Catalogues are never freed, so a text handed out stays valid after the language changes;
// the same file read again reuses its catalogue, so switching back and forth costs nothing.
struct Kept {
    std::string bytes;
    std::unique_ptr<MoCatalogue> catalogue;
};
std::vector<Kept> g_kept;
std::map<std::string, std::string> g_ownNames;

// Language codes name folders, so only letters, digits and "_@" (e.g. "pt_BR", "sr@latin").
bool UsableCode(const std::string& code) {
    if (code.empty() || code.size() > 16) return false;
    return std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '@';
    });
}

std::string CataloguePath(const std::string& code) { return g_localeDir + "/" + code + "/" + kDomainFile; }

// Reads and parses one catalogue; nullptr with a message naming the file when it cannot.
const MoCatalogue* ReadCatalogue(const std::string& code, std::string& message) {
    const std::string path = CataloguePath(code);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        message = TrFormat("Нет файла перевода «{file}»; игра продолжается на русском языке.", {{"file", path}});
        return nullptr;
    }
    std::string bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<size_t>(in.gcount()));
        if (bytes.size() > kMaxCatalogueBytes) break;
    }
    for (const Kept& kept : g_kept)
        if (kept.bytes == bytes) return kept.catalogue.get();
    std::string why = bytes.size() > kMaxCatalogueBytes ? Tr("файл слишком велик") : "";
    auto catalogue = why.empty() ? ParseMoCatalogue(bytes, why) : nullptr;
    if (!catalogue) {
        message = TrFormat("Файл перевода «{file}» повреждён ({reason}); игра продолжается на русском языке.",
                           {{"file", path}, {"reason", why}});
        return nullptr;
    }
    g_kept.push_back({std::move(bytes), std::move(catalogue)});
    return g_kept.back().catalogue.get();
}

const char* Look(const std::string& key, const char* fallback) {
    if (!g_current) return fallback;
    const std::string* found = FindEntry(*g_current, key);
    return found ? found->c_str() : fallback;
}

// "uk_UA.UTF-8" -> "uk_UA" and "uk"; "C.UTF-8" names no language.
std::string Match(std::string value, const std::vector<std::string>& available) {
    value = value.substr(0, value.find_first_of(".@"));
    for (const std::string& candidate : {value, value.substr(0, value.find('_'))})
        if (!candidate.empty() && std::find(available.begin(), available.end(), candidate) != available.end())
            return candidate;
    return "";
}

}  // namespace

const char* Tr(const char* msgid) { return Look(msgid, msgid); }

const char* TrCtx(const char* context, const char* msgid) {
    return Look(std::string(context) + '\x04' + msgid, msgid);
}

const char* TrPlural(const char* singular, const char* plural, unsigned long n) {
    const std::string* found = g_current ? FindEntry(*g_current, singular) : nullptr;
    // Without a catalogue only the two forms of the code are at hand.
    if (!found) return n == 1 ? singular : plural;
    int index = PluralIndex(g_current->plural, n);
    size_t at = 0;
    for (; index > 0; --index) {
        const size_t nul = found->find('\0', at);
        if (nul == std::string::npos) break;   // fewer forms than the rule counts: the last one
        at = nul + 1;
    }
    return found->c_str() + at;
}

std::string TrFormat(const char* msgid, std::initializer_list<std::pair<const char*, std::string>> args) {
    const std::string text = Tr(msgid);
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('{', at);
        const size_t close = open == std::string::npos ? open : text.find('}', open);
        if (close == std::string::npos) break;
        out.append(text, at, open - at);
        const std::string name = text.substr(open + 1, close - open - 1);
        const auto arg = std::find_if(args.begin(), args.end(), [&](const auto& a) { return name == a.first; });
        if (arg != args.end()) out += arg->second;
        else out.append(text, open, close - open + 1);
        at = close + 1;
    }
    if (at < text.size()) out.append(text, at);
    return out;
}

const std::string& CurrentLanguage() { return g_language; }

void SetLocaleDir(const std::string& dir) { g_localeDir = dir; }
const std::string& LocaleDir() { return g_localeDir; }

std::string FindLocaleDir(const std::string& gameDir) {
    const std::string inside = gameDir + "/locale";
    const std::string installed = gameDir + "/../../locale";
    std::error_code error;
    if (!fs::is_directory(inside, error) && fs::is_directory(installed, error)) return installed;
    return inside;
}

bool LoadLanguage(const std::string& code, std::string& message) {
    message.clear();
    const MoCatalogue* catalogue = nullptr;
    if (code != kSourceLanguage) {
        g_current = nullptr;   // the message of a failure is Russian, like the game after it
        g_language = kSourceLanguage;
        if (!UsableCode(code)) {
            message = TrFormat("Язык «{code}» не годится для игры; игра продолжается на русском языке.", {{"code", code}});
            return false;
        }
        catalogue = ReadCatalogue(code, message);
        if (!catalogue) return false;
    }
    g_current = catalogue;
    g_language = code;
    return true;
}

void ForgetOtherCatalogues() {
    std::erase_if(g_kept, [](const Kept& kept) { return kept.catalogue.get() != g_current; });
    g_ownNames.clear();
}

std::vector<std::string> AvailableLanguages() {
    std::vector<std::string> found;
    std::error_code error;
    for (fs::directory_iterator it(g_localeDir, error), end; !error && it != end; it.increment(error)) {
        const std::string code = it->path().filename().string();
        if (UsableCode(code) && code != kSourceLanguage && fs::is_regular_file(it->path() / kDomainFile, error))
            found.push_back(code);
    }
    std::sort(found.begin(), found.end());
    found.insert(found.begin(), kSourceLanguage);
    return found;
}

std::string LanguageOwnName(const std::string& code) {
    if (code == kSourceLanguage) return kOwnName;
    const auto known = g_ownNames.find(code);
    if (known != g_ownNames.end()) return known->second;
    std::string message;
    const MoCatalogue* catalogue = UsableCode(code) ? ReadCatalogue(code, message) : nullptr;
    const std::string* name = catalogue ? FindEntry(*catalogue, kOwnName) : nullptr;
    if (!catalogue) return code;
    return g_ownNames[code] = name ? *name : code;
}

std::string ChooseLanguage(const std::string& settingsValue, const std::vector<std::string>& available,
                           std::string (*environment)(const char* name)) {
    std::vector<std::string> asked = {settingsValue};
    const std::string list = environment("LANGUAGE");
    for (size_t at = 0; at <= list.size();) {
        const size_t colon = std::min(list.find(':', at), list.size());
        asked.push_back(list.substr(at, colon - at));
        at = colon + 1;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) asked.push_back(environment(name));
    for (const std::string& value : asked) {
        const std::string code = Match(value, available);
        if (!code.empty()) return code;
    }
    return kSourceLanguage;
}
