#include <gtest/gtest.h>

#include "ProcessFixtures.h"
#include "framework/core/Globals.h"
#include "framework/errors/GlobalErrors.h"
#include "framework/process/ProcessClass.h"
#include "framework/process/ProgressWindow.h"
#include "framework/process/ReportManager.h"
#include "runtime/files/LineDriver.h"
#include "runtime/ui/Window.h"
#include "support/TempDir.h"

namespace tallowmere::framework::testing {
namespace {

using platform::atTime;
using platform::inWindow;
using platform::press;

const std::string Caption = "Processing Records";

Lines numbered(int count) {
  Lines lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

Lines linesSeen(const TestPass& pass) {
  Lines seen;
  for (const StepCall& call : pass.calls) seen.push_back(call.line);
  return seen;
}

// A step that marks every line it is given and writes it back.
Level markLine(TestPass& pass, int) {
  pass.Record().assign(std::string(pass.Record().clipped()) + " done");
  return pass.Process_View().put() == 0 ? Level::Benign : Level::Fatal;
}

class ProcessRunTest : public ProcessTest {
 protected:
  const platform::WindowRecord& progress() const {
    const platform::WindowRecord* record = screen.window(Caption);
    EXPECT_NE(record, nullptr);
    return *record;
  }
  std::vector<std::string> percentTexts() const { return progress().textHistory(Progress_PctText); }
};

TEST_F(ProcessRunTest, EmptyFileSaysNoRecordsAndRunsNoStep) {
  auto table = tableWith({});
  TestPass pass(screen, *table);
  GlobalResponse = RequestCompleted;

  EXPECT_EQ(pass.Run(), RequestCancelled);

  EXPECT_EQ(GlobalResponse, RequestCancelled);
  EXPECT_TRUE(pass.calls.empty());
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  EXPECT_EQ(screen.messageBoxes()[0].request.caption, "No Records");
  EXPECT_EQ(screen.messageBoxes()[0].request.text, "There are no records available to process.");
  EXPECT_EQ(percentTexts(), (std::vector<std::string>{"0% Completed"}));
  EXPECT_FALSE(progress().open);
}

TEST_F(ProcessRunTest, OneRecordShowsAllDoneBeforeTheFirstTimerEvent) {
  auto table = tableWith({"only"});
  TestPass pass(screen, *table, markLine);

  EXPECT_EQ(pass.Run(), RequestCompleted);

  ASSERT_EQ(pass.calls.size(), 1u);
  EXPECT_EQ(pass.calls[0].timerEvent, 1);
  EXPECT_EQ(pass.calls[0].percentText, "100% Complete");
  EXPECT_EQ(linesOf(table->file), (Lines{"only done"}));
  EXPECT_TRUE(screen.messageBoxes().empty());
}

TEST_F(ProcessRunTest, PercentageFollowsRecordsInTextAndBar) {
  auto table = tableWith({"a", "b", "c"});
  TestPass pass(screen, *table);

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(linesSeen(pass), (Lines{"a", "b", "c"}));
  EXPECT_EQ(percentTexts(), (std::vector<std::string>{"0% Completed", "33% Complete",
                                                      "66% Complete", "100% Complete"}));
  EXPECT_EQ(progress().valueHistory(Progress_Thermometer), (std::vector<int>{0, 33, 66, 100}));
}

TEST_F(ProcessRunTest, TextFileWithoutRecordCountFollowsTheBytesRead) {
  tallowmere::testing::TempDir folder;
  // 10, 20, 30 and 40 bytes with their line ends: 10%, 30%, 60%, 100% of the file.
  tallowmere::testing::writeFile(folder / "input.txt",
                                 std::string(8, 'a') + "\r\n" + std::string(18, 'b') + "\r\n" +
                                     std::string(28, 'c') + "\r\n" + std::string(38, 'd') + "\r\n");
  ManagedFile input(std::make_unique<runtime::LineDriver>(), "Input",
                    (folder / "input.txt").string(), GlobalErrors, 1);
  TestPass pass(screen, input);

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(pass.calls.size(), 4u);
  EXPECT_EQ(percentTexts(),
            (std::vector<std::string>{"0% Completed", "10% Complete", "30% Complete",
                                      "60% Complete", "100% Complete"}));
}

TEST_F(ProcessRunTest, NoCountAndNoSizeKeepsTheStartText) {
  TableDriver* driver = nullptr;
  auto table = tableWith(numbered(5), &driver);
  driver->records_ = 0;
  driver->bytes_ = 0;
  TestPass pass(screen, *table);

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(pass.calls.size(), 5u);
  EXPECT_EQ(percentTexts(), (std::vector<std::string>{"0% Completed"}));
}

TEST_F(ProcessRunTest, MoreRecordsThanCountedStopsAtOneHundred) {
  TableDriver* driver = nullptr;
  auto table = tableWith(numbered(6), &driver);
  driver->records_ = 2;
  TestPass pass(screen, *table);

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(pass.calls.size(), 6u);
  EXPECT_EQ(percentTexts(),
            (std::vector<std::string>{"0% Completed", "50% Complete", "100% Complete"}));
  EXPECT_EQ(progress().valueHistory(Progress_Thermometer), (std::vector<int>{0, 50, 100}));
}

TEST_F(ProcessRunTest, CancelEndsTheRunWithoutAQuestionAndKeepsWhatWasDone) {
  const int total = 2000;
  auto table = tableWith(numbered(total));
  TestPass pass(screen, *table, markLine);
  pass.costPerRecord = 1;
  screen.script(inWindow(Caption, 3), press(Progress_Cancel));

  EXPECT_EQ(pass.Run(), RequestCancelled);

  EXPECT_EQ(GlobalResponse, RequestCancelled);
  EXPECT_TRUE(screen.messageBoxes().empty());
  EXPECT_EQ(pass.calls.back().timerEvent, 3);
  const std::size_t handled = pass.calls.size();
  ASSERT_GT(handled, 0u);
  ASSERT_LT(handled, static_cast<std::size_t>(total));
  const Lines after = linesOf(table->file);
  ASSERT_EQ(after.size(), static_cast<std::size_t>(total));
  for (std::size_t i = 0; i < after.size(); ++i) {
    const std::string original = "line " + std::to_string(i + 1);
    EXPECT_EQ(after[i], i < handled ? original + " done" : original) << "line " << i + 1;
  }
}

// A Cancel is taken as the batch during which it came ends, not with the rest of the timer
// event. With records of one hundredth the first timer event runs batches of 1, 1, 2, 4, 8,
// 16 and 32 records, so a Cancel at 10 hundredths is taken after record 16. With a person
// at the screen no batch lasts longer than 0.15 s, so that the window is gone within the
// fifth of a second a person allows, whatever a record costs up to that and wherever in a
// batch the Cancel comes.
TEST_F(ProcessRunTest, CancelIsTakenAtTheEndOfTheBatchInWhichItCame) {
  struct Taken {
    std::size_t records;
    runtime::Hundredths after;
  };
  auto cancelAt = [](bool personAtScreen, runtime::Hundredths at, runtime::Hundredths cost) {
    platform::HeadlessFrontEnd screen;
    runtime::ScopedFrontEnd installed(screen);
    screen.setPersonAtScreen(personAtScreen);
    screen.script(atTime(at), press(Progress_Cancel));
    auto table = tableWith(numbered(1000));
    TestPass pass(screen, *table);
    pass.costPerRecord = cost;
    EXPECT_EQ(pass.Run(), RequestCancelled);
    return Taken{pass.calls.size(), screen.clock().now() - at};
  };
  EXPECT_EQ(cancelAt(false, 10, 1).records, 16u);
  for (runtime::Hundredths cost : {1, 3, 7, 15}) {
    for (runtime::Hundredths at = 100; at < 130; ++at) {
      EXPECT_LE(cancelAt(true, at, cost).after, 15)
          << "record cost " << cost << ", Cancel at " << at;
    }
  }
}

// A Cancel that comes during a pass's last batch belongs to that pass, which ends with its
// data: the Cancel goes with its window and never reaches the pass after it.
TEST_F(ProcessRunTest, InputLeftWhenAWindowClosesGoesWithIt) {
  auto table = tableWith(numbered(20));
  TestPass first(screen, *table);
  TestPass second(screen, *table);
  first.costPerRecord = 1;
  second.costPerRecord = 1;
  // Records 17 to 20 are the first pass's last batch.
  screen.script(atTime(18), press(Progress_Cancel));

  EXPECT_EQ(first.Run(), RequestCompleted);
  EXPECT_EQ(second.Run(), RequestCompleted);
  EXPECT_EQ(second.calls.size(), 20u);
  EXPECT_EQ(screen.pendingSteps(), 0u);
}

TEST_F(ProcessRunTest, FatalStepStopsTheReadingAndKeepsTheStepsResponse) {
  auto table = tableWith(numbered(30));
  TestPass pass(screen, *table, [](TestPass& self, int call) {
    if (call < 10) return Level::Benign;
    self.Response() = RequestCompleted;
    return Level::Fatal;
  });

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(pass.calls.size(), 10u);
  EXPECT_EQ(pass.calls.back().line, "line 10");
  // The tenth record was the last one read.
  EXPECT_EQ(percentTexts().back(), "33% Complete");
}

// The timer is stopped whenever the engine itself ends the run; after Cancel it runs on
// until the window closes.
TEST_F(ProcessRunTest, TimerStopsWhenTheEngineEndsTheRun) {
  auto timerAtEnd = [](TestPass& pass) {
    std::vector<int> periods;
    pass.onEnd = [&periods](TestPass& self) {
      periods.push_back(self.ThisWindow().MyWindow->timerPeriod());
    };
    pass.Run();
    return periods;
  };
  auto table = tableWith(numbered(300));
  TestPass completed(screen, *table);
  EXPECT_EQ(timerAtEnd(completed), (std::vector<int>{0}));
  TestPass failed(screen, *table,
                  [](TestPass&, int call) { return call == 2 ? Level::Fatal : Level::Benign; });
  EXPECT_EQ(timerAtEnd(failed), (std::vector<int>{0}));
  TestPass cancelled(screen, *table);
  cancelled.costPerRecord = 1;
  screen.script(inWindow(Caption, 1), press(Progress_Cancel));
  EXPECT_EQ(timerAtEnd(cancelled), (std::vector<int>{10}));
}

TEST_F(ProcessRunTest, FatalStepWithoutResponseIsCancelled) {
  auto table = tableWith(numbered(3));
  TestPass pass(screen, *table, [](TestPass&, int) { return Level::Fatal; });

  EXPECT_EQ(pass.Run(), RequestCancelled);
  EXPECT_EQ(pass.calls.size(), 1u);
}

TEST_F(ProcessRunTest, NotifyHandsTheSameRecordOverAtTheNextTimerEvent) {
  auto table = tableWith({"a", "b"});
  TestPass pass(screen, *table,
                [](TestPass&, int call) { return call == 1 ? Level::Notify : Level::Benign; });

  EXPECT_EQ(pass.Run(), RequestCompleted);

  ASSERT_EQ(linesSeen(pass), (Lines{"a", "a", "b"}));
  EXPECT_EQ(pass.calls[0].timerEvent, 1);
  EXPECT_EQ(pass.calls[1].timerEvent, 2);
}

TEST_F(ProcessRunTest, ReadErrorOnTheFirstRecordReportsItAndNoRecords) {
  auto table = tableWith({"a"});
  table->file.faults().failOn(runtime::FileOperation::Next, 1, 5);
  TestPass pass(screen, *table);

  EXPECT_EQ(pass.Run(), RequestCancelled);

  EXPECT_TRUE(pass.calls.empty());
  ASSERT_EQ(screen.messageBoxes().size(), 2u);
  EXPECT_EQ(screen.messageBoxes()[0].request.caption, "Record Retrieval Error");
  EXPECT_EQ(screen.messageBoxes()[1].request.caption, "No Records");
}

// With free records every batch ends at once, so the batch size doubles until the data
// ends, all within the first timer event: batches of 1, 1, 2, 4, 8 and 16 records take the
// first 32 steps, and the last 8 run in a batch of 64.
TEST_F(ProcessRunTest, BatchesDoubleWithinOneTimerEventWhileRecordsAreCheap) {
  auto table = tableWith(numbered(40));
  TestPass pass(screen, *table);

  EXPECT_EQ(pass.Run(), RequestCompleted);

  std::vector<std::int64_t> sizes;
  for (const StepCall& call : pass.calls) {
    EXPECT_EQ(call.timerEvent, 1);
    if (sizes.empty() || sizes.back() != call.recordsPerCycle)
      sizes.push_back(call.recordsPerCycle);
  }
  EXPECT_EQ(sizes, (std::vector<std::int64_t>{1, 2, 4, 8, 16, 32, 64}));
}

// How many records each timer event handled, in order.
std::vector<int> recordsPerTimerEvent(const TestPass& pass) {
  std::vector<int> counts;
  for (const StepCall& call : pass.calls) {
    if (counts.size() < static_cast<std::size_t>(call.timerEvent)) counts.resize(call.timerEvent);
    ++counts[call.timerEvent - 1];
  }
  return counts;
}

TEST_F(ProcessRunTest, SlowTimerEventHalvesTheBatchTruncated) {
  auto table = tableWith(numbered(12));
  TestPass pass(screen, *table, [](TestPass& self, int call) {
    if (call == 1) self.ThisWindow().RecordsPerCycle = 5;
    return Level::Benign;
  });
  // Five records of 40 take 200 hundredths: over 1.5 seconds, so 5 becomes 2. Two take
  // 80: neither short enough to double nor long enough to halve.
  pass.costPerRecord = 40;

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(recordsPerTimerEvent(pass), (std::vector<int>{5, 2, 2, 2, 1}));
}

TEST_F(ProcessRunTest, SlowSingleRecordsKeepTheBatchAtOne) {
  auto table = tableWith(numbered(3));
  TestPass pass(screen, *table);
  pass.costPerRecord = 200;

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(recordsPerTimerEvent(pass), (std::vector<int>{1, 1, 1}));
  for (const StepCall& call : pass.calls) EXPECT_EQ(call.recordsPerCycle, 1);
}

TEST_F(ProcessRunTest, FilesAndDriverOptionsAcrossARun) {
  TableDriver* driver = nullptr;
  auto table = tableWith({"a", "b"}, &driver);
  auto further = tableWith({});
  std::vector<std::string> seen;
  TestPass pass(screen, *table,
                [&](TestPass& self, int) {
                  seen.push_back(std::to_string(table->access.GetOpened()) + " " +
                                 std::to_string(further->access.GetOpened()) + " " +
                                 std::to_string(self.Process_View().prefetchSize()));
                  return Level::Benign;
                },
                {&further->relate});
  GlobalRequest = 4;

  EXPECT_EQ(pass.Run(), RequestCompleted);

  // The primary file is opened by the window and by the view, the further file by the
  // window only; the view's prefetch follows the first batch size.
  EXPECT_EQ(seen, (std::vector<std::string>{"2 1 1", "2 1 1"}));
  EXPECT_EQ(table->access.GetOpened(), 0);
  EXPECT_EQ(further->access.GetOpened(), 0);
  EXPECT_FALSE(table->file.isOpen());
  EXPECT_FALSE(further->file.isOpen());
  EXPECT_EQ(driver->sent, (std::vector<std::string>{"QUICKSCAN=on", "QUICKSCAN=off"}));
  EXPECT_EQ(GlobalRequest, 0);
}

TEST_F(ProcessRunTest, FilesAreOpenedAndClosedInTheGivenOrder) {
  auto physicalOrder = [this](bool furtherFirst) {
    std::vector<std::string> physical;
    TableDriver* primaryDriver = nullptr;
    TableDriver* furtherDriver = nullptr;
    auto primary = tableWith({"a"}, &primaryDriver, "primary");
    auto further = tableWith({}, &furtherDriver, "further");
    primaryDriver->physical = &physical;
    furtherDriver->physical = &physical;
    TestPass(screen, *primary, {}, {&further->relate}, true, furtherFirst).Run();
    return physical;
  };

  EXPECT_EQ(physicalOrder(false), (std::vector<std::string>{"open primary", "open further",
                                                            "close primary", "close further"}));
  EXPECT_EQ(physicalOrder(true), (std::vector<std::string>{"open further", "open primary",
                                                           "close further", "close primary"}));
}

TEST_F(ProcessRunTest, WithoutMRPThePrefetchIsLeftAlone) {
  auto table = tableWith({"a", "b"});
  std::vector<std::size_t> prefetch;
  TestPass pass(
      screen, *table,
      [&](TestPass& self, int) {
        prefetch.push_back(self.Process_View().prefetchSize());
        return Level::Benign;
      },
      {}, false);

  EXPECT_EQ(pass.Run(), RequestCompleted);
  EXPECT_EQ(prefetch, (std::vector<std::size_t>{0, 0}));
}

TEST_F(ProcessRunTest, HooksRunAroundTheScan) {
  auto table = tableWith({"a", "b"});
  TestPass pass(screen, *table);
  std::vector<std::string> events;
  pass.onPrepare = [&](TestPass&) {
    events.push_back("prepare with response " + std::to_string(GlobalResponse) + ", opened " +
                     std::to_string(table->access.GetOpened()) + ", procedure " +
                     GlobalErrors.GetProcedureName());
  };
  pass.onEnd = [&](TestPass& self) {
    events.push_back("end");
    runtime::LineText held("held");
    EXPECT_EQ(self.Process_View().primaryFile().insertAtScan(held), 0);
  };
  GlobalResponse = RequestCompleted;

  EXPECT_EQ(pass.Run(), RequestCompleted);

  EXPECT_EQ(events, (std::vector<std::string>{
                        "prepare with response 0, opened 0, procedure TestPass", "end"}));
  EXPECT_EQ(linesOf(table->file), (Lines{"a", "b", "held"}));
  EXPECT_EQ(GlobalErrors.GetProcedureName(), "");
}

TEST_F(ProcessRunTest, EndHookRunsAfterCancelAndAfterNoRecords) {
  int ends = 0;
  auto empty = tableWith({});
  TestPass none(screen, *empty);
  none.onEnd = [&](TestPass&) { ++ends; };
  none.Run();
  EXPECT_EQ(ends, 1);

  auto table = tableWith(numbered(500));
  TestPass cancelled(screen, *table);
  cancelled.costPerRecord = 1;
  cancelled.onEnd = [&](TestPass&) { ++ends; };
  screen.script(inWindow(Caption, 1), press(Progress_Cancel));
  EXPECT_EQ(cancelled.Run(), RequestCancelled);
  EXPECT_EQ(ends, 2);
}

TEST_F(ProcessRunTest, ProgressWindowLayout) {
  auto table = tableWith({"a"});
  TestPass pass(screen, *table);
  pass.Run();

  const platform::WindowRecord& window = progress();
  EXPECT_EQ(window.width, 142);
  EXPECT_EQ(window.height, 59);
  EXPECT_EQ(window.font.name, "Tahoma");
  EXPECT_EQ(window.font.size, 10);
  EXPECT_EQ(window.lastText(Progress_UserString), "Testing");
  EXPECT_EQ(window.lastText(Progress_Cancel), "Cancel");

  std::uint8_t thermometer = 0;
  const runtime::WindowDescription description = ProgressWindow(thermometer);
  ASSERT_EQ(description.controls.size(), 4u);
  const runtime::ControlDescription& cancel = description.controls[3];
  EXPECT_EQ(cancel.tip, "Cancel Process");
  EXPECT_EQ((std::vector<int>{cancel.x, cancel.y, cancel.width, cancel.height}),
            (std::vector<int>{46, 42, 49, 15}));
  EXPECT_EQ(description.controls[0].variable, &thermometer);
}

}  // namespace
}  // namespace tallowmere::framework::testing
