#pragma once

#include "txa/FileSynchronizationClass.h"

namespace tallowmere::txa {

// The line table's synchroniser, between MemDriverInit and MemDriverKill.
namespace MemAccess {
extern thread_local FileSynchronizationClass* TXAFile;
}  // namespace MemAccess

// Creates the synchroniser over TXAFile and its backing file MEMAUX_TXAFile.
void MemDriverInit();
// Kills and destroys it; nothing is written to the backing file.
void MemDriverKill();

}  // namespace tallowmere::txa
