#pragma once

namespace tallowmere::platform::EndingSignals {

// What happens when a signal ends the program (an interrupt, a hang-up, a termination, a
// broken pipe, a crash): the temporary files it still holds are removed, the terminal is
// given back when a window has it, and the signal then ends the process as it would have
// without a handler, so that the parent sees a death by that signal and a broken pipe ends
// it quietly. Installed once; later calls do nothing.
void install();

// A step the handler runs first, with async-signal-safe calls only (the terminal's
// restore); null for none.
void setFirstStep(void (*step)());

}  // namespace tallowmere::platform::EndingSignals
