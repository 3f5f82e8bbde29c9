#pragma once

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace tallowmere::runtime {
class Window;
}  // namespace tallowmere::runtime

namespace tallowmere::platform {

// Where a box of length starts on one axis to stand centred over an area there, in any unit.
constexpr int centredStart(int areaStart, int areaLength, int length) {
  return areaStart + (areaLength - length) / 2;
}

// What a front end keeps of a window when the window itself says all it needs.
struct NothingKept {};

// The windows a front end has open, from the main window at the bottom to the active one on
// top, each with what the front end keeps for it. Every window is modal: only the top one
// takes input, the ones below wait for it to close. A window the program opens without a
// place of its own is centred over the window below it, or over the screen when it is the
// first, as a dialog is centred over its owner.
template <class Kept = NothingKept>
class WindowStack {
 public:
  struct Entry {
    const runtime::Window* window;
    Kept kept;
  };

  void push(const runtime::Window& window, Kept kept = {}) {
    entries_.push_back({&window, std::move(kept)});
  }

  // Takes the window off the stack, wherever it stands, and gives what was kept for it;
  // nothing when it was not open.
  std::optional<Kept> remove(const runtime::Window& window) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.window == &window; });
    if (found == entries_.end()) return std::nullopt;
    std::optional<Kept> kept(std::move(found->kept));
    entries_.erase(found);
    return kept;
  }

  Kept* find(const runtime::Window& window) {
    for (Entry& entry : entries_) {
      if (entry.window == &window) return &entry.kept;
    }
    return nullptr;
  }

  bool empty() const { return entries_.empty(); }
  bool isTop(const runtime::Window& window) const {
    return !empty() && entries_.back().window == &window;
  }
  const Entry& bottom() const { return entries_.front(); }
  const Entry& top() const { return entries_.back(); }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

  // What a window opening now is centred over: the top window's area (areaOf an entry), or
  // the screen when none is open.
  template <class Area, class AreaOf>
  Area areaToCentreOn(const Area& screen, AreaOf areaOf) const {
    return empty() ? screen : areaOf(top());
  }

 private:
  std::vector<Entry> entries_;
};

}  // namespace tallowmere::platform
