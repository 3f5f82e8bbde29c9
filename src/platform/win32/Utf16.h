#pragma once

#include <string>
#include <string_view>

namespace tallowmere::platform {

// Text is UTF-8 inside the program and UTF-16 at the Windows API; these are the only
// crossings. Bytes that are not UTF-8 become U+FFFD rather than being dropped silently.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace tallowmere::platform
