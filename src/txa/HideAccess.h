#pragma once

#include <cstdint>

#include "framework/errors/GlobalErrors.h"
#include "framework/files/FileManager.h"

namespace tallowmere::txa {

// The file manager of one dictionary file. Settings gives the file, the label messages
// show until the first use, the constants set on that first use and the global reference
// that points at the manager while it lives.
template <typename Settings>
class HideAccess : public framework::FileManager {
 public:
  using framework::FileManager::Init;

  void Init() override {
    Initialized = 0;
    runtime::File& file = Settings::file();
    Buffer = &file.record();
    FileNameValue = Settings::Label;
    SetErrors(framework::GlobalErrors);
    File = &file;
    framework::FileManager::Init();
    Settings::accessReference() = this;
  }

  framework::Level Kill() override {
    const framework::Level result = framework::FileManager::Kill();
    Settings::accessReference() = nullptr;
    return result;
  }

  framework::Level UseFile(std::uint8_t useType) override {
    if (useType != framework::UseType::Initialise) {
      UseFile(framework::UseType::Initialise);
    } else if (!Initialized) {
      InUseFile = 1;
      Init(*File, framework::GlobalErrors);
      Create = Settings::Create;
      LockRecover = Settings::LockRecover;
    }
    return framework::FileManager::UseFile(useType);
  }
};

}  // namespace tallowmere::txa
