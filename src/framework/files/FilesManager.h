#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "runtime/files/File.h"

namespace tallowmere::framework {

class ErrorClass;
class FileManager;
class RelationManager;

// The identity of this thread's instance of a file declaration.
using FileLabel = std::uintptr_t;

// One procedure's use of one file.
struct FileUsage {
  std::string Proc;
  FileLabel Id = 0;
  std::uint8_t UStat = 0;        // highest use type noted
  std::uint16_t Hold = 0;        // saved file state to put back at the close, 0 = none
  std::uint16_t ScopeLevel = 1;  // 1 for the first procedure, +1 for each nested one
  std::uint16_t NestedOpen = 0;  // extra opens by the same procedure
};

// This thread's registry: which managers serve which file, and which procedure uses which
// file. Everything in it belongs to the current thread, so it needs no locking.
class FilesManager {
 public:
  void AddFileMapping(FileManager& manager);
  void AddFileMapping(RelationManager& manager);
  void RemoveFileMapping(FileManager& manager);
  void RemoveFileMapping(FileLabel label);
  void RemoveRelationFileMapping(RelationManager& manager);
  void RemoveRelationFileMapping(FileLabel label);
  FileManager* GetFileMapping(FileLabel label) const;
  RelationManager* GetRelationFileMapping(FileLabel label) const;
  static FileLabel GetFileID(const runtime::File& file);
  // Removes the manager's mapping if it is the one mapped; a manager that never registered,
  // or whose mapping is gone already, leaves the registry as it is.
  void unregister(const FileManager& manager);
  void unregister(const RelationManager& manager);

  void NoteUsage(FileManager& manager, std::uint8_t useType);
  void NoteOpen(FileManager& manager);
  void NoteClose(FileManager& manager);

  ErrorClass* Errs = nullptr;
  std::map<FileLabel, FileManager*> FileMapping;
  std::map<FileLabel, RelationManager*> RelationMapping;
  std::vector<FileUsage> StatusQ;

 private:
  // This file's usage record with the highest scope level, or null.
  FileUsage* FindRecord(const FileManager& manager);
  std::string currentProcedure() const;
};

// The current thread's registry.
FilesManager& filesManager();

}  // namespace tallowmere::framework
