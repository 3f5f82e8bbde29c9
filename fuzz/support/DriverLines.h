#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/Broken.h"
#include "support/MemoryFileSystem.h"

namespace tallowmere::fuzzing {

struct DriverLine {
  std::string record;  // all of the record buffer
  std::size_t bytes;   // what the driver said the read took
  bool cut;            // and whether it cut the line
  std::uint64_t lineFeeds;
};

// Every line the line driver reads from file, in order. Aborts, so the fuzzer reports it,
// when the driver fails in a way no input may cause: an error other than the end of the
// data, a read that takes no bytes, or more reads than the file has bytes.
std::vector<DriverLine> readThroughDriver(const FuzzFile& file);

// What the line driver targets report a broken property with.
inline constexpr Broken broken{"line driver"};

}  // namespace tallowmere::fuzzing
