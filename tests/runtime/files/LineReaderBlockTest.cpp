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
// control-Z ends a line and, at the start of one, the data. Each read's account goes into
// reads.
Lines byTheRules(const std::string& bytes, std::vector<RecordRead>& reads) {
  Lines lines;
  std::size_t at = 0;
  while (at < bytes.size() && bytes[at] != LineReader::ControlZ) {
    std::string line;
    RecordRead read;
    const std::size_t start = at;
    while (at < bytes.size()) {
      const char c = bytes[at++];
      if (c == LineReader::ControlZ) break;
      if (c == '\r' && at < bytes.size() && bytes[at] == '\n') {
        ++at;
        read.endsInCrLf = true;
        break;
      }
      if (c == '\n') ++read.loneLineFeeds;
      if (line.size() >= LineWidth && c != ' ' && c != '\t') read.cut = true;
      const std::size_t blanks = c == '\t' ? 8 - line.size() % 8 : 0;
      if (c == '\t') {
        line.append(std::min(blanks, LineWidth - std::min(line.size(), LineWidth)), ' ');
      } else if (line.size() < LineWidth) {
        line += c;
      }
    }
    read.bytes = at - start;
    reads.push_back(read);
    lines.emplace_back(clip(line));
  }
  return lines;
}

class LineReaderBlockTest : public LineFileTest {};

// Every kind of byte the rules care about, and runs of plain text long and short, is made
// to fall on the edge of the reader's block in turn, within a line and within the rest of
// a line past its last column.
TEST_F(LineReaderBlockTest, LinesAcrossABlockEdgeReadAsByteByByte) {
  const std::string tail = "plain text of some length\r\nab\tc\rd\ne\r\n" + std::string(600, 'w') +
                           "\tover\r\nx\x1Ay\r\n\t\t\tz   \r\n" + std::string(497, 'p') +
                           "\tq\r\n12345678901234567\r\nend";
  // The line of g's before the tail is short, or long enough to be cut before the edge.
  for (const std::size_t run : {70, 600}) {
    for (std::size_t before = 0; before < 40; ++before) {
      std::string bytes;
      const std::size_t lead = LineReader::BlockSize - before;
      while (bytes.size() + run < lead) bytes += std::string(60, 'f') + "\r\n";
      bytes += std::string(lead - bytes.size(), 'g');
      bytes += tail;
      std::vector<RecordRead> reads;
      std::vector<RecordRead> expected;
      ASSERT_EQ(readAll(bytes, &reads), byTheRules(bytes, expected)) << run << " " << before;
      EXPECT_EQ(reads, expected) << run << " " << before;
    }
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
  std::vector<RecordRead> reads;
  std::vector<RecordRead> expected;
  EXPECT_EQ(readAll(bytes, &reads), byTheRules(bytes, expected));
  EXPECT_EQ(reads, expected);
}

}  // namespace
}  // namespace tallowmere::runtime
