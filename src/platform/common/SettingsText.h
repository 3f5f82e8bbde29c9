#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::platform {

// The text of a private-profile file, edited line by line so that everything the program
// does not touch (other sections, other entries, comments, odd lines) is written back as
// it was. Section and key names compare without regard to case; blanks around names and
// values do not count. Any bytes at all are accepted: what is not a section header or an
// entry is kept as an opaque line.
class SettingsText {
 public:
  explicit SettingsText(std::string_view text = {});

  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  // False when the document is left as it was: the key's line already reads exactly as it
  // would be written, so there is nothing to save.
  bool set(std::string_view section, std::string_view key, std::string_view value);
  void remove(std::string_view section, std::string_view key);

  std::string text() const;

 private:
  // Index of the section's header line, if the section exists.
  std::optional<std::size_t> findSection(std::string_view section) const;
  // Index just past the section's last line (its end is the next header or the end).
  std::size_t sectionEnd(std::size_t header) const;
  std::optional<std::size_t> findEntry(std::size_t header, std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace tallowmere::platform
