#include "framework/process/ProcessProcedure.h"

#include <vector>

#include "framework/core/Assert.h"
#include "framework/core/Globals.h"
#include "framework/errors/GlobalErrors.h"
#include "framework/files/FileManager.h"
#include "framework/files/RelationManager.h"
#include "framework/process/ProcessClass.h"
#include "framework/process/ProgressWindow.h"
#include "framework/process/ReportManager.h"
#include "runtime/ui/Window.h"

namespace tallowmere::framework {

namespace {

constexpr int TimerPeriod = 10;

}  // namespace

// ThisProcess: the pass's step behind the engine's TakeRecord.
class ProcessProcedure::ProcessStep : public ProcessClass {
 public:
  explicit ProcessStep(ProcessProcedure& procedure) : procedure_(procedure) {}

  Level TakeRecord() override {
    Level rval = ProcessClass::TakeRecord();
    if (rval != Level::Benign) return rval;
    rval = procedure_.TakeRecord();
    if (rval == Level::Benign) ++RecordsTaken;
    return rval;
  }

  std::int64_t RecordsTaken = 0;

 private:
  ProcessProcedure& procedure_;
};

// ThisWindow: the set-up and teardown every process procedure shares.
class ProcessProcedure::WindowClass : public ReportManager {
 public:
  WindowClass(ProcessProcedure& procedure, RunObjects& run) : procedure_(procedure), run_(run) {}

  Level Init() override;
  Level Kill() override;

 private:
  // Every file Init opens and Kill closes, in the order of both.
  std::vector<RelationManager*> FilesInOrder() const;
  void OpenFiles();
  void CloseFiles();
  void EndRunOnce();

  ProcessProcedure& procedure_;
  RunObjects& run_;
};

struct ProcessProcedure::RunObjects {
  explicit RunObjects(ProcessProcedure& procedure)
      : window(ProgressWindow(thermometer)),
        view(*procedure.parameters_.Primary->Me->File),
        thisWindow(procedure, *this),
        thisProcess(procedure) {}

  // The bar's value, bound to the control Progress_Thermometer.
  std::uint8_t thermometer = 0;
  runtime::Window window;
  runtime::View view;
  WindowClass thisWindow;
  ProcessStep thisProcess;
};

Level ProcessProcedure::WindowClass::Init() {
  const ProcessParameters& parameters = procedure_.parameters_;
  GlobalErrors.SetProcedureName(parameters.ProcedureName);
  Request = GlobalRequest;
  const Level rval = ReportManager::Init();
  if (rval != Level::Benign) return rval;
  FirstField = Progress_Thermometer;
  VCRRequest = &framework::VCRRequest;
  Errors = &GlobalErrors;
  GlobalRequest = 0;
  GlobalResponse = 0;
  procedure_.PrepareRun();
  OpenFiles();
  Open(run_.window);
  run_.window.setTimer(TimerPeriod);
  run_.thisProcess.Init(run_.view, *parameters.Primary, Progress_PctText, &run_.thermometer, 0);
  run_.thisProcess.AddSortOrder();
  run_.window.setCaption("Processing Records");
  run_.window.setText(Progress_PctText, "0% Completed");
  ReportManager::Init(run_.thisProcess);
  if (!parameters.UseMRP) SetUseMRP(0);
  run_.window.setText(Progress_UserString, parameters.OperationName);
  AddItem(Progress_Cancel, RequestCancelled);
  run_.view.primaryFile().send("QUICKSCAN=on");
  SetAlerts();
  return Level::Benign;
}

std::vector<RelationManager*> ProcessProcedure::WindowClass::FilesInOrder() const {
  const ProcessParameters& parameters = procedure_.parameters_;
  std::vector<RelationManager*> files = parameters.FurtherFiles;
  files.insert(parameters.FurtherFilesFirst ? files.end() : files.begin(), parameters.Primary);
  return files;
}

// Failures of these opens have been reported already; a fatal one has ended the program.
void ProcessProcedure::WindowClass::OpenFiles() {
  for (RelationManager* file : FilesInOrder()) file->Open();
  FilesOpened = 1;
}

void ProcessProcedure::WindowClass::CloseFiles() {
  for (RelationManager* file : FilesInOrder()) file->Close();
}

void ProcessProcedure::WindowClass::EndRunOnce() {
  // The Kill that follows always kills ThisProcess, so a later Kill finds it killed.
  if (!run_.thisProcess.Inited || run_.thisProcess.Killed) return;
  procedure_.EndRun();
}

Level ProcessProcedure::WindowClass::Kill() {
  EndRunOnce();
  const Level rval = ReportManager::Kill();
  if (rval != Level::Benign) return rval;
  if (FilesOpened) {
    CloseFiles();
    GlobalErrors.SetProcedureName();
  }
  return rval;
}

ProcessProcedure::ProcessProcedure(ProcessParameters parameters)
    : parameters_(std::move(parameters)) {
  frameworkAssert(parameters_.Primary != nullptr && parameters_.Primary->Me != nullptr &&
                      parameters_.Primary->Me->File != nullptr,
                  "Process procedure has no primary file");
}

ProcessProcedure::~ProcessProcedure() = default;

std::uint8_t ProcessProcedure::Run() {
  RunObjects objects(*this);
  run_ = &objects;
  const std::uint8_t response = objects.thisWindow.Run();
  GlobalResponse = response;
  run_ = nullptr;
  NoteOutcome(objects, response);
  return response;
}

void ProcessProcedure::NoteOutcome(const RunObjects& objects, std::uint8_t response) {
  outcome_.Response = response;
  // The engine stops the timer whenever it ends the run itself (end of data, a failed step
  // or read); a run that opened and still has its timer was ended by the user.
  outcome_.Cancelled = !objects.thisWindow.OpenFailed && objects.window.timerPeriod() != 0;
  outcome_.RecordsTaken = objects.thisProcess.RecordsTaken;
  outcome_.RecordsToProcess = objects.thisProcess.RecordsToProcess;
}

ProcessProcedure::RunObjects& ProcessProcedure::running() {
  frameworkAssert(run_ != nullptr, "Process procedure is not running");
  return *run_;
}

runtime::View& ProcessProcedure::Process_View() {
  return running().view;
}

runtime::LineText& ProcessProcedure::Record() {
  return running().view.primaryFile().record();
}

std::uint8_t& ProcessProcedure::Response() {
  return running().thisWindow.Response;
}

ErrorClass& ProcessProcedure::Errors() {
  return GlobalErrors;
}

ReportManager& ProcessProcedure::ThisWindow() {
  return running().thisWindow;
}

ProcessClass& ProcessProcedure::ThisProcess() {
  return running().thisProcess;
}

std::int64_t ProcessProcedure::RecordsTaken() {
  return running().thisProcess.RecordsTaken;
}

}  // namespace tallowmere::framework
