#pragma once
// One game at a time on a user folder: a running game holds a lock on "stroylik.lock" in it,
// so a second one (a double click on the icon) learns of it before it reads or writes a file.
#include <string>

// Takes the lock of `userDir` for the life of the process (the system drops it when the
// process ends, however it ends). True when this process holds it now. False with a message
// for the player when another game holds it, or naming the file when it cannot be made;
// nothing but the lock file itself is touched. Never throws.
bool LockUserFolder(const std::string& userDir, std::string& message);
// Lets the lock go (tests, which take it again in one process).
void UnlockUserFolder();
