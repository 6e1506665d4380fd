// The fatal-error log: one line in "Debug.txt", then the window goes away.
#include "core/error_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/game_error.h"
#include "core/paths.h"

namespace {

struct ErrorRow {
    uint32_t code;
    const char* text;
};

// The graphics system's classic error codes (facility 0x876) and the general COM codes.
constexpr ErrorRow kErrorTable[] = {
    {0x00000000, "The request completed successfully."},
    {0x80004001, "Action not supported."},
    {0x80004005, "Generic failure."},
    {0x8007000E, "DirectDraw does not have enough memory to perform the operation."},
    {0x80070057, "One or more of the parameters passed to the function are incorrect."},
    {0x800401F0, "A method was called on an object that has not been initialized yet."},
    {0x88760005, "This object is already initialized."},
    {0x8876000A, "This surface cannot be attached to the requested surface."},
    {0x88760014, "This surface cannot be detached from the requested surface."},
    {0x88760028, "Support is currently not available."},
    {0x88760037, "An exception was encountered while performing the requested operation."},
    {0x8876005A, "The height of the provided rectangle is not a multiple of the required alignment."},
    {0x8876005F, "Unable to match the primary surface creation request with the existing primary surface."},
    {0x88760064, "One or more of the capability bits passed to the callback are incorrect."},
    {0x8876006E, "The clip list provided is not valid."},
    {0x88760078, "The display mode requested is not supported."},
    {0x88760082, "The object passed is not a valid object."},
    {0x88760091, "The pixel format passed is not valid."},
    {0x88760096, "The rectangle provided is not valid."},
    {0x887600A0, "The operation cannot be carried out because one or more surfaces are locked."},
    {0x887600AA, "There is no 3D hardware present or available."},
    {0x887600B4, "The operation needs alpha hardware, and none is present or available."},
    {0x887600CD, "No clip list is available."},
    {0x887600D2, "The operation needs colour conversion hardware, and none is present or available."},
    {0x887600D4, "The cooperative level has not been set yet."},
    {0x887600D7, "The surface does not currently have a colour key."},
    {0x887600DC, "The operation needs colour key hardware, and none is present or available."},
    {0x887600DE, "The display driver does not support this graphics interface."},
    {0x887600E1, "The operation needs exclusive mode, which the caller does not hold."},
    {0x887600E6, "Flipping visible surfaces is not supported."},
    {0x887600F0, "There is no GDI present."},
    {0x887600FA, "The operation needs mirroring hardware, and none is present or available."},
    {0x887600FF, "The requested item was not found."},
    {0x88760104, "The operation needs overlay hardware, and none is present or available."},
    {0x8876010E, "The source and destination rectangles overlap on the same surface."},
    {0x88760118, "The operation needs raster operation hardware, and none is present or available."},
    {0x88760122, "The operation needs rotation hardware, and none is present or available."},
    {0x88760136, "The operation needs stretching hardware, and none is present or available."},
    {0x8876013C, "The surface is not a 4-bit colour palette surface."},
    {0x8876013D, "The surface is not a 4-bit colour index palette surface."},
    {0x88760140, "The surface is not an 8-bit colour palette surface."},
    {0x8876014A, "The operation needs texture mapping hardware, and none is present or available."},
    {0x8876014F, "The operation needs vertical blank synchronisation hardware, and none is present."},
    {0x88760154, "The operation needs depth buffer hardware, and none is present or available."},
    {0x8876015E, "Overlay surfaces cannot be depth-ordered by the hardware present."},
    {0x88760168, "The hardware needed by the operation has already been allocated."},
    {0x8876017C, "DirectDraw does not have enough memory to perform the operation."},
    {0x8876017E, "The hardware does not support clipped overlays."},
    {0x88760180, "Only one colour key can be active on an overlay at a time."},
    {0x88760183, "Access to this palette is refused because it is in use by another thread."},
    {0x88760190, "No source colour key was specified for this operation."},
    {0x8876019A, "This surface is already attached to the surface it is being attached to."},
    {0x887601A4, "This surface is already a dependency of the surface it is being made a dependency of."},
    {0x887601AE, "Access to this surface is refused because it is in use by another thread."},
    {0x887601B3, "Access to the surface is refused because no driver exists that can supply a pointer to it."},
    {0x887601B8, "Access to this surface is refused because the surface is obscured."},
    {0x887601C2, "Access to this surface is being refused because the surface memory is gone. "
                 "The surface must be restored before it can be used again."},
    {0x887601CC, "The requested surface is not attached."},
    {0x887601D6, "The requested height is too large."},
    {0x887601E0, "The requested size is too large."},
    {0x887601EA, "The requested width is too large."},
    {0x887601FE, "The pixel format of this surface is not supported."},
    {0x88760208, "The bit mask of this pixel format is not supported."},
    {0x88760219, "A vertical blank is in progress."},
    {0x8876021C, "The previous operation on this surface is still in progress."},
    {0x8876021E, "The surface capabilities ask for a complex surface without marking it as one."},
    {0x88760230, "The rectangle is not aligned to the required horizontal boundary."},
    {0x88760231, "The identifier of the display device passed is not valid."},
    {0x88760232, "A graphics object for this display device has already been created."},
    {0x88760233, "There is no hardware acceleration for the display device."},
    {0x88760234, "The primary surface of this process already exists."},
    {0x88760235, "Software emulation is not available."},
    {0x88760236, "The region passed to the clipper is too small."},
    {0x88760237, "The clipper takes its clip list from a window and cannot be given one."},
    {0x88760238, "No clipper is attached to the surface."},
    {0x88760239, "No window has been set for the operation."},
    {0x8876023A, "The window has been subclassed by another owner and cannot be used."},
    {0x8876023B, "A window has already been set and cannot be changed."},
    {0x8876023C, "No palette is attached to the surface."},
    {0x8876023D, "There is no hardware support for 16 or 256 colour palettes."},
    {0x8876023E, "A fast block transfer cannot be clipped."},
    {0x8876023F, "There is no block transfer hardware present."},
    {0x88760240, "There is no raster operation hardware present."},
    {0x88760241, "The overlay is not visible, so its position cannot be read."},
    {0x88760242, "The overlay is not visible, so it has no destination."},
    {0x88760243, "The overlay position is not valid."},
    {0x88760244, "The surface is not an overlay surface."},
    {0x88760245, "Exclusive mode has already been taken by another application."},
    {0x88760246, "The surface cannot be flipped."},
    {0x88760247, "The surface cannot be duplicated."},
    {0x88760248, "The surface is not locked, so it cannot be unlocked."},
    {0x88760249, "A device context could not be created for the surface."},
    {0x8876024A, "No device context exists for the surface."},
    {0x8876024B, "The surface was created in a different display mode and cannot be restored."},
    {0x8876024C, "The surface was created implicitly and cannot be restored."},
    {0x8876024D, "The surface does not use a colour palette."},
    {0x8876024E, "The display mode is not supported."},
    {0x8876024F, "The operation needs mipmap hardware, and none is present or available."},
    {0x88760250, "The surface type is not valid for this operation."},
    {0x88760258, "The device has no hardware for optimised surfaces."},
    {0x88760259, "The surface is an optimised surface that has not been loaded yet."},
    {0x8876025A, "A focus window must be set before this operation."},
    {0x88760262, "A device context has already been returned for this surface."},
    {0x8876026C, "The device does not support memory outside the display adapter."},
    {0x88760276, "The surface memory could not be locked in place."},
    {0x8876028A, "The surface memory could not be unlocked."},
    {0x8876029E, "The surface memory was not locked in place, so it cannot be unlocked."},
    {0x887602B2, "More data is available than the buffer given can hold."},
    {0x887602BB, "Surfaces created by one direct draw device cannot be used directly by another direct draw device."},
};

}  // namespace

void (*g_fatalWindowClose)() = nullptr;

const char* ErrorText(int32_t code) {
    const uint32_t key = static_cast<uint32_t>(code);
    for (const ErrorRow& row : kErrorTable)
        if (row.code == key) return row.text;
    return "Unrecognized Error";
}

int ErrorTableSize() { return static_cast<int>(sizeof(kErrorTable) / sizeof(kErrorTable[0])); }

std::string ErrorLogLine(int32_t code, const std::string& message) { return message + ": " + ErrorText(code); }

void WriteErrorLog(int32_t code, const std::string& message) {
    const std::string line = ErrorLogLine(code, message);
    const std::string path = UserRootPath("Debug.txt");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) ThrowFileError(path, 0, std::string("cannot be created: ") + std::strerror(errno));
    const std::string text = line + "\r\n";
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const int writeError = written ? 0 : errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed)
        ThrowFileError(path, 0, std::string("cannot be written: ") + std::strerror(written ? errno : writeError));
    // The window goes: it is closed and destroyed, which releases every device object.
    if (g_fatalWindowClose) g_fatalWindowClose();
    throw FatalErrorExit{line};
}
