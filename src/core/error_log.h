#pragma once
#include <cstdint>
#include <string>

// Thrown by WriteErrorLog once the window is destroyed: the program unwinds to its end
// without touching any released object. Not a std::exception, so no error handler
// meant for file errors swallows it.
struct FatalErrorExit {
    std::string line;
};

// Description of a result code; "Unrecognized Error" for codes outside the table.
const char* ErrorText(int32_t code);
// Number of rows of the description table.
int ErrorTableSize();
// Closes and destroys the game window; set by the window while it exists, so the log can
// take it down without this layer knowing the window.
extern void (*g_fatalWindowClose)();
// Writes "Debug.txt" (one line: message + ": " + ErrorText(code)) and destroys the window.
void WriteErrorLog(int32_t code, const std::string& message);
// The line WriteErrorLog writes, without the line end.
std::string ErrorLogLine(int32_t code, const std::string& message);
