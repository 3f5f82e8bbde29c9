#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/errors/ErrorClass.h"
#include "framework/errors/ErrorStatusClass.h"
#include "framework/files/ManagedFile.h"
#include "runtime/files/MemoryDriver.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

namespace tallowmere::framework::testing {

// A table in memory that counts its physical opens and keeps the options sent to it. It
// can also fill a record buffer on open, the way some drivers do, so that the manager's
// promise to leave the caller's record alone can be seen to hold.
class CountingDriver : public runtime::MemoryDriver {
 public:
  int open(const std::string& path, unsigned char mode) override {
    ++opens;
    if (scribble) scribble->assign("written by the driver's open");
    return runtime::MemoryDriver::open(path, mode);
  }
  void send(std::string_view option) override { sent.emplace_back(option); }

  int opens = 0;
  std::vector<std::string> sent;
  runtime::LineText* scribble = nullptr;
};

class FileManagerTest : public ::testing::Test {
 protected:
  FileManagerTest() { errors.Init(status); }

  // A table that exists (unless told otherwise) and is reached through counting drivers.
  std::unique_ptr<ManagedFile> table(const std::string& label = "Table", bool exists = true) {
    auto driver = std::make_unique<CountingDriver>();
    if (exists) driver->create("");
    return std::make_unique<ManagedFile>(std::move(driver), label, label + ".tps", errors, 1);
  }
  CountingDriver& driverOf(ManagedFile& managed) {
    return static_cast<CountingDriver&>(managed.file.driver());
  }

  ErrorStatusClass status;
  ErrorClass errors;
  tallowmere::testing::RecordingMessageBox boxes;
  tallowmere::testing::TempDir folder;
};

}  // namespace tallowmere::framework::testing
