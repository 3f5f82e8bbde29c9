#pragma once

#include <string_view>

#include "runtime/files/File.h"

namespace tallowmere::txa {

// Appends the file's record buffer. A line that cannot be added ends the program at once:
// a conversion that went on without it would silently lose data. The halt shows the error
// code in decimal, a blank, and what happened to which file, in the user's words:
// "90 Export.txa could not be written: No space left on device". shown is the file's name
// as the user knows it.
void addOrHalt(runtime::File& file, std::string_view shown);

// Makes the lines added so far reach the disk. Added lines are buffered, so a full disk
// may only show here; such a failure halts the same way as a failed add.
void flushOrHalt(runtime::File& file, std::string_view shown);

// Halts the same way when a file operation returned the error code error (not 0);
// failure says what could not be done ("Export.txa could not be replaced"), and after, when
// given, what the user is to know besides.
void haltOnError(int error, std::string_view failure, std::string_view after = {});

}  // namespace tallowmere::txa
