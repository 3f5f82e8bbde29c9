#include "framework/files/CreateFileOpenServer.h"

#include <map>
#include <mutex>

#include "framework/files/ThreadedFileOpenServer.h"
#include "framework/files/UnthreadedFileOpenServer.h"

namespace tallowmere::framework {

namespace {

std::mutex CreateOpenerCrit;
// Weak, so a server goes away with its last manager and a later manager starts afresh.
std::map<const runtime::File*, std::weak_ptr<UnthreadedFileOpenServer>> UnthreadedFileOpenerMap;

std::shared_ptr<IFileOpenServer> sharedServer(runtime::File& file) {
  auto& entry = UnthreadedFileOpenerMap[&file];
  if (auto opener = entry.lock()) {
    opener->Link();
    return opener;
  }
  auto opener = std::make_shared<UnthreadedFileOpenServer>(file);
  entry = opener;
  return opener;
}

}  // namespace

std::shared_ptr<IFileOpenServer> CreateFileOpenServer(runtime::File& file) {
  std::lock_guard lock(CreateOpenerCrit);
  if (file.scope() == runtime::FileScope::PerThread)
    return std::make_shared<ThreadedFileOpenServer>(file);
  return sharedServer(file);
}

}  // namespace tallowmere::framework
