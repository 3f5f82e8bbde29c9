#include "support/DriverLines.h"

#include "runtime/core/PlatformServices.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FileDriver.h"
#include "runtime/files/LineDriver.h"

namespace tallowmere::fuzzing {

std::vector<DriverLine> readThroughDriver(const FuzzFile& file) {
  MemoryFileSystem memory(file.bytes, file.chunk);
  runtime::installPlatformServices({.files = &memory});
  // One driver for the whole fuzzing run, reopened per input as the program reopens its
  // files; a fresh one per input would spend most of the time clearing its read block.
  static runtime::LineDriver driver;
  if (driver.open("Import.txa", runtime::OpenMode::ReadOnly | runtime::OpenMode::DenyWrite) !=
      runtime::ErrorCode::NoError)
    broken("open failed");
  if (driver.setStart() != runtime::ErrorCode::NoError) broken("setStart failed");

  std::vector<DriverLine> lines;
  runtime::LineText record;
  int error = runtime::ErrorCode::NoError;
  while ((error = driver.next(record)) == runtime::ErrorCode::NoError) {
    if (driver.lastRead().bytes == 0) broken("a read took no bytes");
    if (lines.size() >= file.bytes.size()) broken("more lines than bytes");
    const runtime::RecordRead& read = driver.lastRead();
    lines.push_back({std::string(record.view()), read.bytes, read.cut, read.lineFeeds()});
  }
  if (error != runtime::ErrorCode::RecordNotAvailable) broken("reading ended with an error");
  if (driver.next(record) != runtime::ErrorCode::RecordNotAvailable)
    broken("a read after the end did not fail");
  driver.close();
  return lines;
}

}  // namespace tallowmere::fuzzing
