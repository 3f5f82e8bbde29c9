#pragma once

#include <string>
#include <vector>

namespace tallowmere::platform {

// Installs the operating system's services of Windows for the whole process: files,
// settings files and the calendar. Called once at start, before anything uses them.
void installWindowsServices();

// The program's arguments in UTF-8, whatever the console's code page: main's own argv
// holds them in the ANSI code page, where names outside it are already lost.
std::vector<std::string> commandLineArguments();

}  // namespace tallowmere::platform
