#pragma once
#include <cstdint>
#include <string>

// Description of a result code; "Unrecognized Error" for codes outside the table.
const char* ErrorText(int32_t code);
// Writes "Debug.txt" (one line: message + ": " + ErrorText(code)) and destroys the window.
void WriteErrorLog(int32_t code, const std::string& message);
// The line WriteErrorLog writes, without the line end.
std::string ErrorLogLine(int32_t code, const std::string& message);
