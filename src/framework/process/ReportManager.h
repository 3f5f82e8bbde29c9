#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/windows/WindowManager.h"
#include "runtime/ui/Clock.h"

namespace tallowmere::framework {

class ProcessClass;
class RecordProcessor;

// A window manager that drives a ProcessClass from its window's timer: the first record is
// read when the window opens, then each timer event hands records to the step in batches
// sized by elapsed time, until the data ends, a step or a read fails, or the user cancels.
// The outcome becomes the window's response. Printed output is not provided: no process
// of this system prints.
class ReportManager : public WindowManager {
 public:
  using WindowManager::Init;
  void Init(ProcessClass& process);
  Level Kill() override;
  using WindowManager::Open;
  void Open() override;
  Level TakeCloseEvent() override;
  Level TakeWindowEvent() override;

  void SetUseMRP(std::uint8_t useMRP) { UseMRP = useMRP; }
  std::uint8_t GetUseMRP() const { return UseMRP; }
  // Reads the first record; anything but Benign means there is nothing to process.
  virtual Level OpenReport();
  // Reads the next record and decides the response when the data has ended or failed.
  virtual Level Next();
  // Hands the current record to the step (and the further processors), then reads on.
  virtual Level TakeRecord();
  virtual void TakeNoRecords();

  std::uint8_t DeferOpenReport = 0;
  std::uint16_t DeferWindow = 0;
  std::uint8_t KeepVisible = 0;
  std::uint8_t OpenFailed = 0;
  std::optional<std::vector<RecordProcessor*>> Processors;
  ProcessClass* Process = nullptr;
  std::int64_t RecordsPerCycle = 0;
  std::int32_t QueryControl = 0;
  runtime::Hundredths StartTime = 0;  // when the current timer event began
  std::uint16_t TimeSlice = 0;
  std::uint8_t WaitCursor = 0;
  std::uint8_t UseMRP = 0;

 private:
  Level TakeTimer();
  // Runs batches until the time slice calls for a pause; anything but Benign ends the event.
  Level RunBatches(std::int64_t startOfCycle);
  void AdaptBatchSize(runtime::Hundredths timeTaken);
  // What a step's result means for the batch: nothing when the batch goes on.
  std::optional<Level> StopAfterStep(Level rval);
  void StopTimer();
};

}  // namespace tallowmere::framework
