// The line driver's reader over arbitrary bytes: reading ends, every record is a whole
// 500-character field holding no CR LF, and the reads account for no more bytes than
// the file has.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/text/FixedText.h"
#include "support/DriverLines.h"

using tallowmere::fuzzing::broken;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tallowmere::fuzzing::FuzzFile file = tallowmere::fuzzing::splitInput(data, size);
  std::size_t taken = 0;
  for (const auto& line : tallowmere::fuzzing::readThroughDriver(file)) {
    if (line.record.size() != tallowmere::runtime::LineWidth) broken("a record is not 500 wide");
    if (line.record.find("\r\n") != std::string::npos) broken("a record holds CR LF");
    if (line.record.find('\t') != std::string::npos) broken("a record holds a tab");
    if (line.record.find('\x1a') != std::string::npos) broken("a record holds a control-Z");
    taken += line.bytes;
    if (taken > file.bytes.size()) broken("reads took more bytes than the file has");
  }
  return 0;
}
