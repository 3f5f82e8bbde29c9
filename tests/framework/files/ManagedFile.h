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

// A file manager of the framework, fully initialised at once. The dictionary's own managers
// complete their settings on first use instead; that is theirs to test.
class TestFileManager : public FileManager {
 public:
  TestFileManager(runtime::File& file, ErrorClass& errors, std::uint8_t create) {
    File = &file;
    SetErrors(errors);  // the registry takes its reporter from the manager registered
    FileManager::Init();
    FileManager::Init(file, errors);
    Create = create;
  }
};

// One file with its two managers, registered while it lives.
struct ManagedFile {
  ManagedFile(std::unique_ptr<runtime::FileDriver> driver, const std::string& label,
              const std::string& name, ErrorClass& errors, std::uint8_t create)
      : file(label, name, std::move(driver)), access(file, errors, create) {
    relate.Init(access, 1);
  }
  ~ManagedFile() { relate.Kill(); }

  runtime::File file;
  TestFileManager access;
  RelationManager relate;
};

}  // namespace tallowmere::framework::testing
