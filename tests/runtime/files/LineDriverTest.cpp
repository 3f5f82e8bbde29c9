#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "runtime/core/PlatformServices.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/File.h"
#include "runtime/files/LineFileFixture.h"
#include "support/PeakMemory.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::runtime {
namespace {

using testing::readFile;
using testing::writeFile;

class LineDriverTest : public LineFileTest {
 protected:
  // What the file holds after the given records were added to it.
  std::string written(const std::vector<std::string>& records, const std::string& before = "") {
    writeFile(folder / "out.txt", before);
    File file = textFile("out.txt");
    EXPECT_EQ(file.open(), 0);
    for (const std::string& record : records) {
      file.record().assign(record);
      EXPECT_EQ(file.add(), 0);
    }
    EXPECT_EQ(file.close(), 0);
    return readFile(folder / "out.txt");
  }
};

using Lines = std::vector<std::string>;

TEST_F(LineDriverTest, OnlyCarriageReturnLineFeedEndsALine) {
  EXPECT_EQ(readAll("one\r\ntwo\r\n"), (Lines{"one", "two"}));
  EXPECT_EQ(readAll("a\rb\nc\n\rd\r\n"), (Lines{"a\rb\nc\n\rd"}));
  EXPECT_EQ(readAll("last line\r\nno line end"), (Lines{"last line", "no line end"}));
  EXPECT_EQ(readAll(""), Lines{});
  EXPECT_EQ(readAll("first\r\n\r\nthird\r\n"), (Lines{"first", "", "third"}));
  // A carriage return as the file's last byte has no partner and stays in the line.
  EXPECT_EQ(readAll("x\r"), (Lines{"x\r"}));
}

TEST_F(LineDriverTest, AFileWithLineFeedsOnlyIsOneRecordOfItsFirst500Columns) {
  std::string bytes;
  for (int line = 0; line < 100; ++line) bytes += "line " + std::to_string(line) + "\n";
  const Lines lines = readAll(bytes);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], bytes.substr(0, 500));
}

TEST_F(LineDriverTest, LinesAreCutAt500ColumnsAndTheRestSkipped) {
  const std::string exact(500, 'e');
  const std::string longer = std::string(500, 'l') + "X";
  EXPECT_EQ(readAll(exact + "\r\nnext\r\n"), (Lines{exact, "next"}));
  EXPECT_EQ(readAll(longer + "\r\nnext\r\n"), (Lines{std::string(500, 'l'), "next"}));
  EXPECT_EQ(readAll(std::string(5000, 'z') + "\r\nnext"), (Lines{std::string(500, 'z'), "next"}));
}

TEST_F(LineDriverTest, TabsGoToTheNextMultipleOfEightColumns) {
  EXPECT_EQ(readAll("A\tB\r\n"), (Lines{"A       B"}));
  EXPECT_EQ(readAll("\tx\r\n12345678\ty\r\n"), (Lines{"        x", "12345678        y"}));
  // A tab near the end gives only the blanks that still fit; the next text is cut.
  const Lines nearEnd = readAll(std::string(497, 'a') + "\tb\r\nnext\r\n");
  EXPECT_EQ(nearEnd, (Lines{std::string(497, 'a'), "next"}));
  writeFile(folder / "lines.txt", std::string(497, 'a') + "\t\r\n");
  File file = textFile();
  ASSERT_EQ(file.open(OpenMode::ReadOnly), 0);
  ASSERT_EQ(file.next(), 0);
  EXPECT_EQ(file.record().view(), std::string(497, 'a') + "   ");
}

