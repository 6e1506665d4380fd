// The script driver: commands that move the mouse, press keys, act out task switches and
// check the game state, each carried out between two idle passes.
#include "app/script.h"
#include "app/settings_dialog.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <stb_image_write.h>

#include "app/form.h"
#include "core/game_state.h"
#include "core/options.h"
#include "core/state_dump.h"
#include "platform/device.h"
#include "platform/gamepad.h"
#include "platform/input.h"
#include "render/graphics.h"

namespace {

// What a word after the command may be. Every word is checked when the script is read, so
// a typing slip stops the run before its first frame rather than after minutes of play.
enum class Word {
    Count,       // a whole number from 0
    Coordinate,  // a whole number (a point may lie off the screen)
    Key,         // a key name the keyboard knows
    Button,      // left or right
    DownUp,      // down or up
    PadButton,   // a game controller's button name
    Focus,       // lost or gained
    Device,      // lost or reset
    Any,         // a file or a state name: anything
};
constexpr int kMaxWords = 3;

struct CommandShape {
    const char* name;
    int words;                   // after the command
    Word kinds[kMaxWords];
    bool rest;                   // more words may follow: the value to compare
};
constexpr CommandShape kCommands[] = {
    {"frames", 1, {Word::Count}, false},
    {"move", 2, {Word::Coordinate, Word::Coordinate}, false},
    {"down", 1, {Word::Button}, false},
    {"up", 1, {Word::Button}, false},
    {"click", 0, {}, false},
    {"key", 2, {Word::Key, Word::DownUp}, false},
    {"focus", 1, {Word::Focus}, false},
    {"minimize", 0, {}, false},
    {"restore", 0, {}, false},
    {"device", 1, {Word::Device}, false},
    {"screenshot", 1, {Word::Any}, false},
    {"dump", 1, {Word::Any}, false},
    {"expect", 2, {Word::Any, Word::Any}, true},
    {"close", 0, {}, false},
    {"await", 3, {Word::Count, Word::Any, Word::Any}, true},
    {"pad", 2, {Word::PadButton, Word::DownUp}, false},
};

bool ParseNumber(const std::string& text, long long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    long long v = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0') return false;
    out = v;
    return true;
}

// Values compare as numbers when both are numbers (so colours may be written in hex).
bool SameValue(const std::string& actual, const std::string& expected) {
    long long a = 0, e = 0;
    if (ParseNumber(actual, a) && ParseNumber(expected, e)) return a == e;
    return actual == expected;
}

int ButtonIndex(const std::string& word) { return word == "left" ? 0 : word == "right" ? 1 : -1; }

// Empty when the word fits its kind, otherwise what was wanted in its place.
std::string CheckWord(Word kind, const std::string& word) {
    long long n = 0;
    switch (kind) {
    case Word::Count:
        return ParseNumber(word, n) && n >= 0 && n <= INT32_MAX ? "" : "a whole number from 0";
    case Word::Coordinate:
        return ParseNumber(word, n) && n >= INT32_MIN && n <= INT32_MAX ? "" : "a whole number";
    case Word::Key:
        return plat::KeyCodeByName(word.c_str()) ? "" : "a key name (see docs/scripts.md)";
    case Word::Button:
        return ButtonIndex(word) >= 0 ? "" : "left or right";
    case Word::DownUp:
        return word == "down" || word == "up" ? "" : "down or up";
    case Word::PadButton: {
        plat::PadButton button;
        return plat::PadButtonByName(word.c_str(), button) ? "" : "a pad button (see docs/scripts.md)";
    }
    case Word::Focus:
        return word == "lost" || word == "gained" ? "" : "lost or gained";
    case Word::Device:
        return word == "lost" || word == "reset" ? "" : "lost or reset";
    case Word::Any:
        return "";
    }
    return "";
}

}  // namespace

bool ScriptDriver::Load(const std::string& file, std::string& error) {
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int why = errno;
        error = "script \"" + file + "\" cannot be read: " + std::strerror(why ? why : ENOENT);
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return LoadText(file, text.str(), error);
}

