#pragma once
// The game's texts in the chosen language. Russian is the source language: the Russian texts in
// the code are the message ids, and a compiled catalogue (".mo") per other language translates
// them. Every look-up falls back to the Russian text, so a missing entry never shows a blank.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The chosen language's text, or msgid itself. The pointer stays valid for the whole run, also
// after the language changes.
const char* Tr(const char* msgid);
// The same with a context, for a Russian text that means two things (pgettext).
const char* TrCtx(const char* context, const char* msgid);
// The form for the number n by the catalogue's plural rule (Russian rule without a catalogue).
const char* TrPlural(const char* singular, const char* plural, unsigned long n);
// Translates, then puts each argument where its "{name}" stands in the translated text.
std::string TrFormat(const char* msgid, std::initializer_list<std::pair<const char*, std::string>> args);
// Marks a text for extraction where it is stored; it is translated with Tr where it is shown.
constexpr const char* Mark(const char* msgid) { return msgid; }
// The same for a text that is shown through TrCtx with this context.
constexpr const char* MarkCtx(const char* context, const char* msgid) { return (void)context, msgid; }

// "ru", "en", "uk", ...
const std::string& CurrentLanguage();
// The source language, which needs no catalogue.
inline constexpr const char* kSourceLanguage = "ru";

// Where the compiled catalogues are looked for: "<dir>/<code>/LC_MESSAGES/stroylik.mo".
void SetLocaleDir(const std::string& dir);
const std::string& LocaleDir();
// The locale folder of a game folder: "locale" inside it (the build tree), else "../../locale"
// (an installed game: share/games/stroylik beside share/locale) when that one exists.
std::string FindLocaleDir(const std::string& gameDir);

// Makes `code` the language of every look-up. The source language always loads. For another
// one the catalogue is read; when it is missing or damaged the language stays Russian, false
// comes back and `message` names the file. Never throws.
bool LoadLanguage(const std::string& code, std::string& message);
// Frees the catalogues kept from earlier languages (all but the current one). Texts handed out
// from them become invalid: only for callers that hold none, such as the fuzz target.
void ForgetOtherCatalogues();
// The languages the player can choose: Russian, then every catalogue in the locale folder.
std::vector<std::string> AvailableLanguages();
// A language's name in that language ("Русский", "English", "Українська"), from its catalogue.
std::string LanguageOwnName(const std::string& code);

// The first language we have that the settings or environment names, in this order: the
// settings value, then LANGUAGE (a colon list), LC_ALL, LC_MESSAGES, LANG; "uk_UA.UTF-8" means
// "uk". Russian when none does. `environment` looks a variable up ("" when unset).
std::string ChooseLanguage(const std::string& settingsValue, const std::vector<std::string>& available,
                           std::string (*environment)(const char* name));
