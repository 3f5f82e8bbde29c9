#pragma once

namespace tallowmere::platform {

// A console program ended by Ctrl-C, Ctrl-Break or its console window closing removes the
// temporary files it still holds before Windows ends it, as a signal does on other systems.
void removeTemporariesOnConsoleBreak();

}  // namespace tallowmere::platform
