#pragma once
// The picture sheets named by "Surfaces.ini", referred to by entry number.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/texture.h"

struct TSurfaces {
    std::string fileName;
    std::unique_ptr<plat::Texture> texture;
    bool setAside = false;   // loaded once, freed while no screen draws from it
    std::string loadedFrom;  // the file the texture came from (the picture language's copy or the original)
};

enum SurfaceEntry : int {
    SurfaceCursor = 0,
    SurfacePen = 1,
    SurfaceMain = 2,
    SurfaceBox1Figures = 3,
    SurfaceBox2Figures = 4,
    SurfaceMenu = 5,
};

constexpr uint32_t SheetBit(int entry) { return 1u << entry; }
// The big sheets, loaded only while the screen shown draws from them; the rest of the
// catalogue is small and always kept.
constexpr uint32_t SwappableSheets =
    SheetBit(SurfaceMain) | SheetBit(SurfaceBox1Figures) | SheetBit(SurfaceBox2Figures) | SheetBit(SurfaceMenu);

extern std::vector<TSurfaces> g_surfaces;
extern int g_surfaceCount;

// Reads the file names; throws GameFileError naming the file on a missing file or a bad count.
void LoadSurfacesIni(const std::string& path = "Surfaces.ini");
void InitSurfaces();
// The fatal log line for a picture that could not be loaded: `why` names the file and the cause.
void LogTextureFailure(plat::HRESULT hr, const std::string& why);
// Frees the swappable sheets outside `wanted` and loads those in it that were set aside.
// Between frames only: a batch being drawn may hold a sheet.
void KeepSheets(uint32_t wanted);
// Pictures with words on them come per language: entry "dir/name" is read from
// "dir/lang/<code>/name" when the game folder has that file, else from the original (Russian).
// Sheets already loaded from another file are set aside and load again when next wanted.
// Between frames only, like KeepSheets.
void SetPictureLanguage(const std::string& code);
// The file, inside the game folder, that an entry's name stands for in the picture language.
std::string PictureFile(const std::string& fileName);
// The texture of an entry, or nullptr when the entry is missing or failed to load. A sheet
// set aside is loaded again here, so a screen that draws one it did not ask for still shows it.
const plat::Texture* SurfaceTexture(int entry);
