#include "runtime/files/PendingRemovals.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

#include "runtime/files/FileSystem.h"

namespace tallowmere::runtime::PendingRemovals {

namespace {

// A conversion holds at most a few temporaries at once (the export's, the standard
// streams', the report's); the list is fixed so that a handler walks it without a lock.
constexpr std::size_t Capacity = 32;

struct List {
  std::mutex changing;
  // What a handler reads: a name is published only once it is whole, and withdrawn before
  // its storage goes.
  std::array<std::atomic<const char*>, Capacity> names{};
  std::array<std::unique_ptr<char[]>, Capacity> storage;
};

List& list() {
  // Never destroyed: a signal may arrive while static objects go.
  static auto* instance = new List;
  return *instance;
}

}  // namespace

Slot add(const std::string& path) {
  List& files = list();
  std::lock_guard lock(files.changing);
  for (std::size_t slot = 0; slot < Capacity; ++slot) {
    if (files.storage[slot]) continue;
    files.storage[slot] = std::make_unique<char[]>(path.size() + 1);
    path.copy(files.storage[slot].get(), path.size());
    files.names[slot].store(files.storage[slot].get());
    return static_cast<Slot>(slot);
  }
  return NoSlot;
}

void drop(Slot slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= Capacity) return;
  List& files = list();
  std::lock_guard lock(files.changing);
  files.names[static_cast<std::size_t>(slot)].store(nullptr);
  files.storage[static_cast<std::size_t>(slot)].reset();
}

void forEachListed(void (*remove)(const char* path)) {
  for (const std::atomic<const char*>& name : list().names) {
    if (const char* path = name.load(); path != nullptr) remove(path);
  }
}

void removeAll() {
  for (std::size_t slot = 0; slot < Capacity; ++slot) {
    if (const char* path = list().names[slot].load(); path != nullptr) fileSystem().remove(path);
    drop(static_cast<Slot>(slot));
  }
}

}  // namespace tallowmere::runtime::PendingRemovals
