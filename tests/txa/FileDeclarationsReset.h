#pragma once

#include <initializer_list>

#include "runtime/files/File.h"
#include "txa/TxaFiles.h"

namespace tallowmere::txa::testing {

// The file declarations belong to the thread and outlive each test, so whatever a test
// changed on them (planned faults, an open, the names) is put back afterwards.
inline void resetFileDeclarations() {
  for (runtime::File* file : {&ImportFile(), &TXAFile(), &MEMAUX_TXAFile(), &ExportFile()}) {
    file->faults().clear();
    if (file->isOpen()) file->close();
  }
  setImportName(DefaultImportName);
  setExportName(DefaultExportName);
}

}  // namespace tallowmere::txa::testing
