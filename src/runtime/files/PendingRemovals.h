#pragma once

#include <string>

namespace tallowmere::runtime {

// The names of the files the program made for a while and must not leave behind, kept
// where a signal handler can still read them: when a signal ends the process, no
// destructor runs, and the platform's handler removes them with the calls such a handler
// may make.
namespace PendingRemovals {

using Slot = int;
inline constexpr Slot NoSlot = -1;

// Lists path; NoSlot when the list is full (the file is then left behind only if a signal
// ends the process).
Slot add(const std::string& path);
// Takes the name in slot off the list again.
void drop(Slot slot);
// Calls remove with every name listed; safe inside a signal handler if remove is.
void forEachListed(void (*remove)(const char* path));
// Removes every listed file through the installed file system and empties the list: for a
// process that ends at once by a halt or a fatal message.
void removeAll();

}  // namespace PendingRemovals

}  // namespace tallowmere::runtime