bool ScriptDriver::LoadText(const std::string& name, const std::string& text, std::string& error) {
    name_ = name;
    lines_.clear();
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (size_t hash = raw.find('#'); hash != std::string::npos) raw.erase(hash);
        Line line;
        line.number = number;
        std::istringstream words(raw);
        for (std::string w; words >> w;) line.words.push_back(w);
        if (line.words.empty()) continue;
        const std::string& cmd = line.words[0];
        const CommandShape* shape = nullptr;
        for (const CommandShape& c : kCommands)
            if (cmd == c.name) shape = &c;
        const int n = static_cast<int>(line.words.size()) - 1;
        const std::string at = name + ":" + std::to_string(number) + ": ";
        if (!shape) {
            error = at + "unknown command \"" + cmd + "\"";
            return false;
        }
        if (n < shape->words || (!shape->rest && n > shape->words)) {
            error = at + "wrong number of words for \"" + cmd + "\"";
            return false;
        }
        for (int k = 0; k < shape->words; ++k) {
            const std::string wanted = CheckWord(shape->kinds[k], line.words[k + 1]);
            if (wanted.empty()) continue;
            error = at + cmd + ": \"" + line.words[k + 1] + "\" is not " + wanted;
            return false;
        }
        if (cmd == "expect" || cmd == "await") {
            // The value is the rest of the line after the name, spaces included.
            const std::string& name = line.words[cmd == "await" ? 2 : 1];
            size_t p = raw.find(name, cmd == "await" ? raw.find(line.words[1]) + line.words[1].size() : 0) + name.size();
            line.rest = raw.substr(p);
            line.rest.erase(0, line.rest.find_first_not_of(" \t"));
            line.rest.erase(line.rest.find_last_not_of(" \t\r") + 1);
        }
        lines_.push_back(line);
    }
    loaded_ = true;
    next_ = 0;
    current_ = 0;
    pendingFrames_ = 0;
    releaseNext_ = false;
    failed_ = false;
    message_.clear();
    return true;
}

bool ScriptDriver::Fail(const Line& line, const std::string& why) {
    failed_ = true;
    message_ = name_ + ":" + std::to_string(line.number) + ": " + why;
    return false;
}

bool ScriptDriver::BeforePass(TForm1& form) {
    if (failed_) return false;
    if (awaiting_) {
        // Frames run until the value turns up or the frames allowed are spent.
        std::string actual;
        BuildStateDump().Lookup(awaitName_, actual);
        if (SameValue(actual, awaitValue_)) {
            awaiting_ = false;
        } else if (awaitFramesLeft_-- > 0) {
            return true;
        } else {
            awaiting_ = false;
            Line line;
            line.number = current_;
            return Fail(line, "await " + awaitName_ + " " + awaitValue_ + ": still " + actual);
        }
    }
    if (releaseNext_) {
        plat::InputSource::Get().SetButton(0, false);
        releaseNext_ = false;
        return true;
    }
    if (pendingFrames_ > 0) {
        --pendingFrames_;
        return true;
    }
    while (next_ < lines_.size()) {
        const Line& line = lines_[next_++];
        current_ = line.number;
        bool needsFrame = false;
        if (!Execute(line, form, needsFrame)) return false;
        if (needsFrame) return true;
    }
    return false;
}

