#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/files/LineFileFixture.h"
#include "runtime/files/LineReader.h"

namespace tallowmere::runtime {
namespace {

using Lines = std::vector<std::string>;

// The line rules the plainest way, one byte at a time, to check the reader's block-wise
// copying against: CR LF ends a line, tabs go to 8-column stops, 500 columns are kept,
// control-Z ends a line and, at the start of one, the data.
Lines byTheRules(const std::string& bytes) {
  Lines lines;
  std::size_t at = 0;
  while (at < bytes.size() && bytes[at] != LineReader::ControlZ) {
    std::string line;
    while (at < bytes.size()) {
      const char c = bytes[at++];
      if (c == LineReader::ControlZ) break;
      if (c == '\r' && at < bytes.size() && bytes[at] == '\n') {
        ++at;
        break;
      }
      const std::size_t blanks = c == '\t' ? 8 - line.size() % 8 : 0;
      if (c == '\t') {
        line.append(std::min(blanks, LineWidth - std::min(line.size(), LineWidth)), ' ');
      } else if (line.size() < LineWidth) {
        line += c;
      }
    }
    lines.emplace_back(clip(line));
  }
  return lines;
}

class LineReaderBlockTest : public LineFileTest {};

// Every kind of byte the rules care about, and runs of plain text long and short, is made
// to fall on the edge of the reader's block in turn.
TEST_F(LineReaderBlockTest, LinesAcrossABlockEdgeReadAsByteByByte) {
  const std::string tail = "plain text of some length\r\nab\tc\rd\ne\r\n" + std::string(600, 'w') +
                           "\tover\r\nx\x1Ay\r\n\t\t\tz   \r\n" + std::string(497, 'p') +
                           "\tq\r\n12345678901234567\r\nend";
  for (std::size_t before = 0; before < 40; ++before) {
    std::string bytes;
    const std::size_t lead = LineReader::BlockSize - before;
    while (bytes.size() + 70 < lead) bytes += std::string(60, 'f') + "\r\n";
    bytes += std::string(lead - bytes.size(), 'g');
    bytes += tail;
    std::size_t taken = 0;
    ASSERT_EQ(readAll(bytes, &taken), byTheRules(bytes)) << before;
    EXPECT_EQ(taken, bytes.size()) << before;
  }
}

TEST_F(LineReaderBlockTest, ControlCharactersAmongPlainTextAreAllSeen) {
  std::string bytes;
  for (int c = 0; c < 32; ++c) {
    if (c == LineReader::ControlZ) continue;
    for (std::size_t at = 0; at < 17; ++at) {
      bytes += std::string(at, 'a') + static_cast<char>(c) + std::string(20, 'b') + "\r\n";
    }
  }
  bytes += std::string(30, '\xFF') + "\x1A" + std::string(9, '\x80') + "\r\n";
  std::size_t taken = 0;
  EXPECT_EQ(readAll(bytes, &taken), byTheRules(bytes));
  EXPECT_EQ(taken, bytes.size());
}

}  // namespace
}  // namespace tallowmere::runtime
