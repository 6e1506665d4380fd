// The catalogues: look-ups in the shipped languages, plural forms and contexts of a compiled
// catalogue, the choice of language from settings and environment, and damaged files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

#include "core/i18n.h"
#include "core/plural_forms.h"

namespace fs = std::filesystem;

namespace {

struct I18nTest : ::testing::Test {
    fs::path scratch = fs::temp_directory_path() / ("stroylik-i18n-" + std::to_string(::getpid()));
    std::string message;
    void SetUp() override { SetLocaleDir(STROYLIK_GAME_DIR "/locale"); }
    void TearDown() override {
        LoadLanguage(kSourceLanguage, message);
        SetLocaleDir(STROYLIK_GAME_DIR "/locale");
        fs::remove_all(scratch);
    }
    fs::path Catalogue(const std::string& code) { return scratch / code / "LC_MESSAGES/stroylik.mo"; }
    // Compiles a catalogue with the real msgfmt into the scratch locale folder.
    void Compile(const std::string& code, const std::string& po) {
        fs::create_directories(Catalogue(code).parent_path());
        std::ofstream(scratch / "in.po") << po;
        const std::string command = "msgfmt -o '" + Catalogue(code).string() + "' '" + (scratch / "in.po").string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        SetLocaleDir(scratch.string());
    }
};

}  // namespace

// The list of languages and their own names are the dialog's (test_app_languages.cpp).
TEST_F(I18nTest, ShippedCataloguesLoadAndEarlierTextsStayValid) {
    const char* russian = Tr("Русский");
    ASSERT_TRUE(LoadLanguage("uk", message)) << message;
    EXPECT_EQ(CurrentLanguage(), "uk");
    const char* ukrainian = Tr("Русский");
    EXPECT_STREQ(ukrainian, "Українська");
    const char* unknown = "Текст, которого нет в каталоге";
    EXPECT_EQ(Tr(unknown), unknown);
    ASSERT_TRUE(LoadLanguage("en", message)) << message;
    EXPECT_STREQ(Tr("Русский"), "English");
    // Texts handed out before the change still read as they did.
    EXPECT_STREQ(ukrainian, "Українська");
    ASSERT_TRUE(LoadLanguage("ru", message));
    EXPECT_STREQ(Tr("Русский"), russian);
}

TEST_F(I18nTest, CompiledCatalogueGivesContextsPluralFormsAndPlaceholders) {
    Compile("uk", R"(msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"
"Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);\n"

msgctxt "кнопка"
msgid "Выход"
msgstr "Вийти"

msgid "Выход"
msgstr "Вихід"

msgid "{n} уровень"
msgid_plural "{n} уровней"
msgstr[0] "{n} рівень"
msgstr[1] "{n} рівні"
msgstr[2] "{n} рівнів"

msgid "Файл «{file}»: {reason}."
msgstr "{reason} у файлі «{file}»."
)");
    ASSERT_TRUE(LoadLanguage("uk", message)) << message;
    EXPECT_STREQ(TrCtx("кнопка", "Выход"), "Вийти");
    EXPECT_STREQ(Tr("Выход"), "Вихід");
    EXPECT_STREQ(TrCtx("меню", "Выход"), "Выход");
    std::map<unsigned long, std::string> forms;
    for (unsigned long n : {1ul, 21ul, 2ul, 24ul, 5ul, 11ul, 12ul, 111ul, 0ul}) forms[n] = TrPlural("{n} уровень", "{n} уровней", n);
    EXPECT_EQ(forms, (std::map<unsigned long, std::string>{{0, "{n} рівнів"}, {1, "{n} рівень"}, {2, "{n} рівні"},
                                                           {5, "{n} рівнів"}, {11, "{n} рівнів"}, {12, "{n} рівнів"},
                                                           {21, "{n} рівень"}, {24, "{n} рівні"}, {111, "{n} рівнів"}}));
    // Placeholders move with the translation; a value is never expanded again, an unknown name stays.
    EXPECT_EQ(TrFormat("Файл «{file}»: {reason}.", {{"file", "a{reason}.mo"}, {"reason", "пусто"}}),
              "пусто у файлі «a{reason}.mo».");
    EXPECT_EQ(TrFormat("Нет {what} в {file}", {{"file", "x"}}), "Нет {what} в x");
    ASSERT_TRUE(LoadLanguage("ru", message));
    EXPECT_STREQ(TrPlural("{n} уровень", "{n} уровней", 1), "{n} уровень");
    EXPECT_STREQ(TrPlural("{n} уровень", "{n} уровней", 3), "{n} уровней");
}

// "n+n+...+n": far more operators than a plural rule needs.
static std::string LongSum() {
    std::string rule = "nplurals=2; plural=n";
    for (int i = 0; i < 150; ++i) rule += "+n";
    return rule + ";";
}

