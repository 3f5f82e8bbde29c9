#pragma once

#include <memory>

#include "runtime/files/ExitHooks.h"
#include "runtime/files/FileDriver.h"
#include "runtime/files/FileSystem.h"
#include "runtime/files/LineReader.h"
#include "runtime/files/LineWriter.h"

namespace tallowmere::runtime {

// The line driver of the text files: reads lines by the line rules, appends records
// without their trailing blanks and with CR LF. Text files have no record count and no
// current record to rewrite or delete; options such as "QUICKSCAN=" change nothing.
class LineDriver : public FileDriver {
 public:
  LineDriver() = default;
  LineDriver(const LineDriver&) = delete;
  LineDriver& operator=(const LineDriver&) = delete;
  ~LineDriver() override;

  std::string_view driverName() const override { return "ASCII"; }

  int open(const std::string& path, unsigned char mode) override;
  int create(const std::string& path) override;
  int close() override;
  bool isOpen() const override { return file_ != nullptr; }
  int empty() override;
  int add(const LineText& record) override;
  int flush() override;

  int setStart() override;
  int next(LineText& record) override;
  int put(const LineText& record) override;
  int remove() override;
  int insertAtScan(const LineText& record) override;

  std::int64_t records() override { return 0; }
  std::int64_t bytes() override;

 private:
  // The first append after an open overwrites a control-Z that ends the file.
  int dropTrailingControlZ();

  std::unique_ptr<OsFile> file_;
  bool appendedSinceOpen_ = false;
  LineReader reader_;
  LineWriter writer_;
  ExitHooks::Token flushHook_ = 0;
};

}  // namespace tallowmere::runtime
