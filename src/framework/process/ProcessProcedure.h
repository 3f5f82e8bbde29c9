#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Levels.h"
#include "runtime/files/View.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::framework {

class ErrorClass;
class ProcessClass;
class RelationManager;
class ReportManager;

// What describes one process procedure, besides its per-record step.
struct ProcessParameters {
  std::string ProcedureName;           // pushed on the error reporter's name stack for the run
  RelationManager* Primary = nullptr;  // the file read, record by record, through the view
  std::vector<RelationManager*> FurtherFiles;  // opened by Init and closed by Kill as well
  std::string OperationName;                   // shown above the progress bar
  bool UseMRP = true;  // false: the view's prefetch size does not follow the batch size
  // Init opens, and Kill closes, the primary file first, or the further files first (as
  // the export pass does with its output file).
  bool FurtherFilesFirst = false;
};

// How a run ended, for a caller that has to tell the user what the run left undone.
struct RunOutcome {
  std::uint8_t Response = 0;  // as left in GlobalResponse
  // The user ended the run (Cancel, or closing the window) before its data ended.
  bool Cancelled = false;
  std::int64_t RecordsTaken = 0;  // records the step went through
  // The primary file's record count at the start; 0 when the file cannot tell.
  std::int64_t RecordsToProcess = 0;
};

// A modal progress window that reads every record of the primary file in its stored order
// and hands each to TakeRecord, in timer-driven batches, with a progress bar, a percentage
// text and a Cancel button. Each Run creates the window, ThisWindow (a ReportManager),
// ThisProcess (a ProcessClass) and the view afresh and destroys them before it returns.
//
// A pass derives from it, gives its parameters and overrides TakeRecord; the hooks are
// optional:
//   PrepareRun  runs inside ThisWindow.Init once the window manager is initialised and
//               GlobalRequest and GlobalResponse are cleared, before any file is opened.
//   EndRun      runs once after the scan has ended for whatever reason (end of data,
//               Cancel, a failed step or read, no records at all), while the primary file
//               and the view are still open, so held records can still be put back.
// Inside TakeRecord and the hooks the pass reaches Process_View() (put or delete the
// current record), Record() (the primary file's record buffer), Response()
// (ThisWindow.Response) and Errors() (GlobalErrors).
//
// Example: a pass that upper-cases the first character of every line of a table.
//
//   class Capitalise : public ProcessProcedure {
//    public:
//     explicit Capitalise(RelationManager* table)
//         : ProcessProcedure({"Capitalise", table, {}, "Capitalising", false}) {}
//
//    protected:
//     Level TakeRecord() override {
//       std::string line(Record().clipped());
//       if (line.empty()) return Level::Benign;
//       line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
//       Record().assign(line);
//       if (Process_View().put() == 0) return Level::Benign;
//       Errors().ThrowFile(28, "Process:View");
//       Response() = RequestCompleted;
//       return Level::Fatal;
//     }
//   };
//
//   Capitalise(txa::Relate::TXAFile).Run();  // the response is now in GlobalResponse
class ProcessProcedure {
 public:
  explicit ProcessProcedure(ProcessParameters parameters);
  virtual ~ProcessProcedure();
  ProcessProcedure(const ProcessProcedure&) = delete;
  ProcessProcedure& operator=(const ProcessProcedure&) = delete;

  // The whole procedure. Leaves the response (RequestCompleted or RequestCancelled) in
  // GlobalResponse and returns it.
  std::uint8_t Run();
  // How the last Run ended.
  const RunOutcome& Outcome() const { return outcome_; }

  const ProcessParameters& Parameters() const { return parameters_; }

 protected:
  // The per-record step; its result steers the engine: Benign reads on, Fatal ends the
  // run (the response is what the step left in Response()), Notify ends the current timer
  // event and hands the same record over again at the next one.
  virtual Level TakeRecord() = 0;
  virtual void PrepareRun() {}
  virtual void EndRun() {}

  // Valid only while Run runs.
  runtime::View& Process_View();
  runtime::LineText& Record();
  std::uint8_t& Response();
  ErrorClass& Errors();
  ReportManager& ThisWindow();
  ProcessClass& ThisProcess();
  // The records TakeRecord went through so far in this run: inside TakeRecord, the
  // current record's index.
  std::int64_t RecordsTaken();

 private:
  class WindowClass;
  class ProcessStep;
  struct RunObjects;

  RunObjects& running();
  void NoteOutcome(const RunObjects& objects, std::uint8_t response);

  ProcessParameters parameters_;
  RunOutcome outcome_;
  RunObjects* run_ = nullptr;  // the objects of the run in progress, owned by Run
};

}  // namespace tallowmere::framework
