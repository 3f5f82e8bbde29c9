#include "app/Program.h"

#include "app/GlobalObjects.h"
#include "framework/core/Globals.h"
#include "framework/errors/GlobalErrors.h"
#include "txa/Dictionary.h"
#include "txa/MemDriver.h"

namespace tallowmere::app {

namespace {

// The main thread's objects: the synchroniser exists while this lives. The dictionary's
// managers of another thread would be made here too; this program has no other thread.
class MainThreadObjects {
 public:
  MainThreadObjects() {
    txa::MemDriverInit();
    framework::GlobalRequest = 0;
    framework::GlobalResponse = 0;
    framework::VCRRequest = 0;
  }
  ~MainThreadObjects() {
    txa::DctKill();
    txa::MemDriverKill();
    for (runtime::File* file : {&txa::ExportFile(), &txa::TXAFile(), &txa::MEMAUX_TXAFile(),
                                &txa::ImportFile()}) {
      if (file->isOpen()) file->close();
    }
  }
  MainThreadObjects(const MainThreadObjects&) = delete;
  MainThreadObjects& operator=(const MainThreadObjects&) = delete;
};

}  // namespace

void RunProgram(const std::function<void()>& body) {
  MainThreadObjects thread;
  framework::GlobalErrors.Init(framework::GlobalErrorStatus);
  INIMgr.Init("Tallowmere.INI", 0, 0);
  txa::DctInit();
  txa::MemAccess::TXAFile->Load();
  body();
  INIMgr.Update();
  INIMgr.Kill();
}

}  // namespace tallowmere::app