TEST_F(LineDriverTest, ControlZEndsALineAndAtALineStartTheData) {
  EXPECT_EQ(readAll("one\r\ntwo\x1Athree\r\nfour\r\n"), (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(readAll("one\r\n\x1Atwo\r\nthree\r\n"), (Lines{"one"}));
  EXPECT_EQ(readAll("\x1A"), Lines{});
  EXPECT_EQ(readAll("one\r\n\x1A"), (Lines{"one"}));
}

TEST_F(LineDriverTest, AnyOtherByteIsCopiedAsItIs) {
  const std::string odd("\0nul\x7F\x80\xFF\xE9t\xC3\xA9", 11);
  EXPECT_EQ(readAll(odd + "\r\n" + odd), (Lines{odd, odd}));
  EXPECT_EQ(readAll("   leading\r\n"), (Lines{"   leading"}));
}

// Besides its record each read tells the bytes it took, the LFs among them that end no
// line here (lone) and whether one ended it (CR LF), and whether it dropped a character
// past column 500 that writing the line would have kept.
TEST_F(LineDriverTest, EachReadSaysWhatItTookAndWhetherItCutTheLine) {
  using Reads = std::vector<RecordRead>;
  std::string lineFeedsOnly;
  for (int n = 0; n < 64; ++n) lineFeedsOnly += "xxxxxxxxxx\n";
  const std::string full(500, 'f');
  const std::pair<std::string, Reads> cases[] = {
      {"one\r\n" + std::string(600, 'x') + "\r\n\tt\r\nshort",
       {{5, 0, true, false}, {602, 0, true, true}, {4, 0, true, false}, {5, 0, false, false}}},
      {"a\nb\n\r\nx\x1Ay\n", {{6, 2, true, false}, {2, 0, false, false}, {2, 1, false, false}}},
      {lineFeedsOnly, {{704, 64, false, true}}},
      {full + "  \t \r\n" + full + "\n\r\n" + full + "\r",
       {{506, 0, true, false}, {503, 1, true, true}, {501, 0, false, true}}},
      {std::string(497, 'a') + "\t\r\n" + std::string(497, 'a') + "\tb\r\n",
       {{500, 0, true, false}, {501, 0, true, true}}},
      // A control-Z in the rest of a long line ends it; what follows is the next line.
      {std::string(550, 'c') + "\x1Arest\r\n", {{551, 0, false, true}, {6, 0, true, false}}},
  };
  for (const auto& [bytes, expected] : cases) {
    Reads reads;
    readAll(bytes, &reads);
    EXPECT_EQ(reads, expected) << bytes;
  }
}

TEST_F(LineDriverTest, AReadAtTheEndFailsAndKeepsTheRecord) {
  writeFile(folder / "lines.txt", "only\r\n");
  File file = textFile();
  ASSERT_EQ(file.open(OpenMode::ReadOnly), 0);
  ASSERT_EQ(file.next(), 0);
  EXPECT_EQ(file.next(), ErrorCode::RecordNotAvailable);
  EXPECT_EQ(lastError().text, "Record Not Available");
  EXPECT_EQ(file.record().clipped(), "only");
  EXPECT_EQ(file.records(), 0);
  EXPECT_EQ(file.bytes(), 6);
}

TEST_F(LineDriverTest, WrittenLinesLoseTrailingBlanksAndEndInCarriageReturnLineFeed) {
  EXPECT_EQ(written({"kept   ", "", "  lead", std::string(500, 'w')}),
            "kept\r\n\r\n  lead\r\n" + std::string(500, 'w') + "\r\n");
}

TEST_F(LineDriverTest, TheFirstAddOverwritesAControlZThatEndsTheFile) {
  EXPECT_EQ(written({"new", "more"}, "old\r\n\x1A"), "old\r\nnew\r\nmore\r\n");
  // Only a control-Z that is the last byte, and only by the first add.
  EXPECT_EQ(written({"new"}, "old\x1A\r\n"), "old\x1A\r\nnew\r\n");
  writeFile(folder / "out.txt", "");
  File file = textFile("out.txt");
  ASSERT_EQ(file.open(), 0);
  file.record().assign("\x1A");
  ASSERT_EQ(file.add(), 0);
  file.record().assign("after");
  ASSERT_EQ(file.add(), 0);
  ASSERT_EQ(file.close(), 0);
  EXPECT_EQ(readFile(folder / "out.txt"), "\x1A\r\nafter\r\n");
}

TEST_F(LineDriverTest, EmptyTruncatesTheFile) {
  writeFile(folder / "out.txt", std::string(10000, 'o'));
  File file = textFile("out.txt");
  ASSERT_EQ(file.open(), 0);
  ASSERT_EQ(file.empty(), 0);
  file.record().assign("fresh");
  ASSERT_EQ(file.add(), 0);
  ASSERT_EQ(file.close(), 0);
  EXPECT_EQ(readFile(folder / "out.txt"), "fresh\r\n");
}

TEST_F(LineDriverTest, AReadOnlyFileRefusesWrites) {
  writeFile(folder / "lines.txt", "x\r\n");
  File file = textFile();
  ASSERT_EQ(file.open(OpenMode::ReadOnly | OpenMode::DenyNone), 0);
  EXPECT_EQ(file.add(), ErrorCode::AccessDenied);
  EXPECT_EQ(file.empty(), ErrorCode::AccessDenied);
  EXPECT_EQ(readFile(folder / "lines.txt"), "x\r\n");
}

TEST_F(LineDriverTest, OpeningAMissingFileFailsWithFileNotFound) {
  File file = textFile("missing.txt");
  EXPECT_EQ(file.open(), ErrorCode::FileNotFound);
  EXPECT_EQ(lastError().text, "File Not Found");
  EXPECT_FALSE(file.isOpen());
  EXPECT_EQ(file.create(), 0);
  EXPECT_EQ(file.open(), 0);
  EXPECT_EQ(file.open(), ErrorCode::FileAlreadyOpen);
}

TEST_F(LineDriverTest, LinesAddedReachTheFileEvenWhenItIsReadBack) {
  writeFile(folder / "out.txt", "");
  File file = textFile("out.txt");
  ASSERT_EQ(file.open(), 0);
  for (int n = 0; n < 3; ++n) {
    file.record().assign("line " + std::to_string(n));
    ASSERT_EQ(file.add(), 0);
  }
  ASSERT_EQ(file.setStart(), 0);
  ASSERT_EQ(file.next(), 0);
  EXPECT_EQ(file.record().clipped(), "line 0");
  EXPECT_EQ(file.bytes(), 24);
}

// The file system of the next test: one file of a given size made of one repeated byte,
// produced on demand, so that a huge line costs no disk space.
class GeneratedFile : public OsFile {
 public:
  explicit GeneratedFile(std::int64_t size) : size_(size) {}
  int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) override {
    got = offset >= size_
              ? 0
              : static_cast<std::size_t>(std::min<std::int64_t>(capacity, size_ - offset));
    std::fill_n(buffer, got, 'g');
    return 0;
  }
  int writeAt(std::int64_t, const char*, std::size_t) override { return ErrorCode::AccessDenied; }
  int truncate(std::int64_t) override { return ErrorCode::AccessDenied; }
  int size(std::int64_t& bytes) override {
    bytes = size_;
    return 0;
  }
  int sync() override { return 0; }

 private:
  std::int64_t size_;
};

// A file system of one file, which every name opens; only the line driver is under test.
class OneFileSystem : public FileSystem {
 public:
  int create(const std::string&) override { return 0; }
  bool replaceable(const std::string&) override { return false; }
  int replace(const std::string&, const std::string&) override { return 0; }
  int remove(const std::string&) override { return 0; }
};

class GeneratedFileSystem : public OneFileSystem {
 public:
  explicit GeneratedFileSystem(std::int64_t size) : size_(size) {}
  std::unique_ptr<OsFile> open(const std::string&, FileAccess access, FileSharing sharing,
                               int& error) override {
    error = 0;
    lastAccess = access;
    lastSharing = sharing;
    return std::make_unique<GeneratedFile>(size_);
  }

  FileAccess lastAccess = FileAccess::Read;
  FileSharing lastSharing = FileSharing::DenyNone;

 private:
  std::int64_t size_;
};

// A disk that takes no more bytes.
class FullDisk : public OneFileSystem {
  class FullFile : public OsFile {
    int readAt(std::int64_t, char*, std::size_t, std::size_t& got) override {
      got = 0;
      return 0;
    }
    int writeAt(std::int64_t, const char*, std::size_t) override {
      return setError(ErrorCode::OperatingSystemError, tallowmere::testing::systemCause(ENOSPC));
    }
    int truncate(std::int64_t) override { return 0; }
    int size(std::int64_t& bytes) override {
      bytes = 0;
      return 0;
    }
    int sync() override { return 0; }
  };

 public:
  std::unique_ptr<OsFile> open(const std::string&, FileAccess, FileSharing, int& error) override {
    error = 0;
    return std::make_unique<FullFile>();
  }
};

TEST_F(LineDriverTest, AFailedWriteIsReportedByTheAddOrAtTheLatestByTheClose) {
  FullDisk full;
  const ScopedServices installed({.files = &full});
  File few("Few", "few.txt", std::make_unique<LineDriver>());
  ASSERT_EQ(few.open(), 0);
  few.record().assign("buffered");
  EXPECT_EQ(few.add(), 0);
  EXPECT_EQ(few.close(), ErrorCode::OperatingSystemError);
  EXPECT_EQ(lastError().driverCode, std::to_string(ENOSPC));

  File many("Many", "many.txt", std::make_unique<LineDriver>());
  ASSERT_EQ(many.open(), 0);
  many.record().assign(std::string(500, 'm'));
  int failedAt = 0;
  for (int n = 1; n <= 5000 && failedAt == 0; ++n) {
    if (many.add() != 0) failedAt = n;
  }
  EXPECT_GT(failedAt, 0);
  EXPECT_EQ(many.add(), ErrorCode::OperatingSystemError);
  EXPECT_EQ(many.close(), ErrorCode::OperatingSystemError);
}

TEST_F(LineDriverTest, TheOpenModeReachesTheSystemAsAccessAndSharing) {
  GeneratedFileSystem generated(1);
  const ScopedServices installed({.files = &generated});
  const std::pair<unsigned char, FileSharing> modes[] = {
      {OpenMode::ReadOnly, FileSharing::DenyNone},
      {OpenMode::ReadWrite | OpenMode::DenyAll, FileSharing::DenyAll},
      {OpenMode::ReadOnly | OpenMode::DenyWrite, FileSharing::DenyWrite},
      {OpenMode::ReadWrite | OpenMode::DenyRead, FileSharing::DenyRead},
      {OpenMode::ReadWrite | OpenMode::DenyNone, FileSharing::DenyNone}};
  for (const auto& [mode, sharing] : modes) {
    File file("Shared", "shared.txt", std::make_unique<LineDriver>());
    ASSERT_EQ(file.open(mode), 0);
    EXPECT_EQ(generated.lastSharing, sharing) << int(mode);
    EXPECT_EQ(generated.lastAccess,
              mode & OpenMode::AccessMask ? FileAccess::ReadWrite : FileAccess::Read);
  }
}

TEST_F(LineDriverTest, AHundredMegabyteLineIsReadInBoundedMemory) {
  constexpr std::int64_t Size = 100 << 20;
  GeneratedFileSystem generated(Size);
  const ScopedServices installed({.files = &generated});
  const long before = testing::peakResidentKilobytes();
  File file("Huge", "huge.txt", std::make_unique<LineDriver>());
  ASSERT_EQ(file.open(OpenMode::ReadOnly), 0);
  ASSERT_EQ(file.next(), 0);
  EXPECT_EQ(file.record().view(), std::string(500, 'g'));
  EXPECT_EQ(file.lastRead().bytes, static_cast<std::size_t>(Size));
  EXPECT_TRUE(file.lastRead().cut);
  EXPECT_EQ(file.next(), ErrorCode::RecordNotAvailable);
  file.close();
  EXPECT_LT(testing::peakResidentKilobytes() - before, 32 * 1024);
}

}  // namespace
}  // namespace tallowmere::runtime
