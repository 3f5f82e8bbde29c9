#include "platform/terminal/PastedPaths.h"

#include <cstdlib>
#include <optional>

namespace tallowmere::platform {

namespace {

constexpr std::string_view FileScheme = "file://";
constexpr std::string_view ThisComputer = "localhost";

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Adds to word what the quote opened at quote holds; where it closes, or none when it
// never does. Inside double quotes a backslash still escapes a quote or a backslash.
std::optional<std::size_t> quoted(std::string_view text, std::size_t quote, std::string& word) {
  const char mark = text[quote];
  for (std::size_t at = quote + 1; at < text.size(); ++at) {
    if (text[at] == mark) return at;
    const bool escape = mark == '"' && text[at] == '\\' && at + 1 < text.size() &&
                        (text[at + 1] == '\\' || text[at + 1] == '"');
    word += text[escape ? ++at : at];
  }
  return std::nullopt;
}

// The words of text as a shell splits them, with its quoting; none for an open quote.
std::optional<std::vector<std::string>> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::optional<std::string> word;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (isSeparator(c)) {
      if (word) words.push_back(std::move(*word));
      word.reset();
      continue;
    }
    if (!word) word.emplace();
    if (c == '\\' && at + 1 < text.size()) {
      *word += text[++at];
    } else if (c == '\'' || c == '"') {
      const std::optional<std::size_t> close = quoted(text, at, *word);
      if (!close) return std::nullopt;
      at = *close;
    } else {
      *word += c;
    }
  }
  if (word) words.push_back(std::move(*word));
  return words;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string percentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '%' && at + 2 < text.size()) {
      const int high = hexValue(text[at + 1]);
      const int low = hexValue(text[at + 2]);
      if (high >= 0 && low >= 0) {
        decoded += static_cast<char>(high * 16 + low);
        at += 2;
        continue;
      }
    }
    decoded += text[at];
  }
  return decoded;
}

// The path a file:// URI names on this computer; none for another computer's file.
std::optional<std::string> pathOfUri(std::string_view uri) {
  const std::string_view rest = uri.substr(FileScheme.size());
  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view host = rest.substr(0, slash);
  if (!host.empty() && host != ThisComputer) return std::nullopt;
  return percentDecoded(rest.substr(slash));
}

std::optional<std::string> pathOfWord(const std::string& word) {
  if (word.starts_with(FileScheme)) return pathOfUri(word);
  if (word.starts_with("~/")) {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return std::string(home) + word.substr(1);
  }
  return word;
}

}  // namespace

std::vector<std::string> pastedPaths(std::string_view text) {
  const std::optional<std::vector<std::string>> words = wordsOf(text);
  if (!words) return {};
  std::vector<std::string> paths;
  for (const std::string& word : *words) {
    if (auto path = pathOfWord(word)) paths.push_back(std::move(*path));
  }
  return paths;
}

}  // namespace tallowmere::platform
