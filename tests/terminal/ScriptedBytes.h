#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/terminal/ByteSource.h"

namespace tallowmere::platform {

// What a terminal sends, each part arriving a pause (in milliseconds) after the one before,
// on a clock of its own, so waits cost no time.
class ScriptedBytes final : public ByteSource {
 public:
  struct Part {
    int pause = 0;
    std::vector<int> keys;
  };

  explicit ScriptedBytes(const std::vector<Part>& parts) {
    int at = 0;
    for (const Part& part : parts) {
      at += part.pause;
      for (int key : part.keys) pending_.push_back({at, key});
    }
  }

  std::optional<int> next(int milliseconds) override {
    const bool arrives =
        !pending_.empty() && (milliseconds < 0 || pending_.front().at <= now_ + milliseconds);
    if (!arrives) {
      now_ += std::max(milliseconds, 0);
      return std::nullopt;
    }
    now_ = std::max(now_, pending_.front().at);
    const int key = pending_.front().key;
    pending_.pop_front();
    return key;
  }

  void putBack(int key) override { pending_.push_front({now_, key}); }

  int now() const { return now_; }

 private:
  struct Arrival {
    int at;
    int key;
  };
  std::deque<Arrival> pending_;
  int now_ = 0;
};

inline std::vector<int> bytes(const std::string& text) {
  std::vector<int> keys;
  for (const char c : text) keys.push_back(static_cast<unsigned char>(c));
  return keys;
}

}  // namespace tallowmere::platform
