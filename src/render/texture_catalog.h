#pragma once
// The picture sheets named by "Surfaces.ini", referred to by entry number.
#include <memory>
#include <string>
#include <vector>

#include "platform/texture.h"

struct TSurfaces {
    std::string fileName;
    std::unique_ptr<plat::Texture> texture;
};

enum SurfaceEntry : int {
    SurfaceCursor = 0,
    SurfacePen = 1,
    SurfaceMain = 2,
    SurfaceBox1Figures = 3,
    SurfaceBox2Figures = 4,
    SurfaceMenu = 5,
};

extern std::vector<TSurfaces> g_surfaces;
extern int g_surfaceCount;

// Reads the file names; throws GameFileError naming the file on a missing file or a bad count.
void LoadSurfacesIni(const std::string& path = "Surfaces.ini");
void InitSurfaces();
// The fatal log line for a picture that could not be loaded: `why` names the file and the cause.
void LogTextureFailure(plat::HRESULT hr, const std::string& why);
// The texture of an entry, or nullptr when the entry is missing or failed to load.
const plat::Texture* SurfaceTexture(int entry);
