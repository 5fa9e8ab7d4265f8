#pragma once

#include <string>

// Text for the terminal the program was started from. A Windows program
// with windows has no console of its own: its text goes where standard
// output (or error) was redirected, or else to the console of the program
// that started it. False when there is neither (started from a shortcut).
bool WriteStandardOutput(const std::string& text);
bool WriteStandardError(const std::string& text);
