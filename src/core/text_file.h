#pragma once
// Small text files the game keeps in the user folder: read whole with a size limit, and
// written so that a cut-off write or a second writer never leaves half a file behind.
#include <cstddef>
#include <string>

// False with `error` ("the file is too large", the system's reason) when the file cannot be
// read whole; `missing` tells a file that is not there from one that cannot be read.
bool ReadSmallTextFile(const std::string& path, size_t maxBytes, std::string& text, bool& missing, std::string& error);
// Writes `text` to a temporary file of its own beside `path` (never a name another writer
// uses), puts it on the disk, then renames it over `path`. False with `error` on failure;
// the old file is then untouched. Never throws.
bool WriteTextAtomic(const std::string& path, const std::string& text, std::string& error);
