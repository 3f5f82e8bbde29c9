#include "runtime/files/ExitHooks.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

#include "runtime/files/PendingRemovals.h"

namespace tallowmere::runtime {

namespace {

struct Registry {
  std::mutex mutex;
  std::vector<std::pair<ExitHooks::Token, std::function<void()>>> hooks;
  ExitHooks::Token lastToken = 0;
};

Registry& registry() {
  // Never destroyed: a hook may still be removed by a static object's destructor.
  static auto* instance = new Registry;
  return *instance;
}

// Takes the newest hook off the list, so that a hook that ends the process itself (and so
// re-enters runAll) neither runs twice nor stops the older hooks from running.
std::function<void()> takeNewest() {
  Registry& hooks = registry();
  std::lock_guard lock(hooks.mutex);
  if (hooks.hooks.empty()) return {};
  std::function<void()> hook = std::move(hooks.hooks.back().second);
  hooks.hooks.pop_back();
  return hook;
}

}  // namespace

ExitHooks::Token ExitHooks::add(std::function<void()> hook) {
  Registry& hooks = registry();
  std::lock_guard lock(hooks.mutex);
  hooks.hooks.emplace_back(++hooks.lastToken, std::move(hook));
  return hooks.lastToken;
}

void ExitHooks::remove(Token token) {
  Registry& hooks = registry();
  std::lock_guard lock(hooks.mutex);
  std::erase_if(hooks.hooks, [token](const auto& entry) { return entry.first == token; });
}

void ExitHooks::runAll() {
  while (std::function<void()> hook = takeNewest()) hook();
}

void endProcess(int status) {
  ExitHooks::runAll();
  PendingRemovals::removeAll();
  // Messages already printed by a batch run must not be lost with the stdio buffers.
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace tallowmere::runtime
