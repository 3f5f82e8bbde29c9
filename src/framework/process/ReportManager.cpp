#include "framework/process/ReportManager.h"

#include "framework/errors/ErrorClass.h"
#include "framework/process/ProcessClass.h"
#include "framework/process/RecordProcessor.h"
#include "runtime/ui/FrontEnd.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"

namespace tallowmere::framework {

namespace {

constexpr int NoRecords = 25;

// A timer event's target length when nobody waits for the window: about a second.
constexpr std::uint16_t UnattendedTimeSlice = 100;
// A person who presses Cancel expects the window to close within a fifth of a second, and
// a click or key is only taken between two batches: with this slice a batch lasts 0.08 to
// 0.15 seconds, wherever in it the click comes. A timer event of one batch shorter than
// the timer period leaves the window idle for the rest of the period; twice this slice
// would never idle, but its batches of up to 0.3 seconds keep a person waiting too long.
constexpr std::uint16_t AttendedTimeSlice = 10;

std::uint16_t timeSliceForTheScreen() {
  const runtime::FrontEnd* screen = runtime::frontEnd();
  return screen && screen->personAtScreen() ? AttendedTimeSlice : UnattendedTimeSlice;
}

}  // namespace

void ReportManager::Init(ProcessClass& process) {
  UseMRP = 1;
  Process = &process;
  RecordsPerCycle = 1;
  TimeSlice = timeSliceForTheScreen();
  Processors.emplace();
}

void ReportManager::Open() {
  WindowManager::Open();
  if (!DeferOpenReport) OpenReport();
}

Level ReportManager::OpenReport() {
  Process->Reset();
  const Level rval = Next();
  DeferOpenReport = 0;
  if (rval != Level::Benign) {
    OpenFailed = 1;
    TakeNoRecords();
  } else {
    OpenFailed = 0;
  }
  return rval;
}

void ReportManager::TakeNoRecords() {
  if (Errors) Errors->Throw(NoRecords);
}

Level ReportManager::Next() {
  const Level rval = Process->Next(1);
  if (rval == Level::Notify && Process->RecordsProcessed != 0) {
    Response = RequestCompleted;
    PostClose();
    return Level::Notify;
  }
  if (rval == Level::Notify || rval == Level::Fatal) {
    Response = RequestCancelled;
    PostClose();
    return Level::Fatal;
  }
  return Level::Benign;
}

Level ReportManager::TakeWindowEvent() {
  if (MyWindow->currentEvent().event == runtime::Event::Timer) {
    const Level rval = TakeTimer();
    if (rval != Level::Benign) return rval;
  }
  return WindowManager::TakeWindowEvent();
}

Level ReportManager::TakeTimer() {
  if (OpenFailed) return KeepVisible ? Level::Benign : Level::Fatal;
  StartTime = runtime::clock().now();
  return RunBatches(Process->RecordsProcessed);
}

Level ReportManager::RunBatches(std::int64_t startOfCycle) {
  for (;;) {
    if (UseMRP && Process->View->prefetchSize() == 0) {
      Process->View->setPrefetchSize(static_cast<std::size_t>(RecordsPerCycle));
    }
    while (Process->RecordsProcessed - startOfCycle < RecordsPerCycle) {
      const Level rval = TakeRecord();
      if (rval != Level::Benign) return rval;
    }
    const runtime::Hundredths timeTaken = runtime::clock().now() - StartTime;
    if (timeTaken * 5 < TimeSlice * 4) RecordsPerCycle *= 2;
    // Input waiting for the window ends the event with this batch, so that a Cancel is
    // taken at the end of the batch during which it came.
    if (timeTaken * 2 < TimeSlice && !runtime::WindowEngine::current().inputPending()) continue;
    AdaptBatchSize(timeTaken);
    return Level::Benign;
  }
}

void ReportManager::AdaptBatchSize(runtime::Hundredths timeTaken) {
  if (timeTaken * 2 > TimeSlice * 3 && RecordsPerCycle > 1) RecordsPerCycle /= 2;
}

Level ReportManager::TakeRecord() {
  Level rval = Process->TakeRecord();
  if (auto stop = StopAfterStep(rval)) return *stop;
  for (RecordProcessor* processor : *Processors) {
    rval = processor->TakeRecord();
    if (auto stop = StopAfterStep(rval)) return *stop;
  }
  if (Next() != Level::Benign) {
    StopTimer();
    return Level::Notify;
  }
  return rval;
}

std::optional<Level> ReportManager::StopAfterStep(Level rval) {
  if (rval == Level::Fatal) {
    StopTimer();
    PostClose();
    return Level::Notify;
  }
  if (rval == Level::Notify) return Level::Notify;
  return std::nullopt;
}

void ReportManager::StopTimer() {
  if (MyWindow) MyWindow->setTimer(0);
}

Level ReportManager::TakeCloseEvent() {
  Level result = Level::Benign;
  if (!Processors) return result;
  for (RecordProcessor* processor : *Processors) {
    const Level closed = processor->TakeClose();
    if (closed != Level::Benign) result = closed;
  }
  return result;
}

Level ReportManager::Kill() {
  if (Dead || !Process) {
    WindowManager::Kill();
    return Level::Notify;
  }
  Process->Kill();
  Processors.reset();
  return WindowManager::Kill();
}

}  // namespace tallowmere::framework
