#include "txa/EmptyLineTable.h"

#include "runtime/files/FileDriver.h"
#include "txa/TxaFiles.h"

namespace tallowmere::txa {

void emptyLineTable() {
  runtime::File& table = TXAFile();
  if (table.open(runtime::OpenMode::ReadWrite | runtime::OpenMode::DenyAll) != 0) return;
  table.empty();
  table.close();
}

}  // namespace tallowmere::txa
