#pragma once

#include <string>
#include <string_view>

namespace tallowmere::platform {

// Texts as the terminal shows them. A text inside the program is UTF-8 (a file name may be
// any bytes); what reaches the screen is its shown form: control characters and bytes that
// are no UTF-8 escaped as \t, \n, \r or \xHH, so a file name cannot move the cursor or
// switch the terminal's modes, and, when the locale's characters are not UTF-8, every
// other non-ASCII character given as a plain stand-in ("..." for the ellipsis, "->" for
// the arrow, "*" for the bullet, "?" for the rest). Shown texts are measured in cells, each
// character taking one cell or, for wide ones, two, as the locale says.
std::string shownText(std::string_view utf8);
int cellsOf(std::string_view shown);

// The longest start, or end, of a shown text that takes at most cells cells.
std::string headWithin(std::string_view shown, int cells);
std::string tailWithin(std::string_view shown, int cells);

// A shown text shortened to at most cells cells, with an ellipsis where it was cut:
//   fitEnd   the start of the text, then the ellipsis;
//   fitPath  for a text with a path in it ("Import Filename: /home/me/Orders.txa"): the text
//            before the path and the path's last part (from its last '/') kept whole, the
//            ellipsis between them after as much of the path as fits; when they do not
//            fit together, the path shortened from the left after the text before it (or
//            the whole text, when that leaves too little of the path); without a '/', the
//            ellipsis in the middle.
// A text that fits comes back as it is.
std::string fitEnd(std::string_view shown, int cells);
std::string fitPath(std::string_view shown, int cells);

}  // namespace tallowmere::platform
