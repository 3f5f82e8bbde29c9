#include "support/MemoryProfile.h"

namespace tallowmere::fuzzing {

void MemoryProfile::load(std::string_view file, std::string_view text) {
  saveText(file, text);
}

std::string MemoryProfile::text(std::string_view file) const {
  const auto found = texts_.find(file);
  return found == texts_.end() ? std::string() : found->second;
}

std::optional<std::string> MemoryProfile::loadText(std::string_view file) {
  return text(file);
}

void MemoryProfile::saveText(std::string_view file, std::string_view text) {
  texts_.insert_or_assign(std::string(file), std::string(text));
}

}  // namespace tallowmere::fuzzing
