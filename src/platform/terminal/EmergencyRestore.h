#pragma once

namespace tallowmere::platform {

// Gives the terminal back from a signal handler, where curses itself must not run: the
// terminal modes saved before curses started and the terminfo strings that leave curses
// mode are captured beforehand and replayed with async-signal-safe calls only.
namespace EmergencyRestore {

// Saves the terminal modes of standard input; call before curses changes them.
void saveModes();
// Captures the strings that undo curses mode; call once curses knows the terminal.
void captureResetStrings();
// While armed, every signal that would end the process (an interrupt, a hang-up, a quit, a
// crash) restores the terminal first and then ends the process with that signal, as it
// would have without a handler (see EndingSignals).
void arm();
void disarm();

}  // namespace EmergencyRestore

}  // namespace tallowmere::platform
