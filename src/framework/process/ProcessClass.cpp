#include "framework/process/ProcessClass.h"

#include <string>

#include "framework/files/FileManager.h"
#include "framework/files/RelationManager.h"
#include "framework/process/StepClass.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"

namespace tallowmere::framework {

ProcessClass::~ProcessClass() {
  if (Inited && !Killed) ProcessClass::Kill();
}

void ProcessClass::Init(runtime::View& view, RelationManager& primary, std::int32_t progressText,
                        std::uint8_t* percentProgress, std::int64_t guessRecords) {
  Percentile = percentProgress;
  if (Percentile) *Percentile = 0;
  RecordsToProcess = guessRecords;
  PText = progressText;
  ViewManager::Init(view, primary);
}

void ProcessClass::Kill() {
  if (!Inited || Killed) return;
  Percentile = nullptr;
  Primary->SetQuickScan(0, 1);
  if (StepMgr) StepMgr->Kill();
  ViewManager::Kill();
}

void ProcessClass::Reset() {
  RecordsProcessed = 0;
  if (!StepMgr && RecordsToProcess == 0) {
    FileManager& manager = *Primary->Me;
    manager.UseFile(UseType::Uses);
    RecordsToProcess = manager.File->records();
    if (RecordsToProcess == 0) FileSize = manager.File->bytes();
  }
  ChildRead = 0;
  ViewManager::Reset(0);
}

Level ProcessClass::Next(std::uint8_t processRecords) {
  const Level rval = ViewManager::Next();
  if (rval == Level::Benign && processRecords) {
    if (FileSize != 0) BytesRead += static_cast<std::int64_t>(View->lastRead().bytes);
    ++RecordsProcessed;
    if (Percentile) UpdatePercentile();
  }
  return rval;
}

void ProcessClass::UpdatePercentile() {
  const std::uint8_t percentage = FileSize != 0
                                      ? percent_.percentOf(BytesRead, FileSize)
                                      : percent_.percentOf(RecordsProcessed, RecordsToProcess);
  if (percentage == *Percentile) return;
  *Percentile = percentage;
  UpdateDisplay();
}

void ProcessClass::UpdateDisplay() {
  runtime::WindowEngine& engine = runtime::WindowEngine::current();
  runtime::Window* window = engine.active();
  if (!window || !Percentile) return;
  window->setText(PText, runtime::decimal(*Percentile) + "% Complete");
  engine.display(*window);
}

}  // namespace tallowmere::framework
