#include "txa/MemDriver.h"

#include <memory>

#include "txa/TxaFiles.h"

namespace tallowmere::txa {

namespace MemAccess {
thread_local FileSynchronizationClass* TXAFile = nullptr;
}  // namespace MemAccess

namespace {
thread_local std::unique_ptr<FileSynchronizationClass> synchroniser;
}  // namespace

void MemDriverInit() {
  synchroniser = std::make_unique<FileSynchronizationClass>();
  synchroniser->Init(TXAFile(), MEMAUX_TXAFile());
  MemAccess::TXAFile = synchroniser.get();
}

void MemDriverKill() {
  if (synchroniser) synchroniser->Kill();
  synchroniser.reset();
  MemAccess::TXAFile = nullptr;
}

}  // namespace tallowmere::txa
