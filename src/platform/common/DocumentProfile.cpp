#include "platform/common/DocumentProfile.h"

#include "platform/common/ProfileDocument.h"

namespace tallowmere::platform {

std::string DocumentProfile::read(std::string_view file, std::string_view section,
                                  std::string_view key, std::string_view defaultValue) {
  const std::optional<std::string> text = loadText(file);
  if (!text) return std::string(defaultValue);
  return ProfileDocument(*text).get(section, key).value_or(std::string(defaultValue));
}

void DocumentProfile::write(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view value) {
  const std::optional<std::string> text = loadText(file);
  if (!text) return;
  ProfileDocument document(*text);
  // Replacing the whole file for a value it already holds would only cost time.
  if (!document.set(section, key, value)) return;
  saveText(file, document.text());
}

void DocumentProfile::remove(std::string_view file, std::string_view section,
                             std::string_view key) {
  const std::optional<std::string> text = loadText(file);
  if (!text) return;
  ProfileDocument document(*text);
  if (!document.get(section, key)) return;
  document.remove(section, key);
  saveText(file, document.text());
}

}  // namespace tallowmere::platform