TEST(PluralForms, RulesEvaluateAndMalformedOnesAreRefused) {
    PluralRule rule;
    std::string what;
    ASSERT_TRUE(ParsePluralForms(" nplurals=2; plural=(n != 1);", rule, what)) << what;
    EXPECT_EQ(rule.count, 2);
    EXPECT_EQ(PluralIndex(rule, 1), 0);
    EXPECT_EQ(PluralIndex(rule, 0), 1);
    ASSERT_TRUE(ParsePluralForms("nplurals=4; plural=!(n<=2) + n/0*3 + (n>=7 ? 9 : n%0) - (n==3 || n>8 && n<1);", rule, what)) << what;
    EXPECT_EQ(PluralIndex(rule, 1), 0);
    EXPECT_EQ(PluralIndex(rule, 3), 0);   // !0 is 1, less the || that holds
    EXPECT_EQ(PluralIndex(rule, 4), 1);
    EXPECT_EQ(PluralIndex(rule, 7), 3);   // 1 + 9: past the last form, which it takes
    EXPECT_EQ(PluralIndex(PluralRule{}, 22), 1);   // no header: the Russian rule
    for (const std::string& bad : std::vector<std::string>{"plural=n;", "nplurals=0; plural=0;", "nplurals=12; plural=n;", "nplurals=2; plural=(n;",
                                  "nplurals=2; plural=n ? 1;", "nplurals=2; plural=n $ 1;", "nplurals=2; plural=n 1;",
                                  "nplurals=2; plural=99999999999;", "nplurals=2; plural=" + std::string(60, '(') + "n" +
                                  std::string(60, ')') + ";", "nplurals=2; plural=n+" + std::string(300, '+') + ";", LongSum()}) {
        what.clear();
        EXPECT_FALSE(ParsePluralForms(bad, rule, what)) << bad;
        EXPECT_NE(what.find("множественного числа"), std::string::npos) << bad;
    }
}

TEST(ChooseLanguage, SettingsThenTheFirstEnvironmentVariableNamingALanguageWeHave) {
    static std::map<std::string, std::string> env;
    auto lookUp = [](const char* name) { return env.count(name) ? env[name] : std::string(); };
    const std::vector<std::string> have = {"ru", "en", "uk", "pt_BR"};
    struct Case {
        std::string settings;
        std::map<std::string, std::string> environment;
        std::string chosen;
    };
    const Case cases[] = {
        {"", {}, "ru"},
        {"", {{"LANG", "C.UTF-8"}}, "ru"},
        {"", {{"LANG", "uk_UA.UTF-8"}}, "uk"},
        {"", {{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {"", {{"LANGUAGE", "de:fr_FR:en_GB"}, {"LANG", "uk_UA.UTF-8"}}, "en"},
        {"", {{"LANGUAGE", "de"}, {"LC_ALL", "C.UTF-8"}, {"LC_MESSAGES", "uk_UA@euro"}, {"LANG", "en_US.UTF-8"}}, "uk"},
        {"en", {{"LC_ALL", "uk_UA.UTF-8"}}, "en"},
        {"de", {{"LC_ALL", "uk_UA.UTF-8"}}, "uk"},
    };
    for (const Case& c : cases) {
        env = c.environment;
        EXPECT_EQ(ChooseLanguage(c.settings, have, lookUp), c.chosen) << c.settings << " " << c.environment.size();
    }
}

TEST_F(I18nTest, MissingOrDamagedCatalogueNamesTheFileAndLeavesRussian) {
    std::ifstream in(STROYLIK_GAME_DIR "/locale/uk/LC_MESSAGES/stroylik.mo", std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(good.size(), 100u);
    std::string farTable = good;
    farTable[15] = '\x7f';   // the originals' table offset far past the end
    std::string farString = good;
    farString[31] = '\x7f';   // the first original's length (its table starts at 28) past the end
    const std::pair<std::string, std::string> damaged[] = {
        {"", "не скомпилированный"}, {"Hello, this is text.", "не скомпилированный"}, {good.substr(0, 14), "обрезан"},
        {farTable, "за конец файла"}, {farString, "выходит за пределы"}, {good.substr(0, good.size() - 20), ""}};
    for (const auto& [bytes, reason] : damaged) {
        fs::create_directories(Catalogue("uk").parent_path());
        std::ofstream(Catalogue("uk"), std::ios::binary) << bytes;
        SetLocaleDir(STROYLIK_GAME_DIR "/locale");
        ASSERT_TRUE(LoadLanguage("en", message));   // a damaged one after a good one falls back all the same
        SetLocaleDir(scratch.string());
        EXPECT_FALSE(LoadLanguage("uk", message));
        EXPECT_NE(message.find(Catalogue("uk").string()), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_EQ(CurrentLanguage(), "ru");
        EXPECT_STREQ(Tr("Русский"), "Русский");
    }
    EXPECT_FALSE(LoadLanguage("de", message));
    EXPECT_NE(message.find(Catalogue("de").string()), std::string::npos) << message;
    EXPECT_FALSE(LoadLanguage("../uk", message));
    EXPECT_NE(message.find("../uk"), std::string::npos) << message;
}
