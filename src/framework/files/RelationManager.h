#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/core/Levels.h"

namespace tallowmere::framework {

class FileManager;
class RelationManager;

// A file related to the one a relation manager serves, with the opens the cascade made on
// it, so that the cascade's closes never go below what it opened itself.
struct RelatedFile {
  RelationManager* File = nullptr;
  std::int32_t Opened = 0;
};

// Opens and closes a file together with its related files. Each top-level Open or Close
// is one cascade, numbered by this thread's Epoc; a manager reached twice within one
// cascade acts only the first time.
class RelationManager {
 public:
  RelationManager() = default;
  RelationManager(const RelationManager&) = delete;
  RelationManager& operator=(const RelationManager&) = delete;
  // Kills the manager when Init ran and Kill did not.
  virtual ~RelationManager();

  // Serves fileManager from now on and registers with this thread's FilesManager.
  void Init(FileManager& fileManager, std::uint8_t useLogout);
  virtual Level Kill();

  virtual Level Open(std::uint8_t cascading = 0);
  virtual Level Close(std::uint8_t cascading = 0);
  // Tells the driver a scan starts ("QUICKSCAN=on") or ended ("QUICKSCAN=off"), only while
  // the file is open; with propagate, the related files are told within one cascade.
  virtual void SetQuickScan(std::uint8_t on, std::uint8_t propagate = 0);
  // Where a derived manager adds its related files, once, at its first cascade.
  virtual void DeferedAddRelations() {}

  Level OpenCloseServer(std::uint8_t cascading, bool opening);
  void DeferedRelations();
  void AddRelation(RelationManager& related);

  // The number of the open/close cascade running (or last run) on this thread.
  static std::int32_t Epoc();

  FileManager* Me = nullptr;
  std::optional<std::vector<RelatedFile>> Relations;
  RelationManager* AliasFile = nullptr;
  std::uint8_t PrevUseLogout = 0;
  std::uint8_t UseLogout = 0;
  std::uint8_t LogoutTimeout = 0;
  std::int32_t LastTouched = 0;
  std::uint8_t ForcingOpen = 0;
  std::uint8_t DeferedRelationsDone = 0;

 private:
  Level cascadeToRelations(bool opening);
  void sendQuickScan(std::uint8_t on, bool propagate);
};

}  // namespace tallowmere::framework
