#pragma once

#include <filesystem>
#include <string>

namespace tallowmere::app {

// File names inside the program are UTF-8; the standard library's paths take them as the
// system's narrow encoding, which on Windows is not UTF-8.
std::filesystem::path pathOf(const std::string& utf8);
std::string utf8Of(const std::filesystem::path& path);

// The export that follows an import: beside it, named after it with "-C6" before the
// extension (Orders.txa: Orders-C6.txa).
std::string exportBeside(const std::string& import);

// How the window names a file: its name when it lies in the working folder, its full path
// otherwise.
std::string shownName(const std::string& path);

// The folder a file lies in, as a full path.
std::string folderOf(const std::string& path);

// Whether two names reach one file, however each is spelt (links, case, another way to the
// same folder); false when either does not exist.
bool sameFile(const std::string& one, const std::string& other);

}  // namespace tallowmere::app
