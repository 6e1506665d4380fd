#pragma once
// A temporary file of its own for every atomic write: two games (or two writers of one game)
// that save the same name at once never share, truncate or rename away each other's bytes.
#include <string>

// Creates and opens (write only, close-on-exec, mode 0644 before the umask) a new file
// "NAME.tmp-XXXXXX" in the folder of `path`, unique among the folder's files. Returns the
// descriptor and sets `temp` to the file's name; -1 with errno set when it cannot be made.
int OpenUniqueTemp(const std::string& path, std::string& temp);
