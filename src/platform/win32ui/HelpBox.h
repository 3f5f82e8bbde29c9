#pragma once

#include <string>
#include <string_view>

namespace tallowmere::platform {

// Shows the program's help, a text laid out in columns, in a box of its own with the caption
// and OK: in a fixed-pitch font, as a console shows it, never wider or taller than the work
// area (scroll bars take the rest), the text selectable for copying. A message box would
// wrap its lines out of their columns and may outgrow the screen.
void showHelpBox(const std::string& caption, std::string_view text);

}  // namespace tallowmere::platform
