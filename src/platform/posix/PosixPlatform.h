#pragma once

namespace tallowmere::platform {

// Installs the operating system's services of a POSIX system for the whole process: files,
// settings files and the calendar. Called once at start, before anything uses them.
void installPosixServices();

}  // namespace tallowmere::platform
