#include "platform/common/WholeFileProfile.h"

#include "platform/common/SettingsText.h"

namespace tallowmere::platform {

std::string WholeFileProfile::read(std::string_view file, std::string_view section,
                                   std::string_view key, std::string_view defaultValue) {
  const std::optional<std::string> text = loadText(file);
  if (!text) return std::string(defaultValue);
  return SettingsText(*text).get(section, key).value_or(std::string(defaultValue));
}

void WholeFileProfile::write(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) {
  const std::optional<std::string> text = loadText(file);
  if (!text) return;
  SettingsText document(*text);
  // Replacing the whole file for a value it already holds would only cost time.
  if (!document.set(section, key, value)) return;
  saveText(file, document.text());
}

void WholeFileProfile::remove(std::string_view file, std::string_view section,
                              std::string_view key) {
  const std::optional<std::string> text = loadText(file);
  if (!text) return;
  SettingsText document(*text);
  if (!document.get(section, key)) return;
  document.remove(section, key);
  saveText(file, document.text());
}

}  // namespace tallowmere::platform
