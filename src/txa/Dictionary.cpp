#include "txa/Dictionary.h"

#include <memory>

#include "framework/files/FilesManager.h"

namespace tallowmere::txa {

namespace Access {
thread_local framework::FileManager* ImportFile = nullptr;
thread_local framework::FileManager* TXAFile = nullptr;
thread_local framework::FileManager* ExportFile = nullptr;
}  // namespace Access

namespace Relate {
thread_local framework::RelationManager* ImportFile = nullptr;
thread_local framework::RelationManager* TXAFile = nullptr;
thread_local framework::RelationManager* ExportFile = nullptr;
}  // namespace Relate

namespace {

// One file's two managers; each sets its global reference in its Init and clears it in its
// Kill. The relation manager goes first: its Kill reaches the file manager.
template <typename Settings>
struct ManagerPair {
  std::unique_ptr<HideAccess<Settings>> access;
  std::unique_ptr<HideRelate<Settings>> relate;

  // A pair still alive from an earlier start-up goes first, the way DctKill takes it.
  void create() {
    kill();
    access = std::make_unique<HideAccess<Settings>>();
    relate = std::make_unique<HideRelate<Settings>>();
  }
  void init() { relate->Init(*access); }
  void kill() {
    if (relate) relate->Kill();
    relate.reset();
    access.reset();
  }
};

struct Managers {
  // Managers left alive at thread exit still reach the registry and the files in their
  // Kill, so those must be made first: thread-local objects go in reverse order of making.
  Managers() {
    framework::filesManager();
    ImportFile();
    TXAFile();
    ExportFile();
  }

  ManagerPair<ImportFileSettings> importFile;
  ManagerPair<TXAFileSettings> txaFile;
  ManagerPair<ExportFileSettings> exportFile;
};

thread_local Managers managers;

}  // namespace

void DctInit() {
  managers.importFile.create();
  managers.txaFile.create();
  managers.exportFile.create();
  managers.importFile.init();
  managers.txaFile.init();
  managers.exportFile.init();
}

void DctKill() {
  managers.importFile.kill();
  managers.txaFile.kill();
  managers.exportFile.kill();
}

}  // namespace tallowmere::txa
