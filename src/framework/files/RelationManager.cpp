#include "framework/files/RelationManager.h"

#include "framework/core/Assert.h"
#include "framework/files/FileManager.h"
#include "framework/files/FilesManager.h"

namespace tallowmere::framework {

namespace {

thread_local std::int32_t currentEpoc = 0;

constexpr std::string_view NotInitialised = "Relation manager incorrectly initialized.";

}  // namespace

std::int32_t RelationManager::Epoc() {
  return currentEpoc;
}

RelationManager::~RelationManager() {
  if (Relations) RelationManager::Kill();
}

void RelationManager::Init(FileManager& fileManager, std::uint8_t useLogout) {
  Me = &fileManager;
  Relations.emplace();
  UseLogout = useLogout;
  LogoutTimeout = 2;
  filesManager().AddFileMapping(*this);
}

Level RelationManager::Kill() {
  // Relations lives exactly from Init to Kill.
  if (!Relations) return Level::Notify;
  Me->Kill();
  filesManager().unregister(*this);
  Relations.reset();
  return Level::Benign;
}

Level RelationManager::Open(std::uint8_t cascading) {
  frameworkAssert(Me != nullptr, NotInitialised);
  const std::uint8_t wasForcing = ForcingOpen;
  if (!Me->LazyOpen) ForcingOpen = 1;
  const Level result = OpenCloseServer(cascading, true);
  ForcingOpen = wasForcing;
  return result;
}

Level RelationManager::Close(std::uint8_t cascading) {
  return OpenCloseServer(cascading, false);
}

Level RelationManager::OpenCloseServer(std::uint8_t cascading, bool opening) {
  if (cascading) {
    if (LastTouched == currentEpoc) return Level::Benign;
  } else {
    ++currentEpoc;
  }
  LastTouched = currentEpoc;
  frameworkAssert(Me != nullptr && Relations.has_value(), NotInitialised);

  Level result = Level::Benign;
  if (opening) {
    result = Me->Open();
    // The lazy open only counted; the top-level call is where the file is really opened.
    if (!cascading && result == Level::Benign) result = Me->UseFile(UseType::Uses);
  } else {
    result = Me->Close();
  }
  if (!cascading || ForcingOpen) DeferedRelations();
  if (result == Level::Benign) result = cascadeToRelations(opening);
  return result;
}

Level RelationManager::cascadeToRelations(bool opening) {
  for (RelatedFile& related : *Relations) {
    if (opening) {
      // A file this cascade had already reached is not opened again, so is not counted.
      const std::int32_t before = related.File->Me->GetOpened();
      const Level level = related.File->Open(1);
      if (level != Level::Benign) return level;
      if (related.File->Me->GetOpened() > before) ++related.Opened;
    } else if (related.Opened > 0) {
      related.File->Close(1);
      --related.Opened;
    }
  }
  return Level::Benign;
}

void RelationManager::DeferedRelations() {
  if (DeferedRelationsDone) return;
  DeferedRelationsDone = 1;
  DeferedAddRelations();
}

void RelationManager::AddRelation(RelationManager& related) {
  frameworkAssert(Relations.has_value(), NotInitialised);
  Relations->push_back({&related, 0});
}

void RelationManager::SetQuickScan(std::uint8_t on, std::uint8_t propagate) {
  ++currentEpoc;
  sendQuickScan(on, propagate != 0);
}

void RelationManager::sendQuickScan(std::uint8_t on, bool propagate) {
  if (LastTouched == currentEpoc) return;
  LastTouched = currentEpoc;
  frameworkAssert(Me != nullptr && Relations.has_value(), NotInitialised);
  if (Me->IsOpened()) Me->File->send(on ? "QUICKSCAN=on" : "QUICKSCAN=off");
  if (!propagate) return;
  for (RelatedFile& related : *Relations) related.File->sendQuickScan(on, true);
}

}  // namespace tallowmere::framework
