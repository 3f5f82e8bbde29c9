#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/MemoryFileSystem.h"

namespace tallowmere::fuzzing {

struct DriverLine {
  std::string record;  // all of the record buffer
  std::size_t bytes;   // what the driver said the read took
};

// Every line the line driver reads from file, in order. Aborts, so the fuzzer reports it,
// when the driver fails in a way no input may cause: an error other than the end of the
// data, a read that takes no bytes, or more reads than the file has bytes.
std::vector<DriverLine> readThroughDriver(const FuzzFile& file);

// Aborts with a message naming the broken property.
[[noreturn]] void broken(const char* property);

}  // namespace tallowmere::fuzzing
