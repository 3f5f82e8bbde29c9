#include "txa/TxaFiles.h"

#include <memory>

#include "runtime/core/PerThread.h"
#include "runtime/files/LineDriver.h"
#include "runtime/files/MemoryDriver.h"

namespace tallowmere::txa {

runtime::File& ImportFile() {
  return runtime::perThread([] {
    thread_local runtime::File file("ImportFile", DefaultImportName,
                                    std::make_unique<runtime::LineDriver>());
    return &file;
  });
}

runtime::File& TXAFile() {
  return runtime::perThread([] {
    thread_local runtime::File file("TXAFile", TableName,
                                    std::make_unique<runtime::MemoryDriver>());
    return &file;
  });
}

runtime::File& MEMAUX_TXAFile() {
  return runtime::perThread([] {
    thread_local runtime::File file("MEMAUX_TXAFile", TableName,
                                    std::make_unique<runtime::LineDriver>());
    return &file;
  });
}

runtime::File& ExportFile() {
  return runtime::perThread([] {
    thread_local runtime::File file("ExportFile", DefaultExportName,
                                    std::make_unique<runtime::LineDriver>());
    return &file;
  });
}

void setImportName(std::string path) {
  ImportFile().setName(std::move(path));
}

void setExportName(std::string path) {
  ExportFile().setName(std::move(path));
}

}  // namespace tallowmere::txa
