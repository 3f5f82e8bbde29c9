#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "framework/errors/ErrorClass.h"
#include "framework/files/FileManager.h"
#include "framework/files/RelationManager.h"
#include "runtime/files/File.h"

namespace tallowmere::framework::testing {

// A file manager completing its settings on first use, as the dictionary's managers do.
class TestFileManager : public FileManager {
 public:
  TestFileManager(runtime::File& file, ErrorClass& errors, std::uint8_t create) : create_(create) {
    Buffer = &file.record();
    FileNameValue = file.label();
    SetErrors(errors);
    File = &file;
  }

  Level UseFile(std::uint8_t useType) override {
    if (useType != UseType::Initialise) {
      UseFile(UseType::Initialise);
    } else if (!Initialized) {
      InUseFile = 1;
      Init(*File, *Errors);
      Create = create_;
    }
    return FileManager::UseFile(useType);
  }

 private:
  std::uint8_t create_;
};

// One file with its two managers, registered while it lives.
struct ManagedFile {
  ManagedFile(std::unique_ptr<runtime::FileDriver> driver, const std::string& label,
              const std::string& name, ErrorClass& errors, std::uint8_t create)
      : file(label, name, std::move(driver)), access(file, errors, create) {
    access.Init();
    relate.Init(access, 1);
  }
  ~ManagedFile() { relate.Kill(); }

  runtime::File file;
  TestFileManager access;
  RelationManager relate;
};

}  // namespace tallowmere::framework::testing
