#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/files/ManagedFile.h"
#include "framework/files/RelationManager.h"
#include "framework/process/ProcessProcedure.h"
#include "runtime/files/File.h"
#include "runtime/files/MemoryDriver.h"
#include "runtime/ui/FrontEnd.h"
#include "support/headless/HeadlessFrontEnd.h"

namespace tallowmere::framework::testing {

using Lines = std::vector<std::string>;

// A line table that can misreport its size, and notes the options it is sent.
class TableDriver : public runtime::MemoryDriver {
 public:
  std::int64_t records() override { return records_ ? *records_ : MemoryDriver::records(); }
  std::int64_t bytes() override { return bytes_ ? *bytes_ : MemoryDriver::bytes(); }
  void send(std::string_view option) override { sent.emplace_back(option); }
  int open(const std::string& path, unsigned char mode) override {
    if (physical) physical->push_back("open " + path);
    return MemoryDriver::open(path, mode);
  }
  int close() override {
    if (physical) physical->push_back("close " + path_);
    return MemoryDriver::close();
  }

  std::optional<std::int64_t> records_;
  std::optional<std::int64_t> bytes_;
  std::vector<std::string> sent;
  // Where physical opens and closes are noted, when set.
  std::vector<std::string>* physical = nullptr;
  std::string path_;
};

// A line table holding lines.
std::unique_ptr<ManagedFile> tableWith(const Lines& lines, TableDriver** driver = nullptr,
                                       const std::string& name = "TestTable.tps");
Lines linesOf(runtime::File& file);

// One call of the test pass's step.
struct StepCall {
  std::string line;
  long timerEvent = 0;  // timer events the window had had
  std::int64_t recordsPerCycle = 0;
  std::string percentText;
};

// A process procedure whose step is given by the test. Every record costs costPerRecord
// hundredths of the front end's virtual clock.
class TestPass : public ProcessProcedure {
 public:
  using Step = std::function<Level(TestPass&, int call)>;

  TestPass(platform::HeadlessFrontEnd& screen, ManagedFile& primary, Step step = {},
           std::vector<RelationManager*> furtherFiles = {}, bool useMRP = true,
           bool furtherFilesFirst = false);

  runtime::Hundredths costPerRecord = 0;
  std::function<void(TestPass&)> onPrepare;
  std::function<void(TestPass&)> onEnd;
  std::vector<StepCall> calls;

  // The pass's view of the running procedure, for the steps.
  using ProcessProcedure::Process_View;
  using ProcessProcedure::Record;
  using ProcessProcedure::Response;
  using ProcessProcedure::ThisWindow;

 protected:
  Level TakeRecord() override;
  void PrepareRun() override;
  void EndRun() override;

 private:
  platform::HeadlessFrontEnd& screen_;
  Step step_;
};

// Installs a headless front end with a virtual clock and the error reporter for a test.
class ProcessTest : public ::testing::Test {
 protected:
  ProcessTest();

  platform::HeadlessFrontEnd screen;

 private:
  runtime::ScopedFrontEnd installed_{screen};
};

}  // namespace tallowmere::framework::testing
