#pragma once

#include <cstdint>

#include "framework/process/PercentCache.h"
#include "framework/process/ViewManager.h"

namespace tallowmere::framework {

class StepClass;

// Reads a process's records through its view, counts them and keeps the progress
// percentage: by bytes read when the file reports no record count, else by records. A
// pass overrides TakeRecord, its per-record step.
class ProcessClass : public ViewManager {
 public:
  ~ProcessClass() override;

  // progressText is the control showing the percentage; percentProgress the variable
  // behind the progress bar; guessRecords a record count known in advance (0: ask the file).
  void Init(runtime::View& view, RelationManager& primary, std::int32_t progressText = 0,
            std::uint8_t* percentProgress = nullptr, std::int64_t guessRecords = 0);
  void Kill() override;
  using ViewManager::Reset;
  void Reset() override;
  using ViewManager::Next;
  // Reads the next record; with processRecords, counts it and updates the percentage.
  virtual Level Next(std::uint8_t processRecords);
  // The per-record step, with the record in the primary file's buffer.
  virtual Level TakeRecord() { return Level::Benign; }
  // Shows the current percentage in the PText control and redraws the window.
  virtual void UpdateDisplay();

  std::int64_t BytesRead = 0;
  std::int64_t FileSize = 0;
  std::uint8_t ChildRead = 0;
  std::uint8_t ChildEOF = 0;
  std::uint8_t* Percentile = nullptr;
  std::int32_t PText = 0;
  std::int64_t RecordsProcessed = 0;
  std::int64_t RecordsToProcess = 0;
  StepClass* StepMgr = nullptr;
  std::uint8_t CaseSensitiveValue = 0;

 private:
  void UpdatePercentile();

  PercentCache percent_;
};

}  // namespace tallowmere::framework
