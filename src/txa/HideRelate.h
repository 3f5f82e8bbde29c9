#pragma once

#include "framework/files/FileManager.h"
#include "framework/files/RelationManager.h"

namespace tallowmere::txa {

// The relation manager of one dictionary file; it has no related files. Settings gives
// UseLogout and the global reference that points at the manager from its Init to its Kill.
template <typename Settings>
class HideRelate : public framework::RelationManager {
 public:
  // Initialises the file manager first, then itself over it.
  void Init(framework::FileManager& fileManager) {
    fileManager.Init();
    framework::RelationManager::Init(fileManager, Settings::UseLogout);
    Settings::relateReference() = this;
  }

  framework::Level Kill() override {
    const framework::Level result = framework::RelationManager::Kill();
    Settings::relateReference() = nullptr;
    return result;
  }
};

}  // namespace tallowmere::txa
