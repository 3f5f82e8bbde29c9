#include "framework/files/FilesManager.h"

#include <algorithm>

#include "framework/core/Assert.h"
#include "framework/errors/ErrorClass.h"
#include "framework/files/FileManager.h"
#include "framework/files/RelationManager.h"
#include "runtime/core/PerThread.h"

namespace tallowmere::framework {

namespace {

FileLabel labelOf(const FileManager& manager) {
  frameworkAssert(manager.File != nullptr, "File manager has no file");
  return FilesManager::GetFileID(*manager.File);
}

FileLabel labelOf(const RelationManager& manager) {
  frameworkAssert(manager.Me != nullptr, "Relation manager incorrectly initialized.");
  return labelOf(*manager.Me);
}

template <typename Manager>
void addMapping(std::map<FileLabel, Manager*>& mapping, FileLabel label, Manager& manager,
                const char* duplicate) {
  frameworkAssert(!mapping.contains(label), duplicate);
  mapping.emplace(label, &manager);
}

template <typename Manager>
void removeMapping(std::map<FileLabel, Manager*>& mapping, FileLabel label) {
  frameworkAssert(mapping.erase(label) == 1, "Delete failed on queue");
}

template <typename Manager>
void removeOwnMapping(std::map<FileLabel, Manager*>& mapping, const Manager& manager) {
  const auto found = mapping.find(labelOf(manager));
  if (found != mapping.end() && found->second == &manager) mapping.erase(found);
}

template <typename Manager>
Manager* findMapping(const std::map<FileLabel, Manager*>& mapping, FileLabel label) {
  const auto found = mapping.find(label);
  return found == mapping.end() ? nullptr : found->second;
}

}  // namespace

FilesManager& filesManager() {
  return runtime::perThread([] {
    thread_local FilesManager registry;
    return &registry;
  });
}

FileLabel FilesManager::GetFileID(const runtime::File& file) {
  return reinterpret_cast<FileLabel>(&file);
}

void FilesManager::AddFileMapping(FileManager& manager) {
  addMapping(FileMapping, labelOf(manager), manager, "Mapping for file already exists for the FM");
  Errs = manager.Errors;
}

void FilesManager::AddFileMapping(RelationManager& manager) {
  addMapping(RelationMapping, labelOf(manager), manager,
             "Mapping for file already exists for the RM");
}

void FilesManager::RemoveFileMapping(FileManager& manager) {
  RemoveFileMapping(labelOf(manager));
}

void FilesManager::RemoveFileMapping(FileLabel label) {
  removeMapping(FileMapping, label);
}

void FilesManager::RemoveRelationFileMapping(RelationManager& manager) {
  RemoveRelationFileMapping(labelOf(manager));
}

void FilesManager::RemoveRelationFileMapping(FileLabel label) {
  removeMapping(RelationMapping, label);
}

FileManager* FilesManager::GetFileMapping(FileLabel label) const {
  return findMapping(FileMapping, label);
}

RelationManager* FilesManager::GetRelationFileMapping(FileLabel label) const {
  return findMapping(RelationMapping, label);
}

void FilesManager::unregister(const FileManager& manager) {
  removeOwnMapping(FileMapping, manager);
}

void FilesManager::unregister(const RelationManager& manager) {
  removeOwnMapping(RelationMapping, manager);
}

std::string FilesManager::currentProcedure() const {
  return Errs ? Errs->GetProcedureName() : std::string();
}

FileUsage* FilesManager::FindRecord(const FileManager& manager) {
  const FileLabel label = labelOf(manager);
  FileUsage* found = nullptr;
  for (FileUsage& usage : StatusQ) {
    if (usage.Id == label && (!found || usage.ScopeLevel > found->ScopeLevel)) found = &usage;
  }
  return found;
}

void FilesManager::NoteUsage(FileManager& manager, std::uint8_t useType) {
  const std::string procedure = currentProcedure();
  FileUsage* usage = FindRecord(manager);
  if (usage && usage->Proc == procedure) {
    usage->UStat = std::max(usage->UStat, useType);
    return;
  }
  FileUsage added{procedure,
                  labelOf(manager),
                  useType,
                  0,
                  static_cast<std::uint16_t>(usage ? usage->ScopeLevel + 1 : 1),
                  0};
  // A nested procedure that reads or writes the file must leave it to its caller as it
  // found it.
  if (usage && useType < UseType::SavedBelow) added.Hold = manager.SaveFile();
  StatusQ.push_back(std::move(added));
}

void FilesManager::NoteOpen(FileManager& manager) {
  FileUsage* usage = FindRecord(manager);
  if (usage && usage->Proc == currentProcedure()) ++usage->NestedOpen;
}

void FilesManager::NoteClose(FileManager& manager) {
  FileUsage* usage = FindRecord(manager);
  if (!usage || usage->Proc != currentProcedure()) return;
  if (usage->NestedOpen > 0) {
    --usage->NestedOpen;
    return;
  }
  if (usage->Hold != 0) manager.RestoreFile(usage->Hold, usage->UStat < UseType::SavedBelow);
  StatusQ.erase(StatusQ.begin() + (usage - StatusQ.data()));
}

}  // namespace tallowmere::framework
