#include "platform/common/SettingsText.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tallowmere::platform {

namespace {

std::string_view trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> entryOf(std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

std::string entryLine(std::string_view key, std::string_view value) {
  return std::string(key).append("=").append(value);
}

}  // namespace

SettingsText::SettingsText(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::optional<std::size_t> SettingsText::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionName(lines_[i]);
    if (name && sameName(*name, trim(section))) return i;
  }
  return std::nullopt;
}

std::size_t SettingsText::sectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && !sectionName(lines_[end])) ++end;
  return end;
}

std::optional<std::size_t> SettingsText::findEntry(std::size_t header, std::string_view key) const {
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const auto entry = entryOf(lines_[i]);
    if (entry && sameName(entry->key, trim(key))) return i;
  }
  return std::nullopt;
}

std::optional<std::string> SettingsText::get(std::string_view section, std::string_view key) const {
  const auto header = findSection(section);
  if (!header) return std::nullopt;
  const auto line = findEntry(*header, key);
  if (!line) return std::nullopt;
  return std::string(entryOf(lines_[*line])->value);
}

bool SettingsText::set(std::string_view section, std::string_view key, std::string_view value) {
  const auto header = findSection(section);
  if (!header) {
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back(std::string("[").append(trim(section)).append("]"));
    lines_.push_back(entryLine(trim(key), value));
    return true;
  }
  if (const auto line = findEntry(*header, key)) {
    std::string replaced = entryLine(entryOf(lines_[*line])->key, value);
    if (replaced == lines_[*line]) return false;
    lines_[*line] = std::move(replaced);
    return true;
  }
  // New entries go after the section's last non-blank line, so a blank separator line
  // before the next section stays where it was.
  std::size_t at = sectionEnd(*header);
  while (at > *header + 1 && trim(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entryLine(trim(key), value));
  return true;
}

void SettingsText::remove(std::string_view section, std::string_view key) {
  const auto header = findSection(section);
  if (!header) return;
  // A hand-edited file may hold a key twice; every copy goes, or the next read would find
  // a stale one the program meant to remove.
  while (const auto line = findEntry(*header, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  }
}

std::string SettingsText::text() const {
  std::string out;
  for (const std::string& line : lines_) out.append(line).append("\r\n");
  return out;
}

}  // namespace tallowmere::platform
