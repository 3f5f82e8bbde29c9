#include "txa/TxaFiles.h"

#include <memory>

#include "runtime/core/PerThread.h"
#include "runtime/files/LineDriver.h"
#include "runtime/files/MemoryDriver.h"
#include "txa/Dictionary.h"

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

namespace {

// The window names another file for its next conversion while the managers live on.
void rename(runtime::File& file, framework::FileManager* manager, std::string path) {
  if (manager != nullptr) manager->FileNameValue = path;
  file.setName(std::move(path));
}

}  // namespace

void setImportName(std::string path) {
  rename(ImportFile(), Access::ImportFile, std::move(path));
}

void setExportName(std::string path) {
  rename(ExportFile(), Access::ExportFile, std::move(path));
}

}  // namespace tallowmere::txa
