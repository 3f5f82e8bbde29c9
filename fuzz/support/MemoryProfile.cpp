#include "support/MemoryProfile.h"

namespace tallowmere::fuzzing {

std::string MemoryProfile::read(std::string_view file, std::string_view section,
                                std::string_view key, std::string_view defaultValue) {
  const auto document = files_.find(file);
  if (document == files_.end()) return std::string(defaultValue);
  return document->second.get(section, key).value_or(std::string(defaultValue));
}

void MemoryProfile::write(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view value) {
  files_[std::string(file)].set(section, key, value);
}

void MemoryProfile::remove(std::string_view file, std::string_view section, std::string_view key) {
  const auto document = files_.find(file);
  if (document != files_.end()) document->second.remove(section, key);
}

void MemoryProfile::load(std::string_view file, std::string_view text) {
  files_.insert_or_assign(std::string(file), platform::ProfileDocument(text));
}

std::string MemoryProfile::text(std::string_view file) const {
  const auto document = files_.find(file);
  return document == files_.end() ? std::string() : document->second.text();
}

}  // namespace tallowmere::fuzzing
