// The game in each language, run for real: the dialog and a level of box 1 in English and
// Ukrainian (by --lang, by the settings file, by LANG with no generated locale), every text
// within its box and in the font's glyphs, a pseudo-language of lengthened texts, and the
// language list of the dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/form.h"
#include "app/parent_rows.h"
#include "app/settings_dialog.h"
#include "core/i18n.h"
#include "core/mo_catalogue.h"
#include "core/settings.h"
#include "core/user_lock.h"
#include "game_runner.h"
#include "platform/font.h"

namespace fs = std::filesystem;

namespace {

const std::string kDialogScript = "frames 3\nscreenshot dialog.png\ndump dialog.json\n";
const std::string kLevelScript =
    "frames 3\nclick\nmove 380 320\nclick\nmove 500 220\nclick\nexpect g_screenState 1\nframes 2\n"
    "screenshot level.png\ndump level.json\n";

// The JSON array or string value of `name` in a dump, as text.
std::string Value(const std::string& json, const std::string& name) {
    const size_t at = json.find("\"" + name + "\":");
    if (at == std::string::npos) return "";
    const size_t from = json.find_first_not_of(' ', at + name.size() + 3);
    const size_t to = json[from] == '[' ? json.find(']', from) + 1 : json.find('"', from + 1) + 1;
    return json.substr(from, to - from);
}

// A letter of the Cyrillic block (U+0400..U+04FF starts with the bytes D0..D3).
bool HasCyrillic(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xD0 && c <= 0xD3) return true;
    return false;
}

struct Shown {
    std::string dialog, level, language, title;
};

// The dialog and a level, each in its own run with the same arguments and environment.
Shown RunBoth(GameRunner& game, const std::vector<std::string>& args, const std::string& environment) {
    Shown shown;
    GameRun run = game.Run(kDialogScript, args, environment, false);
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    shown.dialog = game.ReadFile("dialog.json");
    run = game.Run(kLevelScript, args, environment);
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    shown.level = game.ReadFile("level.json");
    shown.language = Value(shown.level, "gameLanguage");
    shown.title = Value(shown.level, "windowTitle");
    for (const std::string* dump : {&shown.dialog, &shown.level})
        EXPECT_EQ(Value(*dump, "textsTooLong"), "[]") << *dump;
    return shown;
}

TEST(Languages, EnglishRunsByOptionAndByLangShowNoCyrillicLetter) {
    for (const auto& [args, environment] : {std::pair<std::vector<std::string>, std::string>{{"--lang", "en"}, ""},
                                            {{}, "LANG=en_US.UTF-8"}}) {
        GameRunner game;
        const Shown shown = RunBoth(game, args, environment);
        EXPECT_EQ(shown.language, "\"en\"") << environment;
        EXPECT_EQ(shown.title, "\"Stroylik\"");
        const std::string dialog = Value(shown.dialog, "textsDrawn"), level = Value(shown.level, "textsDrawn");
        EXPECT_NE(dialog.find("\"Start game\""), std::string::npos) << dialog;
        EXPECT_NE(dialog.find("\"English\""), std::string::npos) << dialog;
        EXPECT_NE(level.find("\"Build the picture in the left field\""), std::string::npos) << level;
        EXPECT_FALSE(HasCyrillic(dialog + level)) << dialog << level;
    }
}

TEST(Languages, UkrainianByOptionThenRememberedInTheSettingsOverLang) {
    GameRunner game;
    const Shown shown = RunBoth(game, {"--lang", "uk"}, "");
    EXPECT_EQ(shown.language, "\"uk\"");
    EXPECT_NE(Value(shown.dialog, "textsDrawn").find("\"Почати гру\""), std::string::npos) << shown.dialog;
    EXPECT_NE(Value(shown.dialog, "textsDrawn").find("\"Українська\""), std::string::npos) << shown.dialog;
    EXPECT_NE(Value(shown.level, "textsDrawn").find("\"Складіть картинку в лівому полі\""), std::string::npos);

    std::ofstream(game.Path("settings.ini")) << "language = uk\n";
    GameRun run = game.Run(kDialogScript, {}, "LANG=en_US.UTF-8", false);
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_EQ(Value(game.ReadFile("dialog.json"), "gameLanguage"), "\"uk\"");
}

