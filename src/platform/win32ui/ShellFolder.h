#pragma once

#include <string>

namespace tallowmere::platform {

// Opens the folder that holds the file in the system's file manager, with the file selected,
// through the shell's own call, in a thread that is in COM's single-threaded apartment.
// False when the shell could not (the file is gone, or there is no shell).
bool showInShellFolder(const std::string& path);

}  // namespace tallowmere::platform
