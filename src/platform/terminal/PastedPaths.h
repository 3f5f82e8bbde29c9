#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::platform {

// The paths in text pasted into the terminal, as terminals type dropped files and people
// copy them: separated by blanks, tabs or line ends; each may be quoted ('…' or "…"), have
// its blanks and quotes escaped with a backslash, be a file:// URI (on this computer, with
// %-escapes) or start with ~/ for the home folder. None when the text holds no path or a
// quote that is never closed: such a text is no list of paths.
std::vector<std::string> pastedPaths(std::string_view text);

}  // namespace tallowmere::platform
