// Command-line options.
#include "core/options.h"

#include <cstdlib>
#include <cstring>

#include "core/i18n.h"

Options g_options;

namespace {

bool ParseInt(const char* text, long long lo, long long hi, long long& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    long long v = std::strtoll(text, &end, 10);
    if (*end != '\0' || v < lo || v > hi) return false;
    out = v;
    return true;
}

// "800x600" with a Latin x, or with the Cyrillic letter the dialog shows.
int ResolutionIndex(std::string text) {
    const std::string cyrillicX = "х";
    for (size_t p; (p = text.find(cyrillicX)) != std::string::npos;) text.replace(p, cyrillicX.size(), "x");
    if (text == "800x600") return 0;
    if (text == "1024x768") return 1;
    if (text == "1280x1024") return 2;
    return -1;
}

}  // namespace

bool ParseOptions(int argc, char** argv, Options& out, std::string& error) {
    out = Options();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        // The next option is never taken for a value: "--resolution --headless" lacks one.
        const char* value = i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0 ? argv[i + 1] : nullptr;
        auto needValue = [&]() {
            if (value) return true;
            error = TrFormat("параметру {option} нужно значение.", {{"option", arg}});
            return false;
        };
        // An empty path would quietly mean the player's own folders (an unset variable in a
        // test script must not touch real progress).
        auto needPath = [&]() {
            if (!needValue()) return false;
            if (*value) return true;
            error = TrFormat("параметру {option} нужен путь, а он пуст.", {{"option", arg}});
            return false;
        };
        long long n = 0;
        if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--start") {
            out.start = true;
        } else if (arg == "--kiosk") {
            out.kiosk = true;
        } else if (arg == "--windowed") {
            out.windowed = true;
        } else if (arg == "--relative-mouse") {
            out.relativeMouse = true;
        } else if (arg == "--no-vsync") {
            out.vsync = false;
        } else if (arg == "--headless") {
            out.headless = true;
        } else if (arg == "--resolution") {
            if (!needValue()) return false;
            out.resolutionIndex = ResolutionIndex(value);
            if (out.resolutionIndex < 0) {
                error = TrFormat("неизвестное разрешение «{value}» (бывают 800x600, 1024x768 и 1280x1024).",
                                 {{"value", value}});
                return false;
            }
            out.resolutionGiven = true;
            ++i;
        } else if (arg == "--seed") {
            if (!needValue()) return false;
            if (!ParseInt(value, 0, 4294967295LL, n)) {
                error = TrFormat("параметру --seed нужно число от 0 до 4294967295, а не «{value}».", {{"value", value}});
                return false;
            }
            out.seedGiven = true;
            out.seed = static_cast<uint32_t>(n);
            ++i;
        } else if (arg == "--fixed-step") {
            if (!needValue()) return false;
            if (!ParseInt(value, 1, 10000, n)) {
                error = TrFormat("параметру --fixed-step нужно число миллисекунд от 1 до 10000, а не «{value}».",
                                 {{"value", value}});
                return false;
            }
            out.fixedStepMs = static_cast<int>(n);
            ++i;
        } else if (arg == "--profile") {
            if (!needValue()) return false;
            if (!ParseInt(value, 1, 6, n)) {
                error = TrFormat("параметру --profile нужен номер ребёнка от 1 до 6, а не «{value}».", {{"value", value}});
                return false;
            }
            out.profile = static_cast<int>(n);
            ++i;
        } else if (arg == "--script") {
            if (!needPath()) return false;
            out.script = value;
            ++i;
        } else if (arg == "--audio-out") {
            if (!needPath()) return false;
            out.audioOut = value;
            ++i;
        } else if (arg == "--lang") {
            if (!needValue()) return false;
            out.language = value;
            ++i;
        } else if (arg == "--data" || arg == "--user-dir") {
            if (!needPath()) return false;
            (arg == "--data" ? out.dataDir : out.userDir) = value;
            ++i;
        } else {
            error = TrFormat("неизвестный параметр «{option}».", {{"option", arg}});
            return false;
        }
    }
    return true;
}

std::string UsageText() {
    return Tr("Запуск: stroylik [параметры]\n"
              "  --resolution 800x600|1024x768|1280x1024   разрешение игры (обычно 800x600)\n"
              "  --start            пропустить окно настройки и сразу начать игру\n"
              "  --windowed         играть в окне, а не на весь экран\n"
              "  --relative-mouse   курсор ведёт собственное (удвоенное) движение мыши, указатель удержан\n"
              "  --no-vsync         рисовать кадры как можно быстрее (для замеров)\n"
              "  --headless         без видимого окна и без звукового устройства; сообщения идут в stderr\n"
              "  --seed N           начать генератор случайных чисел с N\n"
              "  --fixed-step MS    каждый кадр продвигает часы на MS миллисекунд\n"
              "  --script FILE      вести игру командами из FILE (см. docs/scripts.md)\n"
              "  --audio-out FILE.wav  записывать смешанный звук ещё и в FILE.wav\n"
              "  --lang CODE        язык текстов игры (ru, en, uk...), поверх настроек и системы\n"
              "  --data DIR         читать данные игры из DIR, а не из установленной папки\n"
              "  --user-dir DIR     хранить сохранения и настройки в DIR, а не в\n"
              "                     $XDG_DATA_HOME/stroylik и $XDG_CONFIG_HOME/stroylik\n"
              "  --profile N        играть за ребёнка N (от 1 до 6), не спрашивая, кто играет;\n"
              "                     если такого нет, он появится с первой свободной картинкой\n"
              "  --help             показать этот текст\n");
}
