#include "ProcessFixtures.h"

#include <gtest/gtest.h>

#include "framework/errors/GlobalErrors.h"
#include "framework/process/ReportManager.h"
#include "runtime/ui/Window.h"

namespace tallowmere::framework::testing {

std::unique_ptr<ManagedFile> tableWith(const Lines& lines, TableDriver** driver,
                                       const std::string& name) {
  auto table = std::make_unique<TableDriver>();
  table->path_ = name;
  if (driver) *driver = table.get();
  auto managed =
      std::make_unique<ManagedFile>(std::move(table), "TestTable", name, GlobalErrors, 1);
  runtime::File& file = managed->file;
  file.create();
  file.open();
  for (const std::string& line : lines) {
    file.record().assign(line);
    file.add();
  }
  file.close();
  return managed;
}

Lines linesOf(runtime::File& file) {
  Lines lines;
  const bool wasOpen = file.isOpen();
  if (!wasOpen) file.open();
  file.setStart();
  while (file.next() == 0) lines.emplace_back(file.record().clipped());
  if (!wasOpen) file.close();
  return lines;
}

TestPass::TestPass(platform::HeadlessFrontEnd& screen, ManagedFile& primary, Step step,
                   std::vector<RelationManager*> furtherFiles, bool useMRP, bool furtherFilesFirst)
    : ProcessProcedure({"TestPass", &primary.relate, std::move(furtherFiles), "Testing", useMRP,
                        furtherFilesFirst}),
      screen_(screen),
      step_(std::move(step)) {}

Level TestPass::TakeRecord() {
  runtime::Window& window = *ThisWindow().MyWindow;
  calls.push_back({std::string(Record().clipped()), window.timerEvents(),
                   ThisWindow().RecordsPerCycle, window.text(3)});
  screen_.virtualClock().advance(costPerRecord);
  return step_ ? step_(*this, static_cast<int>(calls.size())) : Level::Benign;
}

void TestPass::PrepareRun() {
  if (onPrepare) onPrepare(*this);
}

void TestPass::EndRun() {
  if (onEnd) onEnd(*this);
}

ProcessTest::ProcessTest() {
  GlobalErrors.Init(GlobalErrorStatus);
}

}  // namespace tallowmere::framework::testing