bool ScriptDriver::Execute(const Line& line, TForm1& form, bool& needsFrame) {
    const std::vector<std::string>& w = line.words;
    const std::string& cmd = w[0];
    plat::InputSource& input = plat::InputSource::Get();
    long long a = 0, b = 0;

    if (cmd == "frames") {
        if (!ParseNumber(w[1], a) || a < 0) return Fail(line, "frames needs a count");
        if (a > 0) {
            pendingFrames_ = static_cast<int>(a - 1);
            needsFrame = true;
        }
    } else if (cmd == "move") {
        if (!ParseNumber(w[1], a) || !ParseNumber(w[2], b)) return Fail(line, "move needs X and Y");
        if (g_options.relativeMouse) {
            // The frame logic doubles the motion: half the distance, rounded toward zero.
            input.AddMotion(static_cast<int>((a - g_cursorX) / 2), static_cast<int>((b - g_cursorY) / 2));
        } else {
            // The pointer where the picture shows the virtual point: the cursor lands on it exactly.
            input.SetPointer(double(a) * g_scaleX, double(b) * g_scaleY);
        }
        needsFrame = true;
    } else if (cmd == "down" || cmd == "up") {
        int index = ButtonIndex(w[1]);
        if (index < 0) return Fail(line, "the button is left or right");
        input.SetButton(index, cmd == "down");
    } else if (cmd == "click") {
        input.SetButton(0, true);
        releaseNext_ = true;
        needsFrame = true;
    } else if (cmd == "key") {
        uint8_t code = plat::KeyCodeByName(w[1].c_str());
        if (!code) return Fail(line, "unknown key \"" + w[1] + "\"");
        if (w[2] != "down" && w[2] != "up") return Fail(line, "a key goes down or up");
        input.SetKey(code, w[2] == "down");
    } else if (cmd == "pad") {
        plat::PadButton button;
        if (!plat::PadButtonByName(w[1].c_str(), button)) return Fail(line, "unknown pad button \"" + w[1] + "\"");
        if (w[2] != "down" && w[2] != "up") return Fail(line, "a pad button goes down or up");
        const char* error = "";
        if (!plat::SetVirtualPadButton(button, w[2] == "down", &error)) return Fail(line, error);
    } else if (cmd == "focus") {
        if (w[1] != "lost" && w[1] != "gained") return Fail(line, "focus is lost or gained");
        form.window.Dispatch(w[1] == "lost" ? plat::Window::Event::FocusLost : plat::Window::Event::FocusGained,
                             form.Handlers());
    } else if (cmd == "minimize") {
        form.window.Dispatch(plat::Window::Event::Minimized, form.Handlers());
    } else if (cmd == "restore") {
        form.window.Dispatch(plat::Window::Event::Restored, form.Handlers());
    } else if (cmd == "close") {
        form.window.RequestClose();
        needsFrame = true;
    } else if (cmd == "device") {
        if (w[1] == "lost") plat::Device::SimulateLoss(plat::CooperativeLevel::Lost);
        else if (w[1] == "reset") plat::Device::SimulateLoss(plat::CooperativeLevel::NotReset);
        else return Fail(line, "device is lost or reset");
    } else if (cmd == "screenshot") {
        std::string error;
        if (!WriteScreenshot(w[1], error)) return Fail(line, error);
    } else if (cmd == "dump") {
        std::ofstream out(w[1], std::ios::binary | std::ios::trunc);
        out << BuildStateDump().ToJson() << "\n";
        if (!out) return Fail(line, "\"" + w[1] + "\" cannot be written");
    } else if (cmd == "await") {
        // await FRAMES NAME VALUE: for a world outside the script (a real pointer, a window manager).
        std::string actual;
        if (!ParseNumber(w[1], a) || a < 0) return Fail(line, "await needs a frame count");
        if (!BuildStateDump().Lookup(w[2], actual)) return Fail(line, "await " + w[2] + ": no such value in the state");
        awaitName_ = w[2];
        awaitValue_ = line.rest;
        awaitFramesLeft_ = static_cast<int>(a);
        awaiting_ = !SameValue(actual, awaitValue_);
        needsFrame = awaiting_;
        if (awaiting_) --awaitFramesLeft_;
    } else if (cmd == "expect") {
        std::string actual;
        if (!BuildStateDump().Lookup(w[1], actual)) return Fail(line, "expect " + w[1] + ": no such value in the state");
        if (!SameValue(actual, line.rest))
            return Fail(line, "expect " + w[1] + " " + line.rest + ": the value is " + actual);
    }
    return true;
}

bool WriteScreenshot(const std::string& file, std::string& error) {
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    // Before the game starts, the settings dialog is the picture.
    if (g_device && g_device->ReadBackBuffer(pixels)) {
        w = g_device->width();
        h = g_device->height();
    } else if (g_device || !ReadDialogPicture(pixels, &w, &h)) {
        error = "no picture to save in \"" + file + "\" (the game device does not exist)";
        return false;
    }
    if (pixels.size() < static_cast<size_t>(w) * h) {
        error = "the back buffer could not be read for \"" + file + "\"";
        return false;
    }
    std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
        uint32_t p = pixels[i];
        rgba[i * 4 + 0] = static_cast<unsigned char>(p >> 16);
        rgba[i * 4 + 1] = static_cast<unsigned char>(p >> 8);
        rgba[i * 4 + 2] = static_cast<unsigned char>(p);
        rgba[i * 4 + 3] = 255;   // the screen is opaque
    }
    if (!stbi_write_png(file.c_str(), w, h, 4, rgba.data(), w * 4)) {
        error = "\"" + file + "\" cannot be written";
        return false;
    }
    return true;
}
