#pragma once
// Words shared by the readers of the game's number files (levels, progress, positions).
#include "core/i18n.h"

// What a file with nothing in it is said to be (shown through Tr).
inline constexpr const char* kEmptyFileText = Mark("файл пуст, в нём нет ни одного числа.");
