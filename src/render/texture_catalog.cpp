// The texture catalogue: "Surfaces.ini" names the picture sheets, one entry per three lines
// (the file name and two lines kept free for notes); screens refer to sheets by entry number.
#include "render/texture_catalog.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/error_log.h"
#include "core/game_error.h"
#include "core/paths.h"
#include "core/player_message.h"
#include "platform/image.h"
#include "render/graphics.h"

std::vector<TSurfaces> g_surfaces;

int g_surfaceCount = 0;

namespace {

// Far more sheets than the game will ever have; a bigger count is a damaged file, not a catalogue.
constexpr long MaxEntries = 4096;

// One line without its end (LF or CR LF); an empty line when the file has run out.
std::string ReadLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line)) return std::string();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// A decimal integer, surrounding blanks allowed; false for anything else.
bool ParseCount(const std::string& text, long& value) {
    size_t i = 0, end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    if (i == end) return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    if (i == end) return false;
    long v = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
        if (v > 1000000000L) return false;
    }
    value = negative ? -v : v;
    return true;
}

}  // namespace

void LoadSurfacesIni(const std::string& name) {
    // Messages name the file where it was looked for, so a wrong data folder is plain to see.
    const std::string path = GamePath(name);
    std::ifstream in(path);
    if (!in) ThrowFileError(path, 0, "cannot open the texture list");
    const std::string first = ReadLine(in);
    long count = 0;
    if (!ParseCount(first, count)) ThrowFileError(path, 1, "the number of textures is not an integer: \"" + first + "\"");
    if (count < 0 || count > MaxEntries)
        ThrowFileError(path, 1, "the number of textures is out of range (0 to " + std::to_string(MaxEntries) + ")");

    std::vector<TSurfaces> entries(static_cast<size_t>(count));
    for (TSurfaces& entry : entries) {
        entry.fileName = ReadLine(in);
        ReadLine(in);
        ReadLine(in);
    }
    g_surfaces = std::move(entries);
    g_surfaceCount = static_cast<int>(count);
}

void LogTextureFailure(plat::HRESULT hr, const std::string& why) {
    // The picture and what is wrong with it; the code of a failed call is never "success".
    WriteErrorLog(plat::Failed(hr) ? hr : plat::E_FAIL, "Not D3DXCreateTextureFromFile: " + why);
}

namespace {

std::string& PictureLanguage() {
    static std::string code;
    return code;
}

}  // namespace

std::string PictureFile(const std::string& fileName) {
    const std::string& code = PictureLanguage();
    const size_t slash = fileName.find_last_of('/');
    // A code that could climb out of the folder is no language of ours.
    if (code.empty() || code.find_first_of("/\\.") != std::string::npos) return fileName;
    const std::string localised = slash == std::string::npos
                                      ? "lang/" + code + "/" + fileName
                                      : fileName.substr(0, slash + 1) + "lang/" + code + "/" + fileName.substr(slash + 1);
    std::error_code ec;
    return std::filesystem::is_regular_file(GamePath(localised), ec) ? localised : fileName;
}

namespace {

// Loads one entry on the device (or its sizes only without one); failures are reported with
// the file and leave the entry empty.
void LoadSurface(int k) {
    TSurfaces& entry = g_surfaces[k];
    entry.setAside = false;
    entry.loadedFrom.clear();
    if (entry.fileName.empty()) {
        // A short list leaves entries without a name; loading them fails like a missing file.
        const std::string why = "Surfaces.ini: entry " + std::to_string(k) + " has no file name";
        TellPlayer(why);
        if (g_device) LogTextureFailure(plat::E_FAIL, why);
        return;
    }
    entry.loadedFrom = PictureFile(entry.fileName);
    if (!g_device) {
        // Recorder graphics (no GPU): sizes only, so draws name real sheets.
        plat::Image image;
        std::string error;
        if (plat::LoadImageFile(GamePath(entry.loadedFrom), image, error)) entry.texture = plat::Texture::FromImage(image, false);
        else TellPlayer("Surfaces.ini entry " + std::to_string(k) + ": " + error);
        return;
    }
    std::string error;
    const plat::HRESULT hr = plat::CreateTextureFromFile(g_device.get(), GamePath(entry.loadedFrom), entry.texture, false, &error);
    if (plat::Failed(hr)) {
        TellPlayer("Surfaces.ini entry " + std::to_string(k) + ": " + error);
        LogTextureFailure(hr, error);
    }
}

bool Swappable(int k) { return k < 32 && (SwappableSheets & SheetBit(k)) != 0; }

}  // namespace

void InitSurfaces() {
    // Every entry is loaded, so a bad picture is reported at start, not when a screen first needs it.
    for (int k = 0; k < g_surfaceCount && k < static_cast<int>(g_surfaces.size()); ++k)
        if (!g_surfaces[k].texture) LoadSurface(k);
}

void KeepSheets(uint32_t wanted) {
    if (!g_device) return;   // recorder sheets hold sizes only
    for (int k = 0; k < static_cast<int>(g_surfaces.size()); ++k) {
        if (!Swappable(k)) continue;
        TSurfaces& entry = g_surfaces[k];
        const bool want = (wanted & SheetBit(k)) != 0;
        if (!want && entry.texture) {
            entry.texture.reset();
            entry.setAside = true;
        } else if (want && entry.setAside) {
            LoadSurface(k);
        }
    }
}

void SetPictureLanguage(const std::string& code) {
    PictureLanguage() = code;
    for (TSurfaces& entry : g_surfaces) {
        if (!entry.texture || PictureFile(entry.fileName) == entry.loadedFrom) continue;
        entry.texture.reset();
        entry.setAside = true;
    }
}

const plat::Texture* SurfaceTexture(int entry) {
    if (entry < 0 || entry >= static_cast<int>(g_surfaces.size())) return nullptr;
    if (g_surfaces[entry].setAside) LoadSurface(entry);
    return g_surfaces[entry].texture.get();
}
