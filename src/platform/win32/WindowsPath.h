#pragma once

#include <string>

namespace tallowmere::platform {

// A UTF-8 file name as the wide Windows file calls take it. A name too long for the
// classic limit of 260 characters is made absolute and given the \\?\ prefix, which lifts
// the limit on every Windows version without the system-wide long-path setting.
std::wstring windowsPath(const std::string& utf8);

// The absolute name of a file as Windows resolves it: either slash, "." and ".." taken out.
std::wstring fullWindowsPath(const std::wstring& path);

}  // namespace tallowmere::platform
