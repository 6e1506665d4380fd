#pragma once
// A walk over the chunks of a PNG file before it is decoded. The decoder sizes its buffers from
// the chunk lengths, so one damaged length of a small file could make it ask for a gigabyte.
#include <cstddef>
#include <cstdint>
#include <string>

namespace plat {

// True for bytes that do not start with the PNG signature (not ours to judge) and for a PNG
// whose every chunk lies inside the file. Otherwise false with the reason in `why`.
bool PngChunksFit(const uint8_t* data, size_t size, std::string& why);

}  // namespace plat
