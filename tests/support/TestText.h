#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/files/ErrorState.h"

namespace tallowmere::testing {

// A death test's pattern that matches this text, whole and exactly as written.
std::string wholeText(std::string_view text);

// What an operating-system failure reads as in a message: its text and its number.
std::string systemError(int errnum);
// An operating-system failure for a planted fault: the C library's number and text.
runtime::SystemError systemCause(int errnum);

// What the batch converter says when file cannot be opened, which ends the program.
std::string fatalOpenFailure(const std::string& file, const std::string& errorText);

// What the batch converter says for passes that all ran to their end, or that all found
// nothing to do, in the order given.
std::string passesCompleted(const std::vector<std::string>& operations);
std::string passesWithNoRecords(const std::vector<std::string>& operations);

// The operations of a conversion with every correction, in the order they run.
const std::vector<std::string>& everyPass();

}  // namespace tallowmere::testing
