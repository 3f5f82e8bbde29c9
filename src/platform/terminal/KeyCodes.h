#pragma once

namespace tallowmere::platform {

// Codes the session gives the arrow keys held with Ctrl or Alt, which terminfo has no names
// for; curses reports them like its own key codes. (Shift with an arrow has curses names.)
inline constexpr int KeyCodeBase = 0x1000;
inline constexpr int ModifiedUp = KeyCodeBase + 1;
inline constexpr int ModifiedDown = KeyCodeBase + 2;
inline constexpr int ModifiedRight = KeyCodeBase + 3;
inline constexpr int ModifiedLeft = KeyCodeBase + 4;
// The start of an xterm mouse report (ESC [ M); its three bytes follow as plain keys. The
// session decodes reports itself: curses' own decoding drops a press that arrives
// together with the motion after it, which loses the start of a quick drag.
inline constexpr int MouseReportKey = KeyCodeBase + 5;
// The start of a mouse report in the SGR encoding (ESC [ <), which has no upper limit on
// the column; its numbers and final letter follow as plain keys.
inline constexpr int SgrMouseReportKey = KeyCodeBase + 6;
// The marks a terminal in bracketed paste mode puts before and after pasted text (ESC [ 200 ~
// and ESC [ 201 ~), which is how most terminals hand over a file dropped on them.
inline constexpr int PasteStartKey = KeyCodeBase + 7;
inline constexpr int PasteEndKey = KeyCodeBase + 8;
// Mouse reporting off in every mode curses or the session may have switched on, and
// bracketed paste off: what a terminal is given back with.
inline constexpr const char* TerminalReportsOff =
    "\033[?1006l\033[?1003l\033[?1002l\033[?1000l\033[?2004l";

inline constexpr int EscapeKey = 27;
inline constexpr int ControlC = 3;

// The runtime::Key code for a curses key, 0 for a key no window rule knows.
int neutralKey(int key);

}  // namespace tallowmere::platform
