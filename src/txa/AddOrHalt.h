#pragma once

#include "runtime/files/File.h"

namespace tallowmere::txa {

// Appends the file's record buffer. A line that cannot be added ends the program at once:
// a conversion that went on without it would silently lose data. The halt shows the error
// code in decimal, a blank and the error text.
void addOrHalt(runtime::File& file);

// Makes the lines added so far reach the disk. Added lines are buffered, so a full disk
// may only show here; such a failure halts the same way as a failed add.
void flushOrHalt(runtime::File& file);

// Halts the same way when a file operation returned the error code error (not 0).
void haltOnError(int error);

}  // namespace tallowmere::txa