TEST(Languages, MissingCatalogueIsNamedOnceAndTheGameGoesOnInRussian) {
    GameRunner game;
    GameRun run = game.Run(kLevelScript, {"--lang", "de"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_NE(run.stdErr.find("locale/de/LC_MESSAGES/stroylik.mo"), std::string::npos) << run.stdErr;
    const std::string level = game.ReadFile("level.json");
    EXPECT_EQ(Value(level, "gameLanguage"), "\"ru\"");
    EXPECT_NE(Value(level, "textsDrawn").find("\"Соберите картинку в левом поле\""), std::string::npos) << level;
}

std::unique_ptr<MoCatalogue> ShippedCatalogue(const std::string& code) {
    std::ifstream in(std::string(STROYLIK_GAME_DIR "/locale/") + code + "/LC_MESSAGES/stroylik.mo", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string what;
    auto catalogue = ParseMoCatalogue(bytes, what);
    EXPECT_TRUE(catalogue) << code << ": " << what;
    return catalogue;
}

std::string PoString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '\n' ? std::string("\\n") : c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return out + "\"";
}

// A catalogue of the Russian texts (the message ids of the English one) each 40% longer in letters.
std::string LongerCatalogue() {
    std::string po = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    const auto english = ShippedCatalogue("en");
    for (const auto& [key, translation] : english->entries) {
        const size_t context = key.find('\x04');
        const std::string id = context == std::string::npos ? key : key.substr(context + 1);
        size_t letters = 0;
        for (unsigned char c : id) letters += (c & 0xC0) != 0x80;
        if (context != std::string::npos) po += "msgctxt " + PoString(key.substr(0, context)) + "\n";
        std::string longer = id;   // a text's closing line break stays last
        longer.insert(longer.size() - (!id.empty() && id.back() == '\n'), std::string(letters * 4 / 10, '~'));
        po += "msgid " + PoString(id) + "\nmsgstr " + PoString(longer) + "\n\n";
    }
    return po;
}

// Every text 40% longer: the texts that would not fit shrink, and none is too long even so.
TEST(Languages, PseudoLanguageOfLongerTextsShrinksWhatWouldNotFit) {
    GameRunner game;
    fs::remove(game.Path("locale"));
    fs::copy(STROYLIK_GAME_DIR "/locale", game.Path("locale"), fs::copy_options::recursive);
    fs::create_directories(game.Path("locale/xx/LC_MESSAGES"));
    std::ofstream(game.Path("longer.po")) << LongerCatalogue();
    const std::string make =
        "msgfmt -o '" + game.Path("locale/xx/LC_MESSAGES/stroylik.mo") + "' '" + game.Path("longer.po") + "'";
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    const Shown shown = RunBoth(game, {"--lang", "xx"}, "");
    const std::string shrunk = Value(shown.dialog, "textsShrunk") + Value(shown.level, "textsShrunk");
    std::printf("pseudo-language, shrunk to fit: %s\n", shrunk.c_str());
    EXPECT_NE(shrunk.find("~"), std::string::npos) << shown.dialog << shown.level;
}

// The font every text is drawn in has every character of every catalogue.
TEST(Languages, TheFontHoldsEveryCharacterOfEveryCatalogue) {
    std::unique_ptr<plat::Font> font;
    ASSERT_TRUE(plat::Succeeded(plat::Font::Create(nullptr, 20, 0, 400, "MS Sans Serif", font)));
    EXPECT_EQ(font->MissingGlyphs("ґєіїҐЄІЇ«»—…"), U"");
    SetLocaleDir(STROYLIK_GAME_DIR "/locale");
    const std::vector<std::string> languages = AvailableLanguages();
    ASSERT_GT(languages.size(), 1u);
    for (size_t i = 1; i < languages.size(); ++i) {
        const auto catalogue = ShippedCatalogue(languages[i]);
        ASSERT_TRUE(catalogue && !catalogue->entries.empty()) << languages[i];
        for (const auto& [id, text] : catalogue->entries) {
            // A context stands before the text, split from it by EOT; only the text is drawn.
            const std::string shown = id.substr(id.find('\x04') == std::string::npos ? 0 : id.find('\x04') + 1);
            EXPECT_EQ(font->MissingGlyphs(shown), U"") << shown;
            EXPECT_EQ(font->MissingGlyphs(text), U"") << languages[i] << ": " << text;
        }
    }
}

TEST(Languages, ChoosingALanguageInTheDialogRedrawsItAndIsRemembered) {
    const std::string settings = fs::temp_directory_path() / ("stroylik-lang-" + std::to_string(::getpid()) + ".ini");
    SetSettingsFilePath(settings);
    SetLocaleDir(STROYLIK_GAME_DIR "/locale");
    std::string message;
    LoadLanguage(kSourceLanguage, message);
    g_settings = Settings();
    {
        TForm1 form;
        EXPECT_EQ(form.ComboBox2.items, (std::vector<std::string>{"Русский", "English", "Українська"}));
        EXPECT_EQ(form.ComboBox2.itemIndex, 0);
        plat::Window::DialogEvent key;
        key.kind = plat::Window::DialogEvent::KeyDown;
        key.dik = plat::DIK::TAB;
        for (int i = 0; i < 3; ++i) HandleDialogEvent(form, key);
        EXPECT_EQ(DialogFocus(), 3);
        key.dik = plat::DIK::DOWN;
        HandleDialogEvent(form, key);
        EXPECT_EQ(CurrentLanguage(), "en");
        EXPECT_EQ(form.Button1.caption, "Start game");
        EXPECT_EQ(form.Label1.caption, "Choose the game's resolution:");
        EXPECT_EQ(form.ComboBox1.items[1], "1024x768");
        EXPECT_EQ(form.window.title(), "Stroylik (Settings)");
        Settings read;
        EXPECT_TRUE(LoadSettings(settings, read, message)) << message;
        EXPECT_EQ(read.language, "en");
    }
    LoadLanguage(kSourceLanguage, message);
    g_settings = Settings();
    SetSettingsFilePath("");
    fs::remove(settings);
}

TEST(Languages, FileMessagesAndTheParentCornerSpeakTheChosenLanguage) {
    GameRunner game;
    std::ofstream(game.Path("settings.ini"), std::ios::binary) << "garbage\nmusic = loud\n";
    const GameRun run = game.Run("frames 2\n", {"--lang", "en"});
    EXPECT_NE(run.stdErr.find("settings.ini: line 1 is not \"key = value\"; line 2: \"loud\" is not a valid music. "
                              "The defaults are used for what could not be read."),
              std::string::npos) << run.stdErr;
    std::string message;
    ASSERT_TRUE(LockUserFolder(game.dir(), message)) << message;
    const GameRun second = game.Run("frames 2\n", {"--lang", "uk"});
    UnlockUserFolder();
    EXPECT_NE(second.stdErr.find("Стройлик уже відкритий і пише збереження до теки " + game.dir()), std::string::npos)
        << second.stdErr;

    SetLocaleDir(STROYLIK_GAME_DIR "/locale");
    ASSERT_TRUE(LoadLanguage("en", message)) << message;
    std::string shown;
    for (int seconds : {0, 20}) {
        g_settings.hintAfterSeconds = seconds;
        for (const ParentRowView& row : BuildParentCornerView(0).rows) shown += row.label + "|" + row.valueText + "\n";
    }
    EXPECT_NE(shown.find("Start box 1 again|\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Hint when the child does not play|never\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Hint when the child does not play|20 s\n"), std::string::npos) << shown;
    EXPECT_FALSE(HasCyrillic(shown)) << shown;
    LoadLanguage(kSourceLanguage, message);
    g_settings = Settings();
}

}  // namespace
