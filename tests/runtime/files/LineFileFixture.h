#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "runtime/files/ErrorState.h"
#include "runtime/files/File.h"
#include "runtime/files/LineDriver.h"
#include "support/TempDir.h"

namespace tallowmere::runtime {

// Text files read and written through the line driver, in a folder of the test's own.
class LineFileTest : public ::testing::Test {
 protected:
  File textFile(const std::string& name = "lines.txt") {
    return File("Lines", (folder / name).string(), std::make_unique<LineDriver>());
  }

  // Every record a file of bytes yields, without trailing blanks, and what each read said
  // it took.
  std::vector<std::string> readAll(const std::string& bytes,
                                   std::vector<RecordRead>* reads = nullptr) {
    tallowmere::testing::writeFile(folder / "lines.txt", bytes);
    File file = textFile();
    EXPECT_EQ(file.open(OpenMode::ReadOnly), 0);
    std::vector<std::string> lines;
    while (file.next() == 0) {
      lines.emplace_back(file.record().clipped());
      if (reads) reads->push_back(file.lastRead());
    }
    EXPECT_EQ(lastError().code, ErrorCode::RecordNotAvailable);
    return lines;
  }

  tallowmere::testing::TempDir folder;
};

}  // namespace tallowmere::runtime
